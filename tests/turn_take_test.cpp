// Taking dice, the slide into the set-aside row, undo, and the keys and right
// clicks that reach them.
#include <QPaintEvent>
#include <QTest>
#include <functional>

#include "core/pushbutton.h"
#include "core/state.h"
#include "platform/controls.h"
#include "table/frmMain.h"
#include "turn_fixture.h"

class TakeTest : public TurnTest {
protected:
    // Everything a click may change.
    QStringList Board() const {
        QStringList board{QString::number(TurnScore), TurnState, Status(), RollOn() ? "roll" : "",
                          PassOn() ? "pass" : ""};
        for (int i = 0; i < 6; ++i) board << QString("%1/%2/%3").arg(TableShows()[i]).arg(bool(OnTable[i]))
                                                  .arg(RowFaces()[i]);
        return board;
    }
};

// A click takes a single alone, a group whole in position order, and a straight
// or three pairs in face order, behind the dice already set aside.
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
        {"behind a die set aside", {5}, {1, 3, 3, 4, 3}, 4, {5, 3, 3, 3, 0, 0}, {1, 0, 0, 4, 0, 0}, 300},
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
            EXPECT_TRUE(TrayUsed[k] == (c.row[k] != 0) && TrayFace[k] == c.row[k]) << k;
            EXPECT_EQ(bool(OnTable[k]), c.table[k] != 0) << k;
        }
    }
}

// A group waits 200 ms per die, a computer seat 100 ms more after each pick;
// at Ridiculous a computer seat waits for nothing.
TEST_F(TakeTest, PausesOfAPickBySeatAndSpeed) {
    struct Case {
        bool computer;
        int speed;
        std::vector<int> group, single;
    };
    for (const Case& c : std::vector<Case>{{false, 2, {200, 200, 200}, {}},
                                           {true, 0, {200, 200, 200, 100}, {100}},
                                           {true, 1, {200, 200, 200, 100}, {100}},
                                           {true, 2, {}, {}}}) {
        SCOPED_TRACE(testing::Message() << c.computer << " speed " << c.speed);
        IsComputer[0] = c.computer;
        ComputerSpeed = Byte(c.speed);
        EmptyRow();
        Roll({4, 1, 4, 4, 3, 6});
        clock.ClearRecord();
        Click(0);
        EXPECT_EQ(clock.pauses, c.group);
        clock.ClearRecord();
        Click(1);
        EXPECT_EQ(clock.pauses, c.single);
    }
}

// The die runs along the free boxes from the right end to the first free box,
// with the move sound; its marker goes.
TEST_F(TakeTest, TakenDieSlidesIntoTheFirstFreeBox) {
    SetAside({5});
    Roll({3, 1, 4, 6, 2});
    ClearRecords();
    struct Painted : QObject {
        std::function<int(int)> faceIn;
        std::vector<int> boxesShowingA1;
        bool eventFilter(QObject* box, QEvent* event) override {
            const int index = box->property("box").toInt();
            if (event->type() == QEvent::Paint && faceIn(index) == 1) boxesShowingA1.push_back(index);
            return false;
        }
    } painted;
    painted.faceIn = [this](int box) { return FaceIn(box); };
    for (int box = 10; box <= 15; ++box) {
        form().Picture1[box]->setProperty("box", box);
        form().Picture1[box]->installEventFilter(&painted);
    }

    Click(1);
    EXPECT_EQ(painted.boxesShowingA1, (std::vector<int>{15, 14, 13, 12, 11}));
    EXPECT_EQ(RowFaces(), (std::vector<int>{5, 1, 0, 0, 0, 0}));
    EXPECT_FALSE(form().picMarker[1]->isVisible());
    EXPECT_EQ(sound.played, QStringList{Wav("movedie")});
}

// A non-scoring die beeps; empty boxes, dice not thrown and locked boxes do
// nothing, for a person and a computer seat alike.
TEST_F(TakeTest, ClicksWithNothingToTakeChangeNothing) {
    for (bool computer : {false, true}) {
        SCOPED_TRACE(computer);
        IsComputer[0] = computer;
        EmptyRow();
        SetAside({5, 5});
        Roll({1, 3, 4, 6});
        Click(0);  // box 12 may be undone; boxes 10 and 11 are locked
        ClearRecords();
        const QStringList before = Board();
        // the 3, an empty box, dice not thrown, locked boxes, empty boxes, no box
        for (int box : {1, 0, 4, 5, 10, 11, 13, 14, 15, 7}) Click(box);
        EXPECT_EQ(Board(), before);
        EXPECT_EQ(sound.beeps, 1);
        EXPECT_TRUE(clock.pauses.empty());
        EXPECT_TRUE(sound.played.isEmpty());
    }
}

// One click returns every die taken since the throw to its position, with the
// score and state the throw left; the locked dice stay. The undo sound plays once.
TEST_F(TakeTest, UndoReturnsEveryPickSinceTheThrow) {
    SetAside({1, 1});
    TurnScore = 200;
    form().cmdPassDice->setEnabled(true);
    Roll({3, 5, 2, 5});
    Click(1);
    Click(3);
    ASSERT_EQ(RowFaces(), (std::vector<int>{1, 1, 5, 5, 0, 0}));
    ASSERT_EQ(TurnScore, 300);
    ClearRecords();

    Click(10);
    Click(11);
    EXPECT_EQ(TurnScore, 300);
    Click(13);
    EXPECT_EQ(RowFaces(), (std::vector<int>{1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(TableShows(), (std::vector<int>{3, 5, 2, 5, 0, 0}));
    EXPECT_TRUE(OnTable[1] && OnTable[3] && !TrayUsed[2] && !TrayUsed[3] && TrayFace[2] == 0);
    EXPECT_TRUE(form().picMarker[1]->isVisible() && form().picMarker[3]->isVisible());
    EXPECT_EQ(TurnScore, 200);
    EXPECT_EQ(form().lblTurnScore->Caption(), "200");
    EXPECT_EQ(TurnState, "sp");
    EXPECT_EQ(Status(), "Select Dice or Pass Dice. (Undo)");
    EXPECT_FALSE(RollOn());
    EXPECT_TRUE(PassOn());
    EXPECT_EQ(sound.played, QStringList{Wav("undo")});

    Click(3);
    EXPECT_EQ(RowFaces(), (std::vector<int>{1, 1, 5, 0, 0, 0}));
    EXPECT_EQ(TurnScore, 250);
}

// Undo gives back Pass as the throw left it, not as the pick did: else a seat
// could bank a throw it took nothing from, or a turn below the break-in.
TEST_F(TakeTest, UndoGivesBackTheButtonsTheThrowLeft) {
    Roll({1, 3, 3, 4, 6, 2});
    Click(0);
    ASSERT_TRUE(PassOn());
    Click(10);
    EXPECT_EQ(TurnScore, 0);
    EXPECT_EQ(Status(), "Select Dice. (Undo)");
    EXPECT_EQ(TurnState, "s");
    EXPECT_FALSE(RollOn());
    EXPECT_FALSE(PassOn());

    PlayerScore[0] = 0;
    EmptyRow();
    SetAside({3, 3, 3});
    TurnScore = 300;
    Roll({1, 1, 4});
    Click(0);
    Click(1);
    ASSERT_TRUE(PassOn());
    Click(14);
    EXPECT_EQ(TurnScore, 300);
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
    Click(1);
    Click(10);
    EXPECT_EQ(LockedSlots, 0);
    EXPECT_EQ(RowFaces(), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(TableShows(), (std::vector<int>{2, 1, 3, 4, 3, 6}));
    EXPECT_EQ(TurnScore, 1100);

    Roll({3, 1, 6, 4, 5, 2});
    Click(0);
    ASSERT_EQ(Status(), "All dice score - You must roll.");
    for (int box = 10; box <= 15; ++box) Click(box);
    EXPECT_EQ(RowFaces(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(TurnScore, 2600);
}

// The turn score is 16-bit: it stops at 32767 instead of wrapping round.
TEST_F(TakeTest, TurnScoreStopsAt32767) {
    TurnScore = 32000;
    Roll({1, 1, 1, 1, 1, 1});
    Click(0);
    EXPECT_EQ(TurnScore, 32767);
    EXPECT_EQ(form().lblTurnScore->Caption(), "32767");
    Roll({5, 2, 3, 4, 6, 6});
    Click(0);
    EXPECT_EQ(TurnScore, 32767);
}

// Digits and keypad digits take the lowest die of their face, Backspace undoes,
// R, keypad 0 and right clicks on dice and trays roll, each only while Roll is on.
TEST_F(TakeTest, KeysAndRightClicksReachTheHandlers) {
    auto queue = [this](const std::vector<int>& faces) {
        dice.QueueThrow(faces, true);
        dice.Install();
    };
    form().cmdRoll->setEnabled(false);
    QTest::keyClick(&form(), Qt::Key_R);
    QTest::mouseClick(form().picTray1, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_EQ(DieFace[0], 0) << "nothing may be thrown while Roll is off";

    form().cmdRoll->setEnabled(true);
    queue({5, 3, 5, 1, 2, 6});
    QTest::keyClick(&form(), Qt::Key_0, Qt::KeypadModifier);
    EXPECT_EQ(TableShows(), (std::vector<int>{5, 3, 5, 1, 2, 6}));
    QTest::keyClick(&form(), Qt::Key_5);
    EXPECT_EQ(RowFaces(), (std::vector<int>{5, 0, 0, 0, 0, 0}));
    const QStringList board = Board();  // behind the options panel only Esc acts, until Cancel
    form().cmdOptions->click();
    for (const QKeyCombination key : std::initializer_list<QKeyCombination>{
             Qt::Key_1, Qt::Key_Backspace, Qt::Key_R, Qt::Key_P, Qt::Key_F2, Qt::Key_Escape, Qt::ShiftModifier | Qt::Key_F2,
             Qt::KeypadModifier | Qt::Key_1, Qt::KeypadModifier | Qt::Key_0, Qt::KeypadModifier | Qt::Key_Period})
        QTest::keyClick(&form(), key.key(), key.keyboardModifiers());
    form().ARCmdCancelOptions->click();
    EXPECT_EQ(Board(), board);
    EXPECT_TRUE(dialogs.shown.empty() && programEnded == 1);
    QTest::keyClick(&form(), Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(&form(), Qt::Key_1, Qt::KeypadModifier);
    QTest::keyClick(&form(), Qt::Key_3);
    QTest::keyClick(&form(), Qt::Key_4);
    EXPECT_EQ(RowFaces(), (std::vector<int>{5, 5, 1, 0, 0, 0}));
    EXPECT_EQ(sound.beeps, 1);

    QTest::keyClick(&form(), Qt::Key_Backspace);
    EXPECT_EQ(RowFaces(), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    ASSERT_FALSE(RollOn());
    QTest::mouseClick(form().Picture1[1], Qt::RightButton);
    EXPECT_EQ(TableShows(), (std::vector<int>{5, 3, 5, 1, 2, 6}));

    QTest::keyClick(&form(), Qt::Key_1);
    queue({6, 6, 2, 5, 2});
    QTest::mouseClick(form().Picture1[3], Qt::RightButton);
    EXPECT_EQ(TableShows(), (std::vector<int>{6, 6, 2, 5, 2, 0}));
    QTest::keyClick(&form(), Qt::Key_5);
    queue({1, 5, 3, 2});
    QTest::mouseClick(form().picTray2, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_EQ(TableShows(), (std::vector<int>{1, 5, 3, 2, 0, 0}));
    QTest::keyClick(&form(), Qt::Key_1);
    queue({4, 4, 4});
    QTest::keyClick(&form(), Qt::Key_R);
    EXPECT_EQ(TableShows(), (std::vector<int>{4, 4, 4, 0, 0, 0}));
    EXPECT_EQ(RowFaces(), (std::vector<int>{1, 5, 1, 0, 0, 0}));
    EXPECT_EQ(dice.Remaining(), 0u);
}
