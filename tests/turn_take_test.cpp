// Taking dice from the table, the slide into the set-aside row, undo, and the
// keys and right clicks that reach them.
#include <QPaintEvent>
#include <QTest>
#include <functional>
#include <map>

#include "core/pushbutton.h"
#include "core/state.h"
#include "platform/controls.h"
#include "table/frmMain.h"
#include "turn_fixture.h"

namespace {

std::vector<int> Pauses(const platform::VirtualClock& clock) { return clock.pauses; }

// Every picture a set-aside box paints, in order, as (box, face).
class RowPaints : public QObject {
public:
    RowPaints(frmMain& form, std::function<int(int)> faceIn) : faceIn(std::move(faceIn)) {
        for (int box = 10; box <= 15; ++box) {
            boxes[form.Picture1[box]] = box;
            form.Picture1[box]->installEventFilter(this);
        }
    }
    std::vector<std::pair<int, int>> paints;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) paints.emplace_back(boxes[watched], faceIn(boxes[watched]));
        return false;
    }

private:
    std::function<int(int)> faceIn;
    std::map<QObject*, int> boxes;
};

}  // namespace

class TakeTest : public TurnTest {
protected:
    // What a click must not change.
    struct Snapshot {
        Integer turnScore;
        QString turnState, status;
        std::vector<int> row, table;
        std::vector<bool> onTable;
        bool roll, pass;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot Take() const {
        std::vector<bool> on;
        for (Boolean b : OnTable) on.push_back(b);
        return {TurnScore, TurnState, Status(), RowFaces(), TableShows(), on, RollOn(), PassOn()};
    }
};

// A click takes a single 1 or 5 alone, a group whole in position order, and a
// straight or three pairs in face order, after the dice already set aside.
TEST_F(TakeTest, ClickTakesTheDieOrItsWholeGroup) {
    struct Case {
        const char* name;
        std::vector<int> setAside, faces;
        int click;
        std::vector<int> row, table;
        int points;
    };
    const std::vector<Case> cases{
        {"three 2s", {}, {2, 1, 2, 4, 2, 6}, 4, {2, 2, 2, 0, 0, 0}, {0, 1, 0, 4, 0, 6}, 200},
        {"the 1 beside three 2s", {}, {2, 1, 2, 4, 2, 6}, 1, {1, 0, 0, 0, 0, 0}, {2, 0, 2, 4, 2, 6}, 100},
        {"four 1s", {}, {1, 1, 1, 1, 5, 3}, 2, {1, 1, 1, 1, 0, 0}, {0, 0, 0, 0, 5, 3}, 2000},
        {"straight", {}, {4, 6, 1, 3, 5, 2}, 0, {1, 2, 3, 4, 5, 6}, {0, 0, 0, 0, 0, 0}, 1500},
        {"three pairs", {}, {6, 2, 4, 2, 6, 4}, 3, {2, 2, 4, 4, 6, 6}, {0, 0, 0, 0, 0, 0}, 500},
        {"one of two triples", {}, {3, 2, 3, 2, 3, 2}, 0, {3, 3, 3, 0, 0, 0}, {0, 2, 0, 2, 0, 2}, 300},
        {"five 5s and a 1", {}, {5, 5, 1, 5, 5, 5}, 3, {5, 5, 5, 5, 5, 0}, {0, 0, 1, 0, 0, 0}, 2000},
        {"after a die set aside", {5}, {1, 3, 3, 4, 3}, 4, {5, 3, 3, 3, 0, 0}, {1, 0, 0, 4, 0, 0}, 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EmptyRow();
        SetAside(c.setAside);
        TurnScore = 50;
        Roll(c.faces);
        Click(c.click);
        EXPECT_EQ(RowFaces(), c.row);
        EXPECT_EQ(TableShows(), c.table);
        EXPECT_EQ(TurnScore, 50 + c.points);
        EXPECT_EQ(form().lblTurnScore->Caption(), QString::number(50 + c.points));
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(bool(TrayUsed[k]), c.row[k] != 0) << k;
            EXPECT_EQ(TrayFace[k], c.row[k]) << k;
        }
        for (int i = 0; i < 6; ++i) EXPECT_EQ(bool(OnTable[i]), c.table[i] != 0) << i;
    }
}

// A group waits 200 ms per die, a computer seat 100 ms more after the pick;
// at Ridiculous nothing waits.
TEST_F(TakeTest, PausesOfAPickBySeatAndSpeed) {
    struct Case {
        bool computer;
        int speed;
        std::vector<int> group, single;
    };
    const std::vector<Case> cases{
        {false, 0, {200, 200, 200}, {}},
        {false, 2, {200, 200, 200}, {}},
        {true, 0, {200, 200, 200, 100}, {100}},
        {true, 1, {200, 200, 200, 100}, {100}},
        {true, 2, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.computer << " speed " << c.speed);
        IsComputer[0] = c.computer;
        ComputerSpeed = Byte(c.speed);
        EmptyRow();
        Roll({4, 1, 4, 4, 3, 6});
        clock.ClearRecord();
        Click(0);
        EXPECT_EQ(Pauses(clock), c.group);
        clock.ClearRecord();
        Click(1);
        EXPECT_EQ(Pauses(clock), c.single);
    }
}

// The die runs along the free boxes from the right end and rests in the first
// free box; the move sound plays and the marker goes.
TEST_F(TakeTest, TakenDieSlidesIntoTheFirstFreeBox) {
    SetAside({5});
    Roll({3, 1, 4, 6, 2});
    ClearRecords();
    RowPaints painted(form(), [this](int box) { return FaceIn(box); });
    ASSERT_TRUE(form().picMarker[1]->isVisible());

    Click(1);

    std::vector<int> boxesShowingTheDie;
    for (const auto& [box, face] : painted.paints)
        if (face == 1) boxesShowingTheDie.push_back(box);
    EXPECT_EQ(boxesShowingTheDie, (std::vector<int>{15, 14, 13, 12, 11}));
    EXPECT_EQ(RowFaces(), (std::vector<int>{5, 1, 0, 0, 0, 0}));
    EXPECT_FALSE(form().picMarker[1]->isVisible());
    EXPECT_EQ(sound.played, QStringList{WavPath("movedie")});
}

// Clicks on a non-scoring die beep; clicks on empty boxes, dice not thrown and
// locked boxes do nothing, for a person and a computer seat alike.
TEST_F(TakeTest, ClicksWithNothingToTakeChangeNothing) {
    for (bool computer : {false, true}) {
        SCOPED_TRACE(computer);
        IsComputer[0] = computer;
        EmptyRow();
        SetAside({5, 5});
        TurnScore = 100;
        Roll({1, 3, 4, 6});
        Click(0);  // the 1: box 12 is now free to undo, boxes 10 and 11 are locked
        ClearRecords();
        const Snapshot before = Take();

        Click(1);  // the 3 scores nothing
        EXPECT_EQ(sound.beeps, 1);
        for (int box : {0, 4, 5, 10, 11, 13, 14, 15}) Click(box);  // empty, not thrown, locked, empty
        Click(7);  // no such box
        EXPECT_EQ(Take(), before);
        EXPECT_EQ(sound.beeps, 1);
        EXPECT_TRUE(clock.pauses.empty());
        EXPECT_TRUE(sound.played.isEmpty());
    }
}

// One undo returns every die taken since the throw to the position it came from;
// the dice set aside before the throw stay, and so do the turn score and state
// that the throw left. The undo sound plays once for dice returned together.
TEST_F(TakeTest, UndoReturnsEveryPickSinceTheThrow) {
    SetAside({1, 1});
    TurnScore = 200;
    form().cmdPassDice->setEnabled(true);
    Roll({3, 5, 2, 5});
    ASSERT_EQ(TurnState, "sp");
    Click(1);
    Click(3);
    ASSERT_EQ(RowFaces(), (std::vector<int>{1, 1, 5, 5, 0, 0}));
    ASSERT_EQ(TurnScore, 300);
    ClearRecords();

    Click(10);
    Click(11);
    EXPECT_EQ(RowFaces(), (std::vector<int>{1, 1, 5, 5, 0, 0}));
    Click(13);
    EXPECT_EQ(RowFaces(), (std::vector<int>{1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(TableShows(), (std::vector<int>{3, 5, 2, 5, 0, 0}));
    EXPECT_TRUE(OnTable[1] && OnTable[3]);
    EXPECT_TRUE(form().picMarker[1]->isVisible() && form().picMarker[3]->isVisible());
    EXPECT_EQ(TurnScore, 200);
    EXPECT_EQ(form().lblTurnScore->Caption(), "200");
    EXPECT_EQ(TurnState, "sp");
    EXPECT_EQ(Status(), "Select Dice or Pass Dice. (Undo)");
    EXPECT_FALSE(RollOn());
    EXPECT_TRUE(PassOn());
    EXPECT_EQ(sound.played, QStringList{WavPath("undo")});
    EXPECT_EQ(TrayFace[2], 0);
    EXPECT_FALSE(TrayUsed[3]);

    // The dice can be taken again after the undo.
    Click(3);
    EXPECT_EQ(RowFaces(), (std::vector<int>{1, 1, 5, 0, 0, 0}));
    EXPECT_EQ(TurnScore, 250);
}

// Undo after the first pick of a turn: score 0, "Select Dice. (Undo)", Roll off.
// Pass goes back off as the throw left it: a seat must not bank a turn whose
// last throw gave it nothing to take, nor a turn below the break-in.
TEST_F(TakeTest, UndoGivesBackTheButtonsTheThrowLeft) {
    Roll({1, 3, 3, 4, 6, 2});
    Click(0);
    ASSERT_EQ(TurnState, "rp");
    ASSERT_TRUE(PassOn());
    Click(10);
    EXPECT_EQ(TurnScore, 0);
    EXPECT_EQ(Status(), "Select Dice. (Undo)");
    EXPECT_EQ(TurnState, "s");
    EXPECT_FALSE(RollOn());
    EXPECT_FALSE(PassOn());

    // Not broken in: the picks reach the break-in, the undo goes below it again.
    PlayerScore[0] = 0;
    EmptyRow();
    SetAside({3, 3, 3});
    TurnScore = 300;
    Roll({1, 1, 4});
    Click(0);
    Click(1);
    ASSERT_EQ(TurnScore, 500);
    ASSERT_TRUE(PassOn());
    Click(14);
    EXPECT_EQ(TurnScore, 300);
    EXPECT_EQ(TurnState, "s");
    EXPECT_FALSE(PassOn());
}

// Every state the undo restores is named with " (Undo)"; an unknown one leaves the status line.
TEST_F(TakeTest, UndoNamesTheRestoredState) {
    const std::vector<std::pair<QString, QString>> cases{
        {"r", "Roll the dice. (Undo)"},
        {"s", "Select Dice. (Undo)"},
        {"p", "Pass The Dice. (Undo)"},
        {"sp", "Select Dice or Pass Dice. (Undo)"},
        {"rp", "Roll or pass the dice. (Undo)"},
        {"rs", "Select dice or roll. (Undo)"},
        {"rsp", "Roll, select, or pass the dice. (Undo)"},
        {"?", "Roll, select, or pass the dice."},
    };
    Roll({1, 5, 2, 3, 3, 6});
    for (const auto& [state, status] : cases) {
        SCOPED_TRACE(state.toStdString());
        Click(0);
        TurnStateAfterRoll = state;
        Click(10);
        EXPECT_EQ(TurnState, state);
        EXPECT_EQ(Status(), status);
    }
}

// After hot dice the whole row is open to undo; once all six are set aside, nothing is.
TEST_F(TakeTest, UndoAfterHotDiceAndWithTheRowFull) {
    SetAside({1, 1, 1, 5, 5, 5});
    TurnScore = 1100;
    Roll({2, 1, 3, 4, 3, 6});
    ASSERT_EQ(LockedSlots, 6);
    Click(1);
    Click(10);
    EXPECT_EQ(LockedSlots, 0);
    EXPECT_EQ(RowFaces(), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(TableShows(), (std::vector<int>{2, 1, 3, 4, 3, 6}));
    EXPECT_EQ(TurnScore, 1100);

    Roll({3, 1, 6, 4, 5, 2});
    Click(0);
    ASSERT_EQ(Status(), "All dice score - You must roll.");
    ClearRecords();
    for (int box = 10; box <= 15; ++box) Click(box);
    EXPECT_EQ(RowFaces(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(TurnScore, 2600);
    EXPECT_TRUE(sound.played.isEmpty());
}

// The turn score is 16-bit: it stops at 32767 instead of wrapping round.
TEST_F(TakeTest, TurnScoreStopsAt32767) {
    TurnScore = 32000;
    Roll({1, 1, 1, 1, 1, 1});
    Click(0);
    EXPECT_EQ(TurnScore, 32767);
    EXPECT_EQ(form().lblTurnScore->Caption(), "32767");

    EmptyRow();
    Roll({5, 2, 3, 4, 6, 6});
    Click(0);
    EXPECT_EQ(TurnScore, 32767);
}

// Digits take the lowest die of that face, keypad digits too, Backspace undoes,
// R and keypad 0 roll, and a right click on a die or tray rolls, each only while Roll is on.
TEST_F(TakeTest, KeysAndRightClicksReachTheHandlers) {
    form().cmdRoll->setEnabled(false);
    QTest::keyClick(&form(), Qt::Key_R);
    QTest::mouseClick(form().picTray1, Qt::RightButton);
    EXPECT_EQ(DieFace[0], 0) << "nothing may be thrown while Roll is off";

    form().cmdRoll->setEnabled(true);
    dice.QueueThrow({5, 3, 5, 1, 2, 6}, true);
    dice.Install();
    QTest::keyClick(&form(), Qt::Key_0, Qt::KeypadModifier);
    EXPECT_EQ(dice.Remaining(), 0u);
    EXPECT_EQ(TableShows(), (std::vector<int>{5, 3, 5, 1, 2, 6}));

    QTest::keyClick(&form(), Qt::Key_5);
    EXPECT_EQ(RowFaces(), (std::vector<int>{5, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(OnTable[0]);
    QTest::keyClick(&form(), Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(&form(), Qt::Key_1, Qt::KeypadModifier);
    EXPECT_EQ(RowFaces(), (std::vector<int>{5, 5, 1, 0, 0, 0}));
    QTest::keyClick(&form(), Qt::Key_3);
    QTest::keyClick(&form(), Qt::Key_4);
    EXPECT_EQ(sound.beeps, 1);

    QTest::keyClick(&form(), Qt::Key_Backspace);
    EXPECT_EQ(RowFaces(), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(TableShows(), (std::vector<int>{5, 3, 5, 1, 2, 6}));
    EXPECT_FALSE(RollOn());
    QTest::mouseClick(form().Picture1[1], Qt::RightButton);
    EXPECT_EQ(TableShows(), (std::vector<int>{5, 3, 5, 1, 2, 6}));

    QTest::keyClick(&form(), Qt::Key_1);
    ASSERT_TRUE(RollOn());
    dice.QueueThrow({6, 6, 2, 5, 2}, true);
    dice.Install();
    QTest::mouseClick(form().Picture1[3], Qt::RightButton);
    EXPECT_EQ(dice.Remaining(), 0u);
    EXPECT_EQ(TableShows(), (std::vector<int>{6, 6, 2, 5, 2, 0}));

    // A later throw, rolled from the set-aside tray and with R.
    QTest::keyClick(&form(), Qt::Key_5);
    QTest::keyClick(&form(), Qt::Key_Backspace);
    EXPECT_FALSE(RollOn());
    QTest::keyClick(&form(), Qt::Key_5, Qt::KeypadModifier);
    ASSERT_TRUE(RollOn());
    dice.QueueThrow({1, 5, 3, 2}, true);
    dice.Install();
    QTest::mouseClick(form().picTray2, Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_EQ(TableShows(), (std::vector<int>{1, 5, 3, 2, 0, 0}));
    QTest::keyClick(&form(), Qt::Key_1);
    dice.QueueThrow({4, 4, 4}, true);
    dice.Install();
    QTest::keyClick(&form(), Qt::Key_R);
    EXPECT_EQ(dice.Remaining(), 0u);
    EXPECT_EQ(TableShows(), (std::vector<int>{4, 4, 4, 0, 0, 0}));
    EXPECT_EQ(RowFaces(), (std::vector<int>{1, 5, 1, 0, 0, 0}));
}
