// The Cautious, Normal and Fearless players: when they bank, throw again or take dice,
// which dice they take, and how a turn ends when something goes wrong.
#include <QTest>

#include "bots_fixture.h"
#include "core/state.h"
#include "platform/controls.h"
#include "table/frmMain.h"

namespace {
const char* StyleName(Byte style) {
    switch (style) {
        case Normal: return "Normal";
        case Cautious: return "Cautious";
        case Fearless: return "Fearless";
        default: return "?";
    }
}
}  // namespace

using ThresholdTest = BotTest;

// With nothing left to take ("rp"), a player banks once the turn score reaches its style's
// threshold for the dice still up; a seat that has banked nothing yet always banks.
TEST_F(ThresholdTest, BankRuleFollowsTheStylesThresholds) {
    struct Case {
        Byte style;
        int diceUp, turnScore, banked;
        QString move;
    };
    std::vector<Case> cases;
    const std::vector<std::pair<Byte, std::array<int, 5>>> thresholds{
        {Cautious, {250, 300, 350, 500, 700}},
        {Normal, {350, 400, 450, 600, 900}},
        {Fearless, {400, 450, 500, 1100, 1500}},
    };
    for (const auto& [style, bankAt] : thresholds) {
        for (int n = 1; n <= 5; ++n) {
            cases.push_back({style, n, bankAt[n - 1], 1000, QString("banked %1").arg(bankAt[n - 1])});
            cases.push_back({style, n, bankAt[n - 1] - 50, 1000, "threw"});
        }
        cases.push_back({style, 5, 100, 0, "banked 100"});  // the break-in turn
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1, %2 up, %3").arg(StyleName(c.style)).arg(c.diceUp).arg(c.turnScore).toStdString());
        Seat(c.style);
        Lay("rp", NoScore(c.diceUp), c.turnScore, c.banked);
        Script(NoScore(c.diceUp));
        EXPECT_EQ(FirstMove(), c.move);
        EXPECT_EQ(NumDiceUp, c.diceUp);
    }
}

// After a seat has gone out, a player throws until its total is strictly above every banked
// score of the game (its own included), whatever its style's thresholds say.
TEST_F(ThresholdTest, LastTurnPlaysToBeatTheBestScore) {
    struct Case {
        const char* name;
        Byte style;
        int banked, turnScore, diceUp, players, seat2;
        QString move;
    };
    const std::vector<Case> cases{
        {"level with the best", Normal, 4000, 1100, 3, 2, 0, "threw"},
        {"one point ahead", Normal, 4000, 1101, 3, 2, 0, "banked 1101"},
        {"ahead with a small turn", Fearless, 5000, 150, 5, 2, 0, "banked 150"},
        {"behind before breaking in", Cautious, 0, 600, 1, 2, 0, "threw"},
        {"the own banked score counts", Cautious, 5200, 0, 2, 2, 0, "threw"},
        {"a seat beyond the game does not count", Normal, 4000, 1150, 3, 2, 9000, "banked 1150"},
        {"a third seat in the game counts", Normal, 4000, 1150, 3, 3, 6000, "threw"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Seat(c.style);
        NumPlayers = Byte(c.players);
        IsComputer[1] = IsComputer[2] = true;
        PlayerScore[1] = 5100;  // went out
        PlayerScore[2] = Integer(c.seat2);
        FinalRoundStarter = 1;
        Lay("rp", NoScore(c.diceUp), c.turnScore, c.banked);
        Script(NoScore(c.diceUp));
        EXPECT_EQ(FirstMove(), c.move);
    }
}

// With scoring dice still on the table ("rs", "rsp") a player throws again when enough dice are
// up for its style, else takes dice; before its first bank a turn of 500 is always kept.
TEST_F(ThresholdTest, ContinueRuleWeighsTheDiceUp) {
    struct Case {
        Byte style;
        const char* state;
        int diceUp, turnScore, banked, breakIn;
        QString move;
    };
    const std::vector<Case> cases{
        {Cautious, "rs", 5, 0, 1000, 500, "threw"},
        {Cautious, "rsp", 5, 600, 1000, 500, "threw"},
        {Cautious, "rs", 4, 0, 1000, 500, "took 5"},
        {Normal, "rsp", 4, 600, 1000, 500, "threw"},
        {Normal, "rs", 3, 0, 1000, 500, "took 5"},
        {Fearless, "rsp", 3, 600, 1000, 500, "threw"},
        {Fearless, "rs", 2, 0, 1000, 500, "took 5"},
        {Fearless, "rs", 5, 500, 0, 1000, "took 5"},  // 500 is kept, whatever the break-in
        {Fearless, "rs", 5, 450, 0, 1000, "threw"},
        {Fearless, "rsp", 5, 500, 1000, 500, "threw"},  // only before the first bank
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 %2, %3 up").arg(StyleName(c.style), c.state).arg(c.diceUp).toStdString());
        Seat(c.style);
        BreakIn = Integer(c.breakIn);
        std::vector<int> table{5};
        for (int face : NoScore(c.diceUp - 1)) table.push_back(face);
        Lay(c.state, table, c.turnScore, c.banked);
        Script(NoScore(c.diceUp));
        EXPECT_EQ(FirstMove(), c.move);
    }
}

// What each picker takes from a fresh throw: everything when every die scores or when fewer
// dice than its style's M are up; otherwise its combinations, else one 1, else one 5, and three
// 2s only when nothing else scores.
TEST_F(ThresholdTest, PickerChoosesByTheDiceUp) {
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
        {{3, 3, 3, 3, 2, 6}, "took 3 3 3 3", "took 3 3 3 3", "took 3 3 3 3"},
        {{5, 2, 3, 5, 6}, "took 5", "took 5", "took 5"},
        {{1, 5, 2, 3}, "took 1 5", "took 1", "took 1"},
        {{1, 5, 2}, "took 1 5", "took 1 5", "took 1"},
        {{1, 5, 5}, "took 1 5 5", "took 1 5 5", "took 1 5 5"},  // every die scores
    };
    for (const Case& c : cases) {
        for (const auto& [style, expected] :
             std::vector<std::pair<Byte, QString>>{{Cautious, c.cautious}, {Normal, c.normal}, {Fearless, c.fearless}}) {
            SCOPED_TRACE(QString("%1 from %2 dice").arg(StyleName(style)).arg(c.faces.size()).toStdString());
            Seat(style);
            Lay("r", NoScore(int(c.faces.size())), 0);
            Roll(c.faces);
            EXPECT_EQ(FirstMove(), expected);
        }
    }
}

// A strong group is taken with a click on every unpicked position that is not "0", unthrown
// positions included, each followed by the click pause (here Fast: 100 ms).
TEST_F(ThresholdTest, StrongGroupClicksEveryPositionThatIsNotZero) {
    Seat(Normal, 1);
    Lay("r", NoScore(4), 0);
    Roll({4, 4, 4, 2});
    botClock.ClearRecord();
    EXPECT_EQ(FirstMove(), "took 4 4 4");
    // Cycle pause; the group's three slides and the pick pause; the clicks on positions 0, 1, 2
    // and the unthrown 4 and 5; then the next cycle's pause before the player is stopped.
    EXPECT_EQ(botClock.pauses, (std::vector<int>{100, 200, 200, 200, 100, 100, 100, 100, 100, 100, 100}));
    EXPECT_TRUE(BotPicked[0] && BotPicked[1] && BotPicked[2] && BotPicked[4] && BotPicked[5]);
    EXPECT_FALSE(BotPicked[3]);
}

// Three 2s are taken with one click and only the clicked die is marked, so until the next throw
// the other two still count as up: the bank rule then sees 5 dice, not 3.
TEST_F(ThresholdTest, UnclickedTwosStillCountAsUp) {
    Seat(Cautious);
    Lay("r", NoScore(6), 0);
    Roll({2, 2, 2, 3, 4, 6});
    EXPECT_EQ(FirstMove(), "took 2 2 2");
    ASSERT_EQ(TurnState, "rp");
    TurnScore = 450;  // would bank with 3 dice up (350), not with 5 (700)
    Script(NoScore(3));
    EXPECT_EQ(FirstMove(), "threw");
    EXPECT_EQ(NumDiceUp, 5);
}

// Whole turns from the first throw to the pass, move by move.
TEST_F(ThresholdTest, WholeTurnsMoveByMove) {
    struct Case {
        const char* name;
        Byte style;
        int banked;
        std::vector<std::vector<int>> throws;
        QStringList moves;
    };
    const std::vector<Case> cases{
        {"a 1 and a 5: the 1, then five dice again", Cautious, 1000, {{1, 5, 2, 3, 6, 6}, NoScore(5)},
         {"threw", "took 1", "threw", "passed"}},
        {"the same for Fearless", Fearless, 1000, {{1, 5, 2, 3, 6, 6}, NoScore(5)},
         {"threw", "took 1", "threw", "passed"}},
        {"three 1s are banked with three dice up", Normal, 1000, {{1, 1, 1, 2, 3, 4}},
         {"threw", "took 1 1 1", "banked 1000"}},
        {"a lone 5 with five dice up is not enough", Fearless, 1000, {{5, 2, 3, 4, 6, 6}, NoScore(5)},
         {"threw", "took 5", "threw", "passed"}},
        {"the break-in turn is banked", Fearless, 0, {{1, 1, 1, 2, 3, 4}}, {"threw", "took 1 1 1", "banked 1000"}},
        {"three pairs, then all six again", Cautious, 1000, {{5, 2, 1, 2, 5, 1}, NoScore(6)},
         {"threw", "took 1 1 2 2 5 5", "threw", "passed"}},
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
        EXPECT_TRUE(form().picTray1->isEnabled());  // given back when the turn is over
        EXPECT_TRUE(BotDone);
    }
}

// A turn started while the program is closing does nothing at all.
TEST_F(ThresholdTest, ClosingProgramStartsNoTurn) {
    for (Byte style : {Normal, Cautious, Fearless, Simple, Moron}) {
        SCOPED_TRACE(int(style));
        Seat(style);
        Lay("r", NoScore(6), 0);
        Quitting = true;
        WholeTurn();
        EXPECT_EQ(yields, 0);
        EXPECT_TRUE(botClock.pauses.empty());
        EXPECT_TRUE(form().picTray1->isEnabled());
        EXPECT_TRUE(BotDone);
        EXPECT_EQ(TurnState, "r");
    }
}

// "rp" with no die up or six dice up cannot come from a game: the player reports it and asks to
// close the table; declined, it reports again; accepted, the program closes and the turn ends.
class ImpossibleCountTest : public BotTest, public ::testing::WithParamInterface<int> {};

TEST_P(ImpossibleCountTest, IsReportedUntilTheTableCloses) {
    const int up = GetParam();
    Seat(Normal);
    Lay("rp", NoScore(up), 300);
    dialogs.answers = {platform::Answer::OK, platform::Answer::No, platform::Answer::OK, platform::Answer::Yes};
    WholeTurn();
    const QString report = QString("NumDiceUp = %1\r\nError 529 - Bot Click - Please contact Orvane Software.").arg(up);
    const QString question = "Are you sure you want to quit the current game?";
    EXPECT_EQ(dialogs.Texts(), (QStringList{report, question, report, question}));
    EXPECT_EQ(dialogs.shown[0].buttons, platform::Buttons::OK);
    EXPECT_EQ(dialogs.shown[0].title, "OrvaneDravik3");
    EXPECT_TRUE(Quitting);
    EXPECT_FALSE(form().isVisible());
    EXPECT_FALSE(watchdogFired);
}

INSTANTIATE_TEST_SUITE_P(NoneOrSix, ImpossibleCountTest, ::testing::Values(6, 0));

// A picker that finds nothing to take reports it and ends the program.
TEST_F(ThresholdTest, PickerWithNothingToTakeEndsTheProgram) {
    for (Byte style : {Normal, Cautious, Fearless}) {
        SCOPED_TRACE(StyleName(style));
        dialogs.shown.clear();
        programEnded = 0;
        Seat(style);
        Lay("s", NoScore(5), 0);
        WholeTurn();
        EXPECT_EQ(dialogs.Texts(), QStringList{"Msg 519 -- Please contact Orvane Software Tech Support."});
        EXPECT_EQ(programEnded, 1);
        EXPECT_FALSE(watchdogFired);
        Quitting = false;
    }
}

// Dice the person puts back with an undo during the player's turn are taken afresh: the player
// does not count them as its own picks any more.
TEST_F(ThresholdTest, PersonsUndoIsTakenAgain) {
    Seat(Normal);
    Lay("r", NoScore(6), 0);
    Roll({1, 5, 2, 3, 6, 6});
    Script(NoScore(5));
    bool undone = false;
    atYield = [&] {
        if (!undone && TrayUsed[0]) {
            undone = true;
            QTest::mouseClick(form().Picture1[10], Qt::LeftButton);
        }
    };
    EXPECT_EQ(WholeTurn(), (QStringList{"took 1", "took 1", "threw", "passed"}));
    EXPECT_TRUE(undone);
}
