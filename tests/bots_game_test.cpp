// Whole games between computer seats of all seven styles, at each speed, on the virtual clock.
#include <QEvent>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

#include "bots_fixture.h"
#include "core/pushbutton.h"
#include "core/state.h"
#include "game_fixture.h"
#include "platform/controls.h"
#include "platform/random.h"
#include "table/frmMain.h"
#include "windows/frmNewGame.h"
#include "windows/frmScorePad.h"

namespace {
// Counts the computer turns: each one disables the table tray when it begins.
class TurnCounter : public QObject {
public:
    int turns = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange && !static_cast<QWidget*>(watched)->isEnabled()) ++turns;
        return false;
    }
};
}  // namespace

class ComputerGameTest : public GameTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        GameTest::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
        platform::SetClock(&gameClock);
        gameClock.atYield = [this] {
            if (++yields > 2000000) {  // a game that never ends
                watchdogFired = true;
                Quitting = true;
            }
        };
        form().lblStatus->installEventFilter(&throws);
        form().picTray1->installEventFilter(&turns);
        platform::Randomize(4711);
    }
    long Count(int ms) const { return std::count(gameClock.pauses.begin(), gameClock.pauses.end(), ms); }

    HookedClock gameClock;
    ThrowCounter throws;
    TurnCounter turns;
    long yields = 0;
    bool watchdogFired = false;
};

// Seven computer seats, one of each style, play a game to 5000 inside the set-up dialog's Play.
// The pauses are those of the speed: at Normal a second after every throw, at every pass and
// before every computer turn but the first; at Fast only the pass's second; at Ridiculous none
// but the scoreless throws' 20 ms and the two half seconds at the end of the game.
TEST_P(ComputerGameTest, SevenStylesPlayAWholeGame) {
    const int speed = GetParam();
    ComputerSpeed = Byte(speed);
    StartFromDialog([](frmNewGame& dialog) {
        SetRows(dialog, {{"Normal", 0}, {"Cautious", 1}, {"Fearless", 2}, {"Simple", 3}, {"Random", 4},
                         {"Genius", 5}, {"Moron", 6}});
        dialog.optPlayTo[0]->click();
        dialog.optBreakIn[0]->click();
        dialog.cmdPlay->click();
    });
    ASSERT_FALSE(watchdogFired);
    EXPECT_EQ(CurPlayer, NoSeat);
    EXPECT_TRUE(GameEnded);
    EXPECT_EQ(std::count_if(dialogs.shown.begin(), dialogs.shown.end(),
                            [](const auto& box) { return box.text == "frmCongrats"; }),
              1);
    const Integer best = *std::max_element(PlayerScore.begin(), PlayerScore.begin() + 7);
    EXPECT_GE(best, 5000);
    EXPECT_EQ(PlayerScore[WinnerSeat], best);
    for (int seat = 0; seat < 7; ++seat) EXPECT_EQ(ScorePad().lblScore[seat]->text(), QString::number(PlayerScore[seat]));
    EXPECT_GT(turns.turns, 7);
    EXPECT_GE(throws.throws, turns.turns);

    const long total = long(gameClock.pauses.size());
    switch (speed) {
        case 0:
            EXPECT_EQ(Count(1000), throws.throws + 2L * turns.turns - 1);
            break;
        case 1:
            EXPECT_EQ(Count(1000), turns.turns);
            EXPECT_GT(Count(100), 0);
            break;
        default:
            EXPECT_EQ(Count(500), 2);
            EXPECT_EQ(Count(500) + Count(20), total);
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(EachSpeed, ComputerGameTest, ::testing::Values(0, 1, 2));
