// The Simple and Moron players: what each takes, when it throws and when it banks.
#include "bots_fixture.h"
#include "core/state.h"
#include "platform/controls.h"
#include "table/frmMain.h"

using PlainTest = BotTest;

// Each player's first move from a turn state laid on the table.
TEST_F(PlainTest, MoveByTurnState) {
    struct Case {
        const char* name;
        Byte style;
        const char* state;
        std::vector<int> table;
        int turnScore;
        QString move;
    };
    const std::vector<Case> cases{
        {"Simple banks more than 350", Simple, "rp", NoScore(3), 351, "banked 351"},
        {"Simple throws at 350", Simple, "rp", NoScore(3), 350, "threw"},
        {"Simple throws from r", Simple, "r", NoScore(6), 0, "threw"},
        {"Simple passes after a scoreless throw", Simple, "p", NoScore(4), 300, "passed"},
        {"Simple takes every scorer before banking", Simple, "rsp", {5, 1, 2, 3}, 600, "took 5 1"},
        {"Simple takes every scorer before throwing", Simple, "rs", {1, 2, 3, 4, 6, 6}, 0, "took 1"},
        {"Moron banks from rp", Moron, "rp", NoScore(5), 50, "banked 50"},
        {"Moron banks from rsp without taking", Moron, "rsp", {5, 1, 2, 3}, 600, "banked 600"},
        {"Moron banks from sp without taking", Moron, "sp", {5, 2, 3}, 300, "banked 300"},
        {"Moron passes after a scoreless throw", Moron, "p", NoScore(2), 300, "passed"},
        {"Moron throws from rs", Moron, "rs", {5, 2, 3}, 100, "threw"},
        {"Moron throws from r", Moron, "r", NoScore(6), 0, "threw"},
        {"Moron takes the lowest scoring unit", Moron, "s", {2, 5, 3, 1, 6, 6}, 0, "took 5"},
        {"Moron takes a group whole", Moron, "s", {3, 4, 4, 4, 5, 6}, 0, "took 4 4 4"},
        {"Moron takes all when every die scores", Moron, "s", {1, 5, 5}, 0, "took 1 5 5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Seat(c.style);
        Lay(c.state, c.table, c.turnScore);
        Script(NoScore(int(c.table.size())));
        EXPECT_EQ(FirstMove(), c.move);
    }
}

// Simple clicks every position whose code scores, the unthrown ones and the dice of a group
// taken by an earlier click too, with the click pause after each (at Normal speed 200 ms, the
// pick itself adding its 100 ms).
TEST_F(PlainTest, SimpleClicksEveryScoringPosition) {
    Seat(Simple, 0);
    Lay("s", {1, 5, 2, 3}, 0);
    botClock.ClearRecord();
    EXPECT_EQ(FirstMove(), "took 1 5");
    // Cycle pause; the 1 (pick pause, click pause); the 5 (the same); the unthrown positions 4
    // and 5; then the next cycle's pause before the player is stopped.
    EXPECT_EQ(botClock.pauses, (std::vector<int>{100, 100, 200, 100, 200, 200, 200, 100}));

    Lay("s", {2, 2, 2, 5, 3, 6}, 0);
    botClock.ClearRecord();
    EXPECT_EQ(FirstMove(), "took 2 2 2 5");
    // The group's three slides, pick pause and click pause; two more clicks on its taken dice;
    // the 5.
    EXPECT_EQ(botClock.pauses,
              (std::vector<int>{100, 200, 200, 200, 100, 200, 200, 200, 100, 200, 100}));
}

// Moron after a throw of a 1, a 5 and a 3 with nothing banked: only the 1 is taken; then it
// throws from "rs", or banks from "rsp" once the turn has reached the break-in.
TEST_F(PlainTest, MoronTakesOneUnitThenThrowsOrBanks) {
    struct Case {
        int turnScore;
        QString then;
    };
    for (const Case& c : std::vector<Case>{{0, "threw"}, {450, "banked 550"}}) {
        SCOPED_TRACE(c.turnScore);
        Seat(Moron);
        Lay("r", NoScore(3), c.turnScore, 0);
        Roll({1, 5, 3});
        ASSERT_EQ(TurnState, "s");
        EXPECT_EQ(FirstMove(), "took 1");
        EXPECT_EQ(TurnState, c.turnScore == 0 ? "rs" : "rsp");
        Script(NoScore(2));
        EXPECT_EQ(FirstMove(), c.then);
    }
}

// Whole turns of the two players, move by move.
TEST_F(PlainTest, WholeTurnsMoveByMove) {
    struct Case {
        const char* name;
        Byte style;
        int banked;
        std::vector<std::vector<int>> throws;
        QStringList moves;
    };
    const std::vector<Case> cases{
        {"Simple keeps throwing until it can bank more than 350", Simple, 1000,
         {{1, 2, 3, 4, 6, 6}, {5, 2, 3, 4, 6}, {1, 1, 1, 2}},
         {"threw", "took 1", "threw", "took 5", "threw", "took 1 1 1", "banked 1150"}},
        {"Moron banks as soon as the break-in allows", Moron, 0,
         {{1, 2, 3, 4, 6, 6}, {5, 5, 5, 2, 3}},
         {"threw", "took 1", "threw", "took 5 5 5", "banked 600"}},
        {"Moron loses the turn to a scoreless throw", Moron, 0, {{5, 2, 3, 4, 6, 6}, NoScore(5)},
         {"threw", "took 5", "threw", "passed"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Seat(c.style);
        Lay("r", NoScore(6), 0, c.banked);
        dice = ScriptedDice();
        for (const auto& faces : c.throws) dice.QueueThrow(faces, false);
        dice.Install();
        EXPECT_EQ(WholeTurn(), c.moves);
        EXPECT_EQ(dice.Remaining(), 0u);
        EXPECT_FALSE(trayEnabledWhilePlaying);
        EXPECT_TRUE(form().picTray1->isEnabled());
    }
}
