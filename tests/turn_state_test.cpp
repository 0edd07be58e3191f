// What the seat may do after a throw and after a pick, and the show of a throw
// that scores nothing.
#include <numeric>

#include "core/pushbutton.h"
#include "core/state.h"
#include "platform/controls.h"
#include "table/frmMain.h"
#include "turn_fixture.h"

namespace {

const QStringList Typed{
    "DRAVIK - P",         "DRAVIK - Pa",          "DRAVIK - Pas",           "DRAVIK - Pass",
    "DRAVIK - Passi",     "DRAVIK - Passin",      "DRAVIK - Passing",       "DRAVIK - Passing t",
    "DRAVIK - Passing th", "DRAVIK - Passing the", "DRAVIK - Passing the d", "DRAVIK - Passing the di",
    "DRAVIK - Passing the dic", "DRAVIK - Passing the dice", "DRAVIK - Passing the dice.",
};

long long SumOfPauses(const QStringList& entries) {
    long long sum = 0;
    for (const QString& entry : entries)
        if (entry.startsWith('+')) sum += entry.mid(1).toInt();
    return sum;
}

}  // namespace

class TurnStateTest : public TurnTest {
protected:
    // A new throw of the turn: the table cleared, these dice set aside before it.
    void PrepareTurn(bool computer, int banked, int turnScore, const std::vector<int>& setAside, bool passOn) {
        IsComputer[0] = computer;
        PlayerScore[0] = Integer(banked);
        TurnScore = Integer(turnScore);
        EmptyRow();
        SetAside(setAside);
        form().cmdPassDice->setEnabled(passOn);
    }
};

// After a throw: select first; a pass right away only with dice set aside
// earlier and the break-in reached; never "sp" right after hot dice.
TEST_F(TurnStateTest, StateAfterEveryKindOfThrow) {
    struct Case {
        const char* name;
        bool computer;
        int banked, turnScore;
        std::vector<int> setAside, faces;
        bool passBefore;
        QString status, state;
        bool roll, pass;
    };
    const std::vector<Case> cases{
        {"first throw", false, 1000, 0, {}, {1, 2, 3, 4, 6, 6}, false, "Select Dice.", "s", false, false},
        {"every die scores", false, 1000, 300, {3, 3, 3}, {1, 5, 5}, true, "Select Dice.", "s", false, false},
        {"may pass", false, 1000, 300, {1, 5}, {5, 3, 4, 2}, true, "Select Dice or Pass Dice.", "sp", false, true},
        {"banked seat, low score", false, 1000, 150, {1, 5}, {5, 3, 4, 2}, true, "Select Dice or Pass Dice.",
         "sp", false, true},
        {"not broken in", false, 0, 150, {1, 5}, {5, 3, 4, 2}, true, "Select Dice.", "s", false, false},
        {"break-in reached", false, 0, 550, {1, 5}, {5, 3, 4, 2}, true, "Select Dice or Pass Dice.", "sp",
         false, true},
        {"after hot dice", false, 1000, 1500, {1, 1, 1, 5, 5, 5}, {5, 3, 4, 2, 2, 6}, true, "Select Dice.", "s",
         false, false},
        {"computer may pass", true, 1000, 300, {1, 5}, {5, 3, 4, 2}, false, "Select Dice or Pass Dice.", "sp",
         false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrepareTurn(c.computer, c.banked, c.turnScore, c.setAside, c.passBefore);
        Roll(c.faces);
        EXPECT_EQ(Status(), c.status);
        EXPECT_EQ(TurnState, c.state);
        EXPECT_EQ(RollOn(), c.roll);
        EXPECT_EQ(PassOn(), c.pass);
        EXPECT_FALSE(IsDravik);
    }
}

// After a pick: the state follows what is left on the table and the break-in;
// a computer seat gets the same states with both buttons off.
TEST_F(TurnStateTest, StateAfterEveryKindOfPick) {
    struct Step {
        int click;
        QString status, state;
        bool roll, pass;
    };
    struct Case {
        const char* name;
        bool computer;
        int banked, turnScore;
        std::vector<int> setAside, faces;
        std::vector<Step> steps;
    };
    const std::vector<Case> cases{
        {"every die scores", false, 1000, 300, {3, 3, 3}, {1, 5, 5},
         {{0, "Select Dice.", "s", false, false},
          {1, "Select Dice.", "s", false, false},
          {2, "All dice score - You must roll.", "r", true, false}}},
        {"reaching the break-in", false, 0, 400, {1, 5, 5}, {5, 5, 3},
         {{0, "Select dice or roll.", "rs", true, false}, {1, "Roll or pass the dice.", "rp", true, true}}},
        {"nothing left, below the break-in", false, 0, 0, {}, {1, 2, 3, 4, 6, 6},
         {{0, "Roll the dice.", "r", true, false}}},
        {"scoring left, may bank", false, 1000, 0, {}, {1, 5, 2, 3, 3, 6},
         {{0, "Roll, select, or pass the dice.", "rsp", true, true}}},
        {"computer seat", true, 1000, 0, {}, {1, 5, 2, 3, 3, 6},
         {{0, "Roll, select, or pass the dice.", "rsp", false, false},
          {1, "Roll or pass the dice.", "rp", false, false}}},
        {"computer seat, all six aside", true, 1000, 0, {}, {1, 1, 1, 5, 5, 5},
         {{0, "Select Dice.", "s", false, false}, {3, "All dice score - You must roll.", "r", false, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrepareTurn(c.computer, c.banked, c.turnScore, c.setAside, false);
        Roll(c.faces);
        for (const Step& step : c.steps) {
            SCOPED_TRACE(step.click);
            Click(step.click);
            EXPECT_EQ(Status(), step.status);
            EXPECT_EQ(TurnState, step.state);
            EXPECT_EQ(RollOn(), step.roll);
            EXPECT_EQ(PassOn(), step.pass);
        }
    }
}

// A person's throw without a scoring die: the blink, the typing, the lost turn
// score, then the pass. It lasts 1730 ms before the pass.
TEST_F(TurnStateTest, DravikShowOfAPerson) {
    TurnScore = 350;
    form().lblTurnScore->SetCaption("350");
    StatusTimeline timeline(clock);
    form().lblStatus->installEventFilter(&timeline);

    Roll({2, 3, 4, 6, 6, 2});

    QStringList expected{"+250", "DRAVIK !!!", "+100", "", "+100", "DRAVIK !!!", "+100", "", "+100",
                         "DRAVIK !!!", "+100", "", "+100", "DRAVIK !!!", "+300"};
    for (const QString& text : Typed) expected << text << "+20";
    expected.back() = "+300";
    const QStringList shown = timeline.AfterThrow(10);
    ASSERT_GE(shown.size(), expected.size());
    EXPECT_EQ(shown.mid(0, expected.size()), expected);
    EXPECT_EQ(SumOfPauses(expected), 1730);

    EXPECT_TRUE(IsDravik);
    EXPECT_EQ(form().lblTurnScore->Caption(), "0");
    EXPECT_EQ(form().cursor().shape(), Qt::ArrowCursor);
    ASSERT_GE(sound.played.size(), 2);
    EXPECT_EQ(sound.played.mid(0, 2), (QStringList{WavPath("multidie"), WavPath("dravik")}));
    // The pass has handed the dice on; the seat to play does not inherit a pass-only state.
    EXPECT_NE(TurnState, "p");
}

// A computer seat's show: at Normal 1430 ms and no pass (its player passes on "p");
// at Fast and Ridiculous only the blink and the last two typed texts, 20 ms.
TEST_F(TurnStateTest, DravikShowOfAComputerSeat) {
    QStringList normal{"+250", "DRAVIK !!!", "+100", "", "+100", "DRAVIK !!!", "+100", "", "+100",
                       "DRAVIK !!!", "+100", "", "+100", "DRAVIK !!!", "+300"};
    for (const QString& text : Typed) normal << text << "+20";
    normal.removeLast();
    const QStringList fast{"DRAVIK !!!", "", "DRAVIK !!!", "", "DRAVIK !!!", "", "DRAVIK !!!",
                           "DRAVIK - Passing the dice", "+20", "DRAVIK - Passing the dice."};
    struct Case {
        int speed;
        QStringList timeline;
        long long showMs;
    };
    for (const Case& c : std::vector<Case>{{0, normal, 1430}, {1, fast, 20}, {2, fast, 20}}) {
        SCOPED_TRACE(c.speed);
        MakeComputer(c.speed);
        TurnScore = 200;
        ClearRecords();
        StatusTimeline timeline(clock);
        form().lblStatus->installEventFilter(&timeline);

        Roll({3, 4, 6, 2, 2, 3});

        const QStringList shown = timeline.AfterThrow(10);
        EXPECT_EQ(shown, c.timeline);
        EXPECT_EQ(SumOfPauses(shown), c.showMs);
        EXPECT_EQ(TurnState, "p");
        EXPECT_EQ(CurPlayer, 0);
        EXPECT_TRUE(IsDravik);
        EXPECT_FALSE(RollOn());
        EXPECT_FALSE(PassOn());
        EXPECT_EQ(form().lblTurnScore->Caption(), "0");
        EXPECT_EQ(form().cursor().shape(), Qt::ArrowCursor);
        EXPECT_TRUE(sound.played.contains(WavPath("dravik")));
        form().lblStatus->removeEventFilter(&timeline);
    }
}

// A throw of fewer dice that scores nothing is a Dravik too, with one of the
// dice set aside before it; one that scores is not.
TEST_F(TurnStateTest, DravikDependsOnlyOnTheThrownDice) {
    MakeComputer(2);
    SetAside({1, 1, 1});
    Roll({2, 2, 3});
    EXPECT_TRUE(IsDravik);
    EXPECT_EQ(TurnState, "p");

    EmptyRow();
    SetAside({1, 1, 1});
    Roll({2, 5, 3});
    EXPECT_FALSE(IsDravik);
    EXPECT_EQ(TurnState, "sp");
}
