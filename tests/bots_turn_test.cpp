// The computer players' turns: when each style banks, throws again or takes dice, which dice it
// takes, and what happens when the turn goes wrong.
#include <QTest>
#include <utility>

#include "bots_fixture.h"
#include "core/state.h"
#include "platform/controls.h"
#include "table/frmMain.h"

using BotTurnTest = BotTest;

// Each style's first move from a laid turn. Break-in 1000, so that the 500 a seat that has not
// banked yet always keeps is seen to be fixed.
TEST_F(BotTurnTest, FirstMoveFromALaidTurn) {
    struct Case {
        Byte style;
        const char* state;
        std::vector<int> table;
        int turnScore, banked, wentOut;  // wentOut: seat 1's score when it has gone out
        QString move;
    };
    std::vector<Case> cases;
    // "rp": bank from the style's threshold for the dice up, 1 to 5.
    for (const auto& [style, bankAt] : std::vector<std::pair<Byte, std::vector<int>>>{
             {Cautious, {250, 300, 350, 500, 700}}, {Normal, {350, 400, 450, 600, 900}},
             {Fearless, {400, 450, 500, 1100, 1500}}}) {
        for (int n = 1; n <= 5; ++n) {
            cases.push_back({style, "rp", NoScore(n), bankAt[n - 1], 1000, 0, QString("banked %1").arg(bankAt[n - 1])});
            cases.push_back({style, "rp", NoScore(n), bankAt[n - 1] - 50, 1000, 0, "threw"});
        }
        cases.push_back({style, "rp", NoScore(5), 100, 0, 0, "banked 100"});  // the first bank of the game
    }
    const std::vector<Case> more{
        // After a seat has gone out: throw until strictly ahead of every banked score.
        {Normal, "rp", NoScore(3), 1100, 4000, 5100, "threw"},
        {Normal, "rp", NoScore(3), 1101, 4000, 5100, "banked 1101"},
        {Fearless, "rp", NoScore(5), 150, 5000, 5100, "banked 150"},
        {Cautious, "rp", NoScore(1), 600, 0, 5100, "threw"},
        {Cautious, "rp", NoScore(2), 0, 5200, 5100, "threw"},  // its own banked score counts too
        // "rs", "rsp": throw again with at least 5, 4 or 3 dice up, else take dice.
        {Cautious, "rs", {5, 2, 3, 4, 6}, 0, 1000, 0, "threw"},
        {Cautious, "rs", {5, 2, 3, 4}, 0, 1000, 0, "took 5"},
        {Normal, "rsp", {5, 2, 3, 4}, 600, 1000, 0, "threw"},
        {Normal, "rs", {5, 2, 3}, 0, 1000, 0, "took 5"},
        {Fearless, "rsp", {5, 2, 3}, 600, 1000, 0, "threw"},
        {Fearless, "rs", {5, 2}, 0, 1000, 0, "took 5"},
        {Fearless, "rs", {5, 2, 3, 4, 6}, 500, 0, 0, "took 5"},
        {Fearless, "rs", {5, 2, 3, 4, 6}, 450, 0, 0, "threw"},
        {Fearless, "rsp", {5, 2, 3, 4, 6}, 500, 1000, 0, "threw"},
        // Simple takes everything that scores, then banks from "rp" more than 350.
        {Simple, "rp", NoScore(3), 351, 1000, 0, "banked 351"},
        {Simple, "rp", NoScore(3), 350, 1000, 0, "threw"},
        {Simple, "rsp", {5, 1, 2, 3}, 600, 1000, 0, "took 5 1"},
        {Simple, "p", NoScore(2), 300, 1000, 0, "passed"},
        // Moron banks at the first chance, throws from "rs", takes one scoring unit from "s".
        {Moron, "rp", NoScore(5), 50, 1000, 0, "banked 50"},
        {Moron, "rsp", {5, 1, 2, 3}, 600, 1000, 0, "banked 600"},
        {Moron, "sp", {5, 2, 3}, 300, 1000, 0, "banked 300"},
        {Moron, "rs", {5, 2, 3}, 100, 0, 0, "threw"},
        {Moron, "s", {2, 5, 3, 1, 6, 6}, 0, 0, 0, "took 5"},
        {Moron, "s", {3, 4, 4, 4, 5, 6}, 0, 0, 0, "took 4 4 4"},
        {Moron, "s", {1, 5, 5}, 0, 0, 0, "took 1 5 5"},
    };
    cases.insert(cases.end(), more.begin(), more.end());
    BreakIn = 1000;
    for (std::size_t row = 0; row < cases.size(); ++row) {
        const Case& c = cases[row];
        SCOPED_TRACE(QString("row %1: style %2 in \"%3\"").arg(row).arg(c.style).arg(c.state).toStdString());
        Seat(c.style);
        IsComputer[1] = c.wentOut != 0;  // a computer winner: no top-ten question at the end
        PlayerScore[1] = Integer(c.wentOut);
        FinalRoundStarter = c.wentOut != 0 ? 1 : NoSeat;
        Lay(c.state, c.table, c.turnScore, c.banked);
        Script({NoScore(int(c.table.size()))});
        EXPECT_EQ(FirstMove(), c.move);
    }
}

// What each picker takes from a throw: everything when every die scores or when fewer dice than
// its style's M (5, 4, 3) are up; else its combinations, else one 1, else one 5, else the 2s.
TEST_F(BotTurnTest, PickerTakesByTheDiceUp) {
    struct Case {
        std::vector<int> faces;
        QString cautious, normal, fearless;
    };
    const std::vector<Case> cases{
        {{1, 5, 2, 3, 6, 6}, "took 1", "took 1", "took 1"},
        {{2, 2, 2, 3, 4, 6}, "took 2 2 2", "took 2 2 2", "took 2 2 2"},
        {{2, 2, 2, 5, 3, 6}, "took 5", "took 5", "took 5"},
        {{2, 1, 2, 3, 2, 4}, "took 1", "took 1", "took 1"},
        {{4, 4, 4, 1, 3, 6}, "took 4 4 4 1", "took 4 4 4 1", "took 4 4 4 1"},
        {{1, 1, 5, 5, 5, 3}, "took 1 1 5 5 5", "took 1 1 5 5 5", "took 1 1 5 5 5"},
        {{5, 2, 3, 5, 6}, "took 5", "took 5", "took 5"},
        {{1, 5, 2, 3}, "took 1 5", "took 1", "took 1"},
        {{1, 5, 2}, "took 1 5", "took 1 5", "took 1"},
        {{1, 5, 5}, "took 1 5 5", "took 1 5 5", "took 1 5 5"},
    };
    for (const Case& c : cases) {
        for (const auto& [style, move] :
             std::vector<std::pair<Byte, QString>>{{Cautious, c.cautious}, {Normal, c.normal}, {Fearless, c.fearless}}) {
            SCOPED_TRACE(QString("style %1, %2 dice").arg(style).arg(c.faces.size()).toStdString());
            Seat(style);
            Lay("r", NoScore(int(c.faces.size())), 0);
            Roll(c.faces);
            EXPECT_EQ(FirstMove(), move);
        }
    }
}

// Clicks and their pauses: a strong group makes the picker click every unpicked position that is
// not "0", unthrown ones included; Simple clicks every scoring code; Moron stops after one unit.
// The last pause is the next cycle's, before the player is stopped.
TEST_F(BotTurnTest, ClicksAndTheirPauses) {
    struct Case {
        Byte style;
        int speed;
        std::vector<int> table;
        QString move;
        std::vector<int> pauses;
    };
    const std::vector<Case> cases{
        {Normal, 1, {4, 4, 4, 2}, "took 4 4 4", {100, 200, 200, 200, 100, 100, 100, 100, 100, 100, 100}},
        {Simple, 0, {1, 5, 2, 3}, "took 1 5", {100, 100, 200, 100, 200, 200, 200, 100}},
        {Moron, 0, {2, 5, 3, 1, 6, 6}, "took 5", {100, 100, 200, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.move.toStdString());
        Seat(c.style, c.speed);
        Lay("s", c.table, 0);
        botClock.ClearRecord();
        EXPECT_EQ(FirstMove(), c.move);
        EXPECT_EQ(botClock.pauses, c.pauses);
    }
}

// Whole turns from the first throw to the pass; the table tray is disabled while they last.
TEST_F(BotTurnTest, WholeTurns) {
    struct Case {
        Byte style;
        int banked;
        std::vector<std::vector<int>> throws;
        QStringList moves;
    };
    const std::vector<Case> cases{
        {Cautious, 1000, {{1, 5, 2, 3, 6, 6}, NoScore(5)}, {"threw", "took 1", "threw", "passed"}},
        {Fearless, 0, {{1, 1, 1, 2, 3, 4}}, {"threw", "took 1 1 1", "banked 1000"}},
        {Cautious, 1000, {{5, 2, 1, 2, 5, 1}, NoScore(6)}, {"threw", "took 1 1 2 2 5 5", "threw", "passed"}},
        {Simple, 1000, {{1, 2, 3, 4, 6, 6}, {5, 2, 3, 4, 6}, {1, 1, 1, 2}},
         {"threw", "took 1", "threw", "took 5", "threw", "took 1 1 1", "banked 1150"}},
        {Moron, 0, {{1, 2, 3, 4, 6, 6}, {5, 5, 5, 2, 3}}, {"threw", "took 1", "threw", "took 5 5 5", "banked 600"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.moves.join(", ").toStdString());
        Seat(c.style);
        Lay("r", NoScore(6), 0, c.banked);
        Script(c.throws);
        EXPECT_EQ(WholeTurn(), c.moves);
        EXPECT_EQ(dice.Remaining(), 0u);
        EXPECT_FALSE(trayEnabledWhilePlaying);
        EXPECT_TRUE(form().picTray1->isEnabled());
    }
}

// Three 2s are taken with one click that marks only the clicked die, so until the next throw
// the bank rule counts 5 dice up, not 3 (450 would be banked with 3 up).
TEST_F(BotTurnTest, UnclickedTwosStillCountAsUp) {
    Seat(Cautious);
    Lay("r", NoScore(6), 0);
    Roll({2, 2, 2, 3, 4, 6});
    EXPECT_EQ(FirstMove(), "took 2 2 2");
    TurnScore = 450;
    Script({NoScore(3)});
    EXPECT_EQ(FirstMove(), "threw");
    EXPECT_EQ(NumDiceUp, 5);
}

// Dice the person puts back with an undo during the turn are taken afresh, not counted as picked.
TEST_F(BotTurnTest, PersonsUndoIsTakenAgain) {
    Seat(Normal);
    Lay("r", NoScore(6), 0);
    Roll({1, 5, 2, 3, 6, 6});
    Script({NoScore(5)});
    bool undone = false;
    atYield = [&] {
        if (TrayUsed[0] && !std::exchange(undone, true)) QTest::mouseClick(form().Picture1[10], Qt::LeftButton);
    };
    EXPECT_EQ(WholeTurn(), (QStringList{"took 1", "took 1", "threw", "passed"}));
}

// No die up or six up in "rp" cannot come from a game: the player says so and closes the table,
// again after each "No" to the quit question; "Yes" ends the turn.
class DiceUpReportTest : public BotTest, public ::testing::WithParamInterface<int> {};

TEST_P(DiceUpReportTest, RepeatsUntilTheTableCloses) {
    Seat(Normal);
    Lay("rp", NoScore(GetParam()), 300);
    dialogs.answers = {platform::Answer::OK, platform::Answer::No, platform::Answer::OK, platform::Answer::Yes};
    WholeTurn();
    const QString report =
        QString("NumDiceUp = %1\r\nError 529 - Bot Click - Please contact Orvane Software.").arg(GetParam());
    const QString question = "Are you sure you want to quit the current game?";
    EXPECT_EQ(dialogs.Texts(), (QStringList{report, question, report, question}));
    EXPECT_EQ(dialogs.shown[0].buttons, platform::Buttons::OK);
    EXPECT_TRUE(Quitting && !form().isVisible());
}

INSTANTIATE_TEST_SUITE_P(NoneOrSix, DiceUpReportTest, ::testing::Values(6, 0));

// A picker that finds nothing to take says so and ends the program.
TEST_F(BotTurnTest, PickerWithNothingToTakeEndsTheProgram) {
    Seat(Fearless);
    Lay("s", NoScore(5), 0);
    WholeTurn();
    EXPECT_EQ(dialogs.Texts(), QStringList{"Msg 519 -- Please contact Orvane Software Tech Support."});
    EXPECT_EQ(programEnded, 1);
    EXPECT_FALSE(watchdogFired);
}
