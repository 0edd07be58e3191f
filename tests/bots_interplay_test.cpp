// A computer turn and what the person does meanwhile: the options panel, a new game, closing.
#include "bots_fixture.h"
#include "core/pushbutton.h"
#include "core/state.h"
#include "game_fixture.h"
#include "platform/controls.h"
#include "platform/random.h"
#include "table/frmMain.h"
#include "windows/frmNewGame.h"

using InterplayTest = BotTest;

// While the options panel is open, Normal, Fearless, Simple and Moron wait, yielding without a
// pause, and play on when it closes; Cautious plays on.
TEST_F(InterplayTest, OptionsPanelPausesAllButCautious) {
    for (Byte style : {Normal, Fearless, Simple, Moron, Cautious}) {
        SCOPED_TRACE(int(style));
        const bool waits = style != Cautious;
        Seat(style, 0);
        Lay("r", NoScore(6), 0);
        Script(NoScore(6));
        botClock.ClearRecord();
        counter.throws = 0;
        OptionsOpen = true;
        int yieldsWhileOpen = 0;
        std::size_t pausesWhileOpen = 0;
        bool openAtThrow = false, throwSeen = false;
        atYield = [&] {
            if (counter.throws > 0 && !throwSeen) {
                throwSeen = true;
                openAtThrow = OptionsOpen;
            }
            if (OptionsOpen && ++yieldsWhileOpen == 5) {
                pausesWhileOpen = botClock.pauses.size();
                OptionsOpen = false;  // the panel is saved or cancelled
            }
        };
        EXPECT_EQ(WholeTurn(), (QStringList{"threw", "passed"}));
        EXPECT_EQ(openAtThrow, !waits);
        if (waits) EXPECT_EQ(pausesWhileOpen, 0u);
        EXPECT_EQ(bool(OptionsOpen), !waits);  // Cautious never waited for it
        atYield = nullptr;
        OptionsOpen = false;
    }
}

// A new game started during a computer turn takes the table: the turn makes no further move,
// and the new game's first seat plays, or waits for its person, as the new game says.
TEST_F(InterplayTest, NewGameStopsTheRunningTurn) {
    struct Case {
        const char* name;
        int firstSeatStyle;  // list position, -1 for a person
    };
    for (const Case& c : std::vector<Case>{{"a person first", -1}, {"a computer first", 0}}) {
        SCOPED_TRACE(c.name);
        Seat(Normal);
        Lay("r", NoScore(6), 0);
        platform::SetRandomSource({});
        counter.throws = 0;
        dialogs.shown.clear();
        bool started = false;
        atYield = [&] {
            if (started) return;
            started = true;  // the player has chosen to throw and yields before it
            dialogs.modalScripts.push_back([&c](QDialog& window) {
                auto& dialog = static_cast<frmNewGame&>(window);
                SetRows(dialog, {{"Cal", c.firstSeatStyle}, {"Bob", -1}});
                dialog.cmdPlay->click();
            });
            form().mnuNewGame_Click();
        };
        const QStringList moves = WholeTurn();
        atYield = nullptr;
        ASSERT_TRUE(started);
        EXPECT_EQ(dialogs.shown.front().text, "Are you sure you want to quit the current game?");
        EXPECT_EQ(PlayerName[0], "Cal");
        EXPECT_TRUE(BotDone);
        EXPECT_FALSE(watchdogFired);
        if (c.firstSeatStyle < 0) {
            EXPECT_TRUE(moves.isEmpty()) << moves.join(", ").toStdString();
            EXPECT_EQ(counter.throws, 0);
            EXPECT_EQ(CurPlayer, 0);
            EXPECT_EQ(TurnState, "r");
            EXPECT_TRUE(form().cmdRoll->isEnabled());
        } else {
            // Cal's whole turn, ending with the dice passed to Bob.
            ASSERT_FALSE(moves.isEmpty());
            EXPECT_TRUE(moves.back().startsWith("banked") || moves.back() == "passed") << moves.back().toStdString();
            EXPECT_GE(counter.throws, 1);
            EXPECT_EQ(CurPlayer, 1);
        }
    }
}

// Closing the program during a chain of computer turns stops every loop at its next test, also a
// player waiting for the options panel; nothing is thrown after the close.
struct Closing {
    Byte style;
    bool panelOpen;
};
class ClosingTest : public BotTest, public ::testing::WithParamInterface<Closing> {};

TEST_P(ClosingTest, StopsEveryLoop) {
    const Closing c = GetParam();
    Seat(c.style);
    IsComputer[1] = true;  // computer against computer: the turns follow one another
    ComputerStyle[1] = c.style;
    Lay("r", NoScore(6), 0);
    platform::SetRandomSource({});
    OptionsOpen = c.panelOpen;
    int throwsAtClose = -1, yieldsAtClose = 0;
    atYield = [&] {
        if (throwsAtClose < 0 && yields == 40) {
            form().close();  // asks, and is answered Yes
            throwsAtClose = counter.throws;
            yieldsAtClose = yields;
        }
    };
    WholeTurn();
    atYield = nullptr;
    ASSERT_GE(throwsAtClose, 0);
    EXPECT_EQ(dialogs.Texts(), QStringList{"Are you sure you want to quit the current game?"});
    EXPECT_TRUE(Quitting);
    EXPECT_FALSE(watchdogFired);
    EXPECT_EQ(counter.throws, throwsAtClose);
    EXPECT_LE(yields - yieldsAtClose, 3);
    EXPECT_FALSE(form().picTray1->isEnabled());  // left as the closing found it
    if (!c.panelOpen) EXPECT_GT(throwsAtClose, 1);  // closed in the middle of the chain
}

INSTANTIATE_TEST_SUITE_P(EachStyle, ClosingTest,
                         ::testing::Values(Closing{Normal, false}, Closing{Cautious, false}, Closing{Fearless, false},
                                           Closing{Simple, false}, Closing{Moron, false}, Closing{Normal, true},
                                           Closing{Simple, true}, Closing{Cautious, true}));
