// What the seat may do after a throw and after a pick, and the show of a throw
// that scores nothing.
#include "core/pushbutton.h"
#include "core/state.h"
#include "platform/controls.h"
#include "table/frmMain.h"
#include "turn_fixture.h"

namespace {

// The show before any pass, at Normal pace: blink, pause, typing.
QStringList NormalShow() {
    QStringList show{"+250", "DRAVIK !!!"};
    for (int blink = 0; blink < 3; ++blink) show << "+100" << "" << "+100" << "DRAVIK !!!";
    show << "+300";
    const QStringList typed{"P",          "Pa",          "Pas",          "Pass",          "Passi",
                            "Passin",     "Passing",     "Passing t",    "Passing th",    "Passing the",
                            "Passing the d", "Passing the di", "Passing the dic", "Passing the dice",
                            "Passing the dice."};
    for (const QString& text : typed) show << "DRAVIK - " + text << "+20";
    show.removeLast();
    return show;
}

long long SumOfPauses(const QStringList& entries) {
    long long sum = 0;
    for (const QString& entry : entries)
        if (entry.startsWith('+')) sum += entry.mid(1).toInt();
    return sum;
}

}  // namespace

class TurnStateTest : public TurnTest {
protected:
    // A new throw of the turn, with these dice set aside before it.
    void PrepareThrow(bool computer, int banked, int turnScore, const std::vector<int>& setAside,
                      bool passOn) {
        IsComputer[0] = computer;
        PlayerScore[0] = Integer(banked);
        TurnScore = Integer(turnScore);
        EmptyRow();
        SetAside(setAside);
        form().cmdPassDice->setEnabled(passOn);
    }
    void ExpectTurn(const QString& status, const QString& state, bool roll, bool pass) {
        EXPECT_EQ(Status(), status);
        EXPECT_EQ(TurnState, state);
        EXPECT_EQ(RollOn(), roll);
        EXPECT_EQ(PassOn(), pass);
    }
};

// After a throw the seat selects; it may pass at once only with dice set aside
// earlier in the turn and the break-in reached, and never right after hot dice.
TEST_F(TurnStateTest, StateAfterEveryKindOfThrow) {
    struct Case {
        const char* name;
        bool computer;
        int banked, turnScore;
        std::vector<int> setAside, faces;
        const char *status, *state;
        bool pass;
    };
    const char* select = "Select Dice.";
    const char* selectOrPass = "Select Dice or Pass Dice.";
    const std::vector<Case> cases{
        {"first throw", false, 1000, 0, {}, {1, 2, 3, 4, 6, 6}, select, "s", false},
        {"every die scores", false, 1000, 300, {3, 3, 3}, {1, 5, 5}, select, "s", false},
        {"may pass", false, 1000, 150, {1, 5}, {5, 3, 4, 2}, selectOrPass, "sp", true},
        {"not broken in", false, 0, 150, {1, 5}, {5, 3, 4, 2}, select, "s", false},
        {"break-in reached", false, 0, 550, {1, 5}, {5, 3, 4, 2}, selectOrPass, "sp", true},
        {"after hot dice", false, 1000, 1500, {1, 1, 1, 5, 5, 5}, {5, 3, 4, 2, 2, 6}, select, "s", false},
        {"computer may pass", true, 1000, 300, {1, 5}, {5, 3, 4, 2}, selectOrPass, "sp", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrepareThrow(c.computer, c.banked, c.turnScore, c.setAside, !c.computer);  // Pass as a pick left it
        Roll(c.faces);
        ExpectTurn(c.status, c.state, false, c.pass);
        EXPECT_FALSE(IsDravik);
    }
}

// After a pick the state follows what is left on the table and the break-in;
// a computer seat goes through the same states with both buttons off.
TEST_F(TurnStateTest, StateAfterEveryKindOfPick) {
    struct Step {
        int click;
        const char *status, *state;
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
        PrepareThrow(c.computer, c.banked, c.turnScore, c.setAside, false);
        Roll(c.faces);
        for (const Step& step : c.steps) {
            SCOPED_TRACE(step.click);
            Click(step.click);
            ExpectTurn(step.status, step.state, step.roll, step.pass);
        }
    }
}

// A person's throw without a scoring die: the show (1730 ms), the lost turn
// score, then the pass; the seat then to play holds "p" until it throws.
TEST_F(TurnStateTest, DravikShowOfAPerson) {
    TurnScore = 350;
    StatusTimeline timeline(clock);
    form().lblStatus->installEventFilter(&timeline);

    Roll({2, 3, 4, 6, 6, 2});

    QStringList expected = NormalShow() << "+300";
    const QStringList shown = timeline.Entries(10);
    EXPECT_EQ(shown.mid(0, expected.size()), expected);
    EXPECT_EQ(SumOfPauses(expected), 1730);
    EXPECT_TRUE(IsDravik);
    EXPECT_EQ(form().lblTurnScore->Caption(), "0");
    EXPECT_EQ(form().cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(sound.played.mid(0, 2), (QStringList{Wav("multidie"), Wav("dravik")}));
    EXPECT_EQ(TurnState, "p");
}

// A computer seat's show: 1430 ms at Normal; at Fast and Ridiculous only the
// blink and the last two typed texts, 20 ms. No pass: its player passes on "p".
TEST_F(TurnStateTest, DravikShowOfAComputerSeat) {
    const QStringList fast{"DRAVIK !!!", "", "DRAVIK !!!", "", "DRAVIK !!!", "", "DRAVIK !!!",
                           "DRAVIK - Passing the dice", "+20", "DRAVIK - Passing the dice."};
    struct Case {
        int speed;
        QStringList show;
        long long showMs;
    };
    for (const Case& c : std::vector<Case>{{0, NormalShow(), 1430}, {1, fast, 20}, {2, fast, 20}}) {
        SCOPED_TRACE(c.speed);
        MakeComputer(c.speed);
        TurnScore = 200;
        ClearRecords();
        StatusTimeline timeline(clock);
        form().lblStatus->installEventFilter(&timeline);

        Roll({3, 4, 6, 2, 2, 3});

        EXPECT_EQ(timeline.Entries(10), c.show);
        EXPECT_EQ(SumOfPauses(c.show), c.showMs);
        EXPECT_EQ(CurPlayer, 0);
        EXPECT_TRUE(IsDravik);
        ExpectTurn("DRAVIK - Passing the dice.", "p", false, false);
        EXPECT_EQ(form().lblTurnScore->Caption(), "0");
        EXPECT_EQ(form().cursor().shape(), Qt::ArrowCursor);
        EXPECT_TRUE(sound.played.contains(Wav("dravik")));
        form().lblStatus->removeEventFilter(&timeline);
    }
}

// Only the thrown dice decide a no-score throw, not those set aside before it.
TEST_F(TurnStateTest, DravikDependsOnlyOnTheThrownDice) {
    MakeComputer(2);
    SetAside({1, 1, 1});
    Roll({2, 2, 3});
    EXPECT_TRUE(IsDravik);
    EXPECT_EQ(TurnState, "p");
    Roll({2, 5, 3});
    EXPECT_FALSE(IsDravik);
    EXPECT_EQ(TurnState, "sp");
}

// A person's no-score throw on the last turn: its pass ends the game, and the turn state
// stays as the pass and the end of the game left it, not "p".
TEST_F(TurnStateTest, DravikThatEndsTheGameLeavesTheTurnStateAlone) {
    IsComputer[1] = true;  // went out; its player never gets to act here
    ComputerStyle[1] = 0;
    PlayerScore[1] = 5100;
    FinalRoundStarter = 1;
    Roll({2, 3, 4, 6, 6, 2});
    EXPECT_TRUE(IsDravik);
    EXPECT_EQ(CurPlayer, NoSeat);
    EXPECT_TRUE(GameEnded);
    EXPECT_EQ(TurnState, "r");
}
