// A computer turn and what the person does meanwhile: the options panel, a new game, closing.
#include <utility>

#include "bots_fixture.h"
#include "core/pushbutton.h"
#include "core/state.h"
#include "game_fixture.h"
#include "platform/controls.h"
#include "platform/random.h"
#include "table/frmMain.h"
#include "windows/frmNewGame.h"

using InterplayTest = BotTest;

// While the options panel is open Normal, Fearless, Simple and Moron wait, yielding without a
// pause, and play on when it closes; Cautious plays on.
TEST_F(InterplayTest, OptionsPanelPausesAllButCautious) {
    for (Byte style : {Normal, Fearless, Simple, Moron, Cautious}) {
        SCOPED_TRACE(int(style));
        Seat(style, 0);
        Lay("r", NoScore(6), 0);
        Script({NoScore(6)});
        botClock.ClearRecord();
        OptionsOpen = true;
        int yieldsWhileOpen = 0;
        std::size_t pausesWhileOpen = 0;
        atYield = [&] {
            if (OptionsOpen && ++yieldsWhileOpen == 5) {
                pausesWhileOpen = botClock.pauses.size();
                OptionsOpen = false;  // saved or cancelled
            }
        };
        EXPECT_EQ(WholeTurn(), (QStringList{"threw", "passed"}));
        EXPECT_EQ(bool(OptionsOpen), style == Cautious);  // Cautious finished before the panel closed
        if (style != Cautious) EXPECT_EQ(pausesWhileOpen, 0u);
        EXPECT_EQ(botClock.rests, style == Cautious ? 0 : 5);  // each look waits for a window event
        OptionsOpen = false;
    }
}

// A new game started during a computer turn takes the table: the turn makes no further move, and
// the new game's first seat waits for its person, or plays, as the new game says.
// A set-up cancelled after the Yes leaves the cleared table at rest, also when quit amid a pick.
TEST_F(InterplayTest, NewGameStopsTheRunningTurn) {
    for (int firstSeat : {-1, 0, -2}) {  // a person, a Normal computer; -2: the set-up is cancelled
        SCOPED_TRACE(firstSeat);
        const bool cancel = firstSeat == -2;
        Seat(Normal);
        Lay(cancel ? "s" : "r", cancel ? std::vector<int>{1, 5, 2, 3, 6, 6} : NoScore(6), 0);
        platform::SetRandomSource({});
        counter.throws = 0;
        bool started = false;
        atYield = [&] {  // the player has chosen to throw and yields before it
            if (yields < (cancel ? 4 : 1) || std::exchange(started, true)) return;
            dialogs.modalScripts.push_back([firstSeat](QDialog& window) {
                auto& dialog = static_cast<frmNewGame&>(window);
                SetRows(dialog, {{"Cal", firstSeat}, {"Bob", -1}});
                (firstSeat == -2 ? dialog.cmdCancel : dialog.cmdPlay)->click();
            });
            form().mnuNewGame_Click();  // "Are you sure ...?" is answered Yes
        };
        const QStringList moves = WholeTurn();
        if (cancel) {
            EXPECT_TRUE(moves.isEmpty() && !form().picTray1->isEnabled()) << moves.join(", ").toStdString();
            const Integer score = TurnScore;
            form().Form_KeyUp(49, 0);  // the key 1 takes no die of the quit game
            EXPECT_EQ(TurnScore, score);
            continue;
        }
        EXPECT_EQ(PlayerName[0], "Cal");
        EXPECT_FALSE(watchdogFired);
        if (firstSeat < 0) {
            EXPECT_TRUE(moves.isEmpty()) << moves.join(", ").toStdString();
            EXPECT_EQ(counter.throws, 0);
            EXPECT_TRUE(CurPlayer == 0 && TurnState == "r" && form().cmdRoll->isEnabled());
        } else {
            ASSERT_FALSE(moves.isEmpty());  // Cal's whole turn, ending with the dice passed to Bob
            EXPECT_TRUE(moves.back().startsWith("banked") || moves.back() == "passed");
            EXPECT_EQ(CurPlayer, 1);
        }
    }
}

// Closing the program during a chain of computer turns stops every loop at its next test, also a
// player waiting for the options panel; nothing is thrown after the close.
class ClosingTest : public BotTest, public ::testing::WithParamInterface<std::pair<Byte, bool>> {};

TEST_P(ClosingTest, StopsEveryLoop) {
    const auto [style, panelOpen] = GetParam();
    Seat(style);
    IsComputer[1] = true;  // the turns follow one another
    ComputerStyle[1] = style;
    Lay("r", NoScore(6), 0);
    platform::SetRandomSource({});
    OptionsOpen = panelOpen;
    int throwsAtClose = -1;
    atYield = [&] {
        if (yields != 40) return;
        form().close();  // answered Yes
        throwsAtClose = counter.throws;
    };
    WholeTurn();
    EXPECT_TRUE(Quitting);
    EXPECT_FALSE(watchdogFired);
    EXPECT_EQ(counter.throws, throwsAtClose);
    EXPECT_LE(yields, 43);
    EXPECT_FALSE(form().picTray1->isEnabled());  // left as the closing found it
    if (!panelOpen) EXPECT_GT(throwsAtClose, 1);
}

INSTANTIATE_TEST_SUITE_P(EachStyle, ClosingTest,
                         ::testing::Values(std::pair<Byte, bool>{Normal, false}, std::pair<Byte, bool>{Cautious, false},
                                           std::pair<Byte, bool>{Fearless, false}, std::pair<Byte, bool>{Simple, false},
                                           std::pair<Byte, bool>{Moron, false}, std::pair<Byte, bool>{Normal, true},
                                           std::pair<Byte, bool>{Simple, true}, std::pair<Byte, bool>{Cautious, true}));
