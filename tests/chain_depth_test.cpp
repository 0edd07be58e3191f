// Long series of computer turns and games run at the same depth of the call stack: the deepest
// point reached after many games is no deeper than after the first two.
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "bots_fixture.h"
#include "core/pushbutton.h"
#include "core/state.h"
#include "game_fixture.h"
#include "platform/keys.h"
#include "platform/random.h"
#include "table/frmMain.h"
#include "windows/frmCongrats.h"
#include "windows/frmNewGame.h"

namespace {

constexpr std::uintptr_t Margin = 4 * 1024;    // bytes of stack one game may differ from another
constexpr std::uintptr_t Ceiling = 256 * 1024;  // bytes below the test for the deepest point

// Answers every end-of-game window with Same Game until the last game, which is answered with
// Quit; shows the set-up dialog in its own modal loop, as the program does.
class ReplayDialogs : public platform::ScriptedDialogs {
public:
    void ShowModal(QDialog& window) override {
        if (qobject_cast<frmCongrats*>(&window)) {
            ++gamesEnded;
            if (atGameEnd) atGameEnd();
            const bool again = gamesEnded < games;
            modalScripts.push_front([again](QDialog& shown) {
                auto& congrats = static_cast<frmCongrats&>(shown);
                (again ? congrats.cmdSameGame : congrats.cmdQuit)->click();
            });
        } else if (auto* setup = qobject_cast<frmNewGame*>(&window); setup && modalScripts.empty()) {
            shown.push_back({"Modal", window.objectName(), window.windowTitle()});
            setup->exec();
            return;
        }
        ScriptedDialogs::ShowModal(window);
    }
    int games = 0, gamesEnded = 0;
    std::function<void()> atGameEnd;
};

}  // namespace

class ChainDepthTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
        platform::SetClock(&depthClock);
        depthClock.atYield = [this] {
            lowest = std::min(lowest, reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0)));
            if (atYield) atYield();
        };
        platform::Randomize(31);
    }
    // Bytes of stack between the test body and the deepest yield so far.
    std::uintptr_t Deepest() const { return lowest < top ? top - lowest : 0; }
    // The deepest point within the first two games stays the deepest after all of them.
    void ExpectFlat(const char* series, std::uintptr_t afterTwo, std::uintptr_t afterAll) {
        std::printf("%s: deepest stack %zu bytes after 2 games, %zu after all\n", series, std::size_t(afterTwo),
                    std::size_t(afterAll));
        RecordProperty("DeepestAfterTwoGames", int(afterTwo));
        RecordProperty("DeepestAfterAllGames", int(afterAll));
        EXPECT_GT(afterTwo, 0u);
        EXPECT_LE(afterAll, afterTwo + Margin);
        EXPECT_LT(afterAll, Ceiling);
    }

    HookedClock depthClock;
    std::function<void()> atYield;
    std::uintptr_t top = 0, lowest = UINTPTR_MAX;
};

// Fourteen games of the test run with seven seats, each started from the end of the one before.
TEST_F(ChainDepthTest, TestRunOfFourteenGames) {
    std::uintptr_t afterTwo = 0;
    atYield = [&] {
        if (TestGamesPlayed == 3 && afterTwo == 0) afterTwo = Deepest();
    };
    dialogs.inputs = {"14", "0", "5000", "500"};
    dialogs.modalScripts.push_back([](QDialog& window) {
        platform::SetKeyDown(Qt::Key_Up, true);
        static_cast<frmNewGame&>(window).lblComputer_DblClick();
        platform::SetKeyDown(Qt::Key_Up, false);
    });
    top = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
    form().ARCmdNewGame_Click();

    ASSERT_EQ(programEnded, 1);  // the report came after the fourteenth game
    EXPECT_EQ(TestGamesPlayed, 15);
    ExpectFlat("test run", afterTwo, Deepest());
}

// Two hundred games between two computer seats, each replayed with Same Game from the end-of-game
// window through the set-up dialog's own modal loop.
TEST_F(ChainDepthTest, TwoHundredSameGameReplays) {
    ReplayDialogs replays;
    replays.games = 200;
    std::uintptr_t afterTwo = 0;
    replays.atGameEnd = [&] {
        if (replays.gamesEnded == 2) afterTwo = Deepest();
    };
    platform::SetDialogs(&replays);
    ComputerSpeed = 2;
    replays.modalScripts.push_back([](QDialog& window) {
        auto& dialog = static_cast<frmNewGame&>(window);
        SetRows(dialog, {{"Fearless", 2}, {"Cautious", 1}});
        dialog.optPlayTo[0]->click();
        dialog.optBreakIn[0]->click();
        dialog.cmdPlay->click();
    });
    top = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
    form().ARCmdNewGame_Click();

    ASSERT_EQ(replays.gamesEnded, 200);
    EXPECT_TRUE(Quitting);  // the last game was answered with Quit
    EXPECT_EQ(replays.Texts().count("frmNewGame"), 200);  // the first show and every replay
    ExpectFlat("replays", afterTwo, Deepest());
}
