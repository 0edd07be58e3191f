// The Roll action: the animated throw, the final faces, sorting, markers, the
// divider, hot dice and the undo snapshot.
#include <QPaintEvent>
#include <functional>
#include <map>

#include "core/state.h"
#include "platform/controls.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "table/frmMain.h"
#include "turn_fixture.h"

namespace {

// Remembers, per box, the face it last painted.
class PaintedFaces : public QObject {
public:
    explicit PaintedFaces(std::function<int(int)> faceIn) : faceIn(std::move(faceIn)) {}
    void Watch(QWidget* box, int index) {
        boxes[box] = index;
        box->installEventFilter(this);
    }
    std::map<int, int> last;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) last[boxes[watched]] = faceIn(boxes[watched]);
        return false;
    }

private:
    std::function<int(int)> faceIn;
    std::map<QObject*, int> boxes;
};

// A virtual clock that looks at the window at every pause.
class ProbeClock : public platform::VirtualClock {
public:
    void Pause(int ms) override {
        if (probe) probe();
        VirtualClock::Pause(ms);
    }
    std::function<void()> probe;
};

}  // namespace

using ThrowTest = TurnTest;

// Whatever number of dice is thrown, the table shows the chosen faces from the
// left, the animation runs its frames with its pause and sound, and the
// set-aside row's earlier dice are locked behind the divider.
TEST_F(ThrowTest, ThrowOfOneToSixDiceShowsTheChosenFaces) {
    const std::vector<int> faces{1, 4, 6, 2, 6, 3};  // every throw scores
    const std::vector<int> boxLefts{60, 960, 1845, 2745, 3645, 4530};  // twips
    const std::vector<long long> animationMs{400, 450, 390, 416, 385, 300};
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        const int setAside = 6 - n;
        EmptyRow();
        SetAside(std::vector<int>(setAside, 5));
        ClearRecords();

        const std::vector<int> thrown(faces.begin(), faces.begin() + n);
        Roll(thrown);

        std::vector<int> shown = thrown;
        shown.resize(6, 0);
        EXPECT_EQ(TableShows(), shown);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(DieFace[i], i < n ? thrown[i] : 99) << i;
            EXPECT_EQ(TableFace[i], shown[i]) << i;
            EXPECT_EQ(bool(OnTable[i]), i < n) << i;
        }
        EXPECT_EQ(LockedSlots, setAside);
        EXPECT_EQ(Paused(), animationMs[n - 1]);
        EXPECT_EQ(clock.pauses.size(), std::size_t(ScriptedDice::AnimationFrames(n) * n));
        EXPECT_EQ(sound.played, QStringList{WavPath(n == 1 ? "onedie" : "multidie")});

        platform::PictureBox* divider = form().pctDivider;
        EXPECT_EQ(divider->isVisible(), setAside >= 1 && setAside <= 5);
        if (setAside >= 1) EXPECT_NEAR(platform::Twips(divider->x()), boxLefts[setAside] - 84, 15);
    }
}

// Every frame of the animation is on screen before the pause that follows it.
TEST_F(ThrowTest, EveryAnimationFrameIsPaintedBeforeItsPause) {
    PaintedFaces painted([this](int box) { return FaceIn(box); });
    for (int i = 0; i < 6; ++i) painted.Watch(form().Picture1[i], i);
    ProbeClock probeClock;
    int pause = 0, mismatches = 0;
    probeClock.probe = [&] {
        const int frame = pause / 6, die = pause % 6;
        if (painted.last[die] != ScriptedDice::AnimationFace(frame, die)) ++mismatches;
        ++pause;
    };
    platform::SetClock(&probeClock);

    const std::vector<int> faces{2, 3, 4, 6, 6, 1};
    Roll(faces);

    EXPECT_EQ(pause, 30);
    EXPECT_EQ(mismatches, 0);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(painted.last[i], faces[i]) << i;
}

// A computer seat at Ridiculous throws without animation and sound; at Normal
// and Fast it throws as a person does. With sound off the animation stays.
TEST_F(ThrowTest, AnimationAndSoundBySeatSpeedAndSoundSetting) {
    struct Case {
        bool computer;
        int speed;
        bool soundOff;
        long long pausedMs;
        QStringList played;
    };
    const std::vector<Case> cases{
        {false, 2, false, 300, {"multidie"}}, {true, 0, false, 300, {"multidie"}},
        {true, 1, false, 300, {"multidie"}},  {true, 2, false, 0, {}},
        {false, 0, true, 300, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.computer << " speed " << c.speed << " soundOff " << c.soundOff);
        IsComputer[0] = c.computer;
        ComputerSpeed = Byte(c.speed);
        SoundOff = c.soundOff;
        ClearRecords();
        Roll({1, 2, 2, 3, 4, 6});
        EXPECT_EQ(Paused(), c.pausedMs);
        QStringList expected;
        for (const QString& name : c.played) expected << WavPath(name);
        EXPECT_EQ(sound.played, expected);
        EXPECT_EQ(TableShows(), (std::vector<int>{1, 2, 2, 3, 4, 6}));
    }
}

// Sorting shows the thrown dice in ascending order; the positions not thrown keep 99.
TEST_F(ThrowTest, SortingOrdersOnlyTheThrownDice) {
    SortDiceOn = true;
    SetAside({1, 1});
    Roll({5, 1, 5, 2});
    EXPECT_EQ(TableShows(), (std::vector<int>{1, 2, 5, 5, 0, 0}));
    EXPECT_EQ(std::vector<Integer>(DieFace.begin(), DieFace.end()), (std::vector<Integer>{1, 2, 5, 5, 99, 99}));
    EXPECT_EQ(std::vector<Integer>(TableFace.begin(), TableFace.end()), (std::vector<Integer>{1, 2, 5, 5, 0, 0}));
    EXPECT_EQ(QStringList(DiceCode.begin(), DiceCode.end()).join(' '), "1 0 5 5 99 99");
}

// With all six set aside the row is emptied and six dice are thrown again.
TEST_F(ThrowTest, HotDiceEmptiesTheRowAndThrowsSix) {
    SetAside({1, 1, 1, 5, 5, 5});
    TurnScore = 1500;
    Roll({2, 3, 4, 6, 6, 1});
    EXPECT_EQ(RowFaces(), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    for (int k = 0; k < 6; ++k) {
        EXPECT_FALSE(TrayUsed[k]) << k;
        EXPECT_EQ(TrayFace[k], 0) << k;
        EXPECT_TRUE(OnTable[k]) << k;
    }
    EXPECT_EQ(LockedSlots, 6);
    EXPECT_FALSE(form().pctDivider->isVisible());
    EXPECT_EQ(TurnScore, 1500);
    EXPECT_EQ(sound.played, QStringList{WavPath("multidie")});
}

// Markers stand over the scoring dice only; with marking off they are left alone.
TEST_F(ThrowTest, MarkersShowOverScoringDiceWhenMarkingIsOn) {
    Roll({1, 2, 5, 3, 3, 6});
    std::vector<bool> visible;
    for (auto* marker : form().picMarker) visible.push_back(marker->isVisible());
    EXPECT_EQ(visible, (std::vector<bool>{true, false, true, false, false, false}));

    MarkScorersOn = false;
    for (int i = 0; i < 6; ++i) form().picMarker[i]->setVisible(i == 3);
    EmptyRow();
    Roll({1, 1, 5, 2, 2, 3});
    visible.clear();
    for (auto* marker : form().picMarker) visible.push_back(marker->isVisible());
    EXPECT_EQ(visible, (std::vector<bool>{false, false, false, true, false, false}));
}

// The throw keeps the state and score it left, for the undo to return to.
TEST_F(ThrowTest, ThrowKeepsTheUndoSnapshot) {
    SetAside({5});
    TurnScore = 650;
    Roll({1, 3, 4, 4, 6});
    EXPECT_EQ(TurnStateAfterRoll, "sp");
    EXPECT_EQ(TurnScoreAfterRoll, 650);
    EXPECT_EQ(Status(), "Select Dice or Pass Dice.");
}

// The two dice routines: GetDie2 gives every face, Bubble sorts a prefix and keeps the rest.
TEST_F(ThrowTest, GetDie2AndBubble) {
    for (int face = 1; face <= 6; ++face) {
        ScriptedDice one;
        one.QueueThrow({1, face}, false);  // position 1 draws through GetDie2
        one.Install();
        for (int draw = 0; draw < 750; ++draw) platform::Rnd();  // skip position 0
        EXPECT_EQ(form().GetDie2(), face);
        EXPECT_EQ(one.Remaining(), 0u);
    }
    DieFace = {6, 3, 3, 1, 99, 2};
    Integer four = 4;
    form().Bubble(four);
    EXPECT_EQ(std::vector<Integer>(DieFace.begin(), DieFace.end()), (std::vector<Integer>{1, 3, 3, 6, 99, 2}));
    Integer one = 1;
    DieFace = {4, 1, 1, 1, 1, 1};
    form().Bubble(one);
    EXPECT_EQ(DieFace[0], 4);
}
