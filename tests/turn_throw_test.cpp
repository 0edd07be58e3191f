// The Roll action: animation, final faces, sorting, markers, the divider and hot dice.
#include <QPaintEvent>
#include <functional>

#include "core/state.h"
#include "platform/controls.h"
#include "platform/twips.h"
#include "table/frmMain.h"
#include "turn_fixture.h"

using ThrowTest = TurnTest;

// Whatever number of dice is thrown, they stand from the left with the chosen
// faces, the animation runs its frames, pauses and sound, and the dice set
// aside before are locked behind the divider.
TEST_F(ThrowTest, ThrowOfOneToSixDice) {
    const std::vector<int> faces{1, 4, 6, 2, 6, 3};  // every throw scores
    const std::vector<int> boxLefts{60, 960, 1845, 2745, 3645, 4530};  // twips
    const std::vector<long long> animationMs{400, 450, 390, 416, 385, 300};
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(n);
        EmptyRow();
        SetAside(std::vector<int>(6 - n, 5));
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
        EXPECT_EQ(LockedSlots, 6 - n);
        EXPECT_EQ(clock.TotalPaused(), animationMs[n - 1]);
        EXPECT_EQ(clock.pauses.size(), std::size_t(ScriptedDice::AnimationFrames(n) * n));
        EXPECT_EQ(sound.played, QStringList{Wav(n == 1 ? "onedie" : "multidie")});
        EXPECT_EQ(form().pctDivider->isVisible(), n < 6);
        if (n < 6) EXPECT_NEAR(platform::Twips(form().pctDivider->x()), boxLefts[6 - n] - 84, 15);
    }
}

// A virtual clock that looks at the window before every pause.
class ProbeClock : public platform::VirtualClock {
public:
    void Pause(int ms) override {
        probe();
        VirtualClock::Pause(ms);
    }
    std::function<void()> probe;
};

// Every frame of the animation has been painted before the pause that follows it.
TEST_F(ThrowTest, EveryFrameIsPaintedBeforeItsPause) {
    struct LastPainted : QObject {
        std::function<int(int)> faceIn;
        std::array<int, 6> face{};
        bool eventFilter(QObject* box, QEvent* event) override {
            const int i = box->property("die").toInt();
            if (event->type() == QEvent::Paint) face[i] = faceIn(i);
            return false;
        }
    } painted;
    painted.faceIn = [this](int box) { return FaceIn(box); };
    for (int i = 0; i < 6; ++i) {
        form().Picture1[i]->setProperty("die", i);
        form().Picture1[i]->installEventFilter(&painted);
    }
    ProbeClock probeClock;
    int pause = 0, wrong = 0;
    probeClock.probe = [&] {
        const int frame = pause / 6, die = pause++ % 6;
        wrong += painted.face[die] != ScriptedDice::AnimationFace(frame, die);
    };
    platform::SetClock(&probeClock);

    Roll({2, 3, 4, 6, 6, 1});
    EXPECT_EQ(pause, 30);
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(painted.face, (std::array<int, 6>{2, 3, 4, 6, 6, 1}));
}

// A computer seat at Ridiculous throws without animation and sound; at Normal
// and Fast it throws as a person does. With sound off the animation stays.
TEST_F(ThrowTest, AnimationBySeatSpeedAndSound) {
    struct Case {
        bool computer;
        int speed;
        bool soundOff;
        long long pausedMs;
        bool heard;
    };
    for (const Case& c : std::vector<Case>{{false, 2, false, 300, true},
                                           {true, 0, false, 300, true},
                                           {true, 1, false, 300, true},
                                           {true, 2, false, 0, false},
                                           {false, 0, true, 300, false}}) {
        SCOPED_TRACE(testing::Message() << c.computer << " speed " << c.speed << " soundOff " << c.soundOff);
        IsComputer[0] = c.computer;
        ComputerSpeed = Byte(c.speed);
        SoundOff = c.soundOff;
        ClearRecords();
        Roll({1, 2, 2, 3, 4, 6});
        EXPECT_EQ(clock.TotalPaused(), c.pausedMs);
        EXPECT_EQ(sound.played, c.heard ? QStringList{Wav("multidie")} : QStringList{});
        EXPECT_EQ(TableShows(), std::vector<int>({1, 2, 2, 3, 4, 6}));
    }
}

// Sorting orders the thrown dice only; the positions not thrown keep 99 and no code.
TEST_F(ThrowTest, SortingOrdersOnlyTheThrownDice) {
    SortDiceOn = true;
    SetAside({1, 1});
    Roll({5, 1, 5, 2});
    EXPECT_EQ(TableShows(), (std::vector<int>{1, 2, 5, 5, 0, 0}));
    EXPECT_EQ(DieFace, (std::array<Integer, 6>{1, 2, 5, 5, 99, 99}));
    EXPECT_EQ(QStringList(DiceCode.begin(), DiceCode.end()).join(' '), "1 0 5 5 99 99");
}

// With all six set aside the row is emptied, six dice are thrown and the turn score stays.
TEST_F(ThrowTest, HotDiceEmptiesTheRowAndThrowsSix) {
    SetAside({1, 1, 1, 5, 5, 5});
    TurnScore = 1500;
    Roll({2, 3, 4, 6, 6, 1});
    EXPECT_EQ(RowFaces(), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    for (int k = 0; k < 6; ++k) EXPECT_TRUE(!TrayUsed[k] && TrayFace[k] == 0 && OnTable[k]) << k;
    EXPECT_EQ(LockedSlots, 6);
    EXPECT_FALSE(form().pctDivider->isVisible());
    EXPECT_EQ(TurnScore, 1500);
    EXPECT_EQ(sound.played, QStringList{Wav("multidie")});
}

// Markers stand over the scoring dice only; with marking off they are left alone.
TEST_F(ThrowTest, MarkersShowOverScoringDice) {
    auto markers = [this] {
        std::vector<bool> visible;
        for (auto* marker : form().picMarker) visible.push_back(marker->isVisible());
        return visible;
    };
    Roll({1, 2, 5, 3, 3, 6});
    EXPECT_EQ(markers(), (std::vector<bool>{true, false, true, false, false, false}));

    MarkScorersOn = false;
    for (int i = 0; i < 6; ++i) form().picMarker[i]->setVisible(i == 3);
    Roll({1, 1, 5, 2, 2, 3});
    EXPECT_EQ(markers(), (std::vector<bool>{false, false, false, true, false, false}));
}
