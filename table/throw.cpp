// Throwing the dice: the Roll action, the animated throw and its classification.
#include <utility>

#include "core/services.h"
#include "core/state.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "table/frmMain.h"
#include "table/scoring.h"

namespace {

struct Animation {
    int frames;
    int pauseMs;  // after each die drawn
};
// By the number of dice thrown, 1..6.
constexpr std::array<Animation, 6> Animations{{{20, 20}, {15, 15}, {10, 13}, {8, 13}, {7, 11}, {5, 10}}};

constexpr int DividerGap = 84;  // twips between the divider and the first free box

}  // namespace

void frmMain::cmdRoll_Click() {
    pctDivider->hide();
    if (MarkScorersOn)
        for (platform::PictureBox* marker : picMarker) marker->hide();
    ShowStatus(QStringLiteral("Rolling..."));

    int setAside = 0;
    for (int box = 10; box <= 15; ++box)
        if (Picture1[box]->HasPicture()) ++setAside;
    if (setAside >= 1 && setAside <= 5) {
        const int left = platform::Twips(Picture1[10 + setAside]->x()) - DividerGap;
        pctDivider->move(platform::Px(left), pctDivider->y());
        pctDivider->show();
        pctDivider->repaint();
    } else {
        pctDivider->hide();
    }
    LockedSlots = Byte(setAside);

    if (setAside == 6) {  // hot dice: all six again
        for (int k = 0; k < 6; ++k) {
            DrawDie(10 + k, 0);
            TrayFace[k] = 0;
            TrayUsed[k] = false;
        }
        setAside = 0;
    }
    Byte numDice = Byte(6 - setAside);
    for (int i = 0; i < 6; ++i) OnTable[i] = i < numDice;

    ThrowDice(numDice);
    FindScoringDice(numDice);
    if (MarkScorersOn)
        for (int i = 0; i < numDice; ++i)
            if (DiceCode[i] != QStringLiteral("0")) picMarker[i]->show();

    SetStateAfterRoll();
    TurnStateAfterRoll = TurnState;
    TurnScoreAfterRoll = TurnScore;
}

void frmMain::ThrowDice(Byte& NumDice) {
    for (int i = 0; i < 6; ++i) {
        DrawDie(i, 0);
        DieFace[i] = NotThrown;
    }
    if (NumDice < 1 || NumDice > 6) return;

    if (!SeatIsRidiculousComputer()) {
        const Animation& animation = Animations[NumDice - 1];
        if (!SoundOff) PlaySoundFile(NumDice == 1 ? SndOneDie : SndMultiDie);
        for (int frame = 0; frame < animation.frames; ++frame) {
            for (int i = 0; i < NumDice; ++i) {
                const Byte face = GetDie2();
                DieFace[i] = face;
                DrawDie(i, face);
                platform::Pause(animation.pauseMs);  // paints the frame first
            }
        }
    }

    // Even positions come from RollDie, odd ones from GetDie2.
    for (int i = 0; i < NumDice; ++i) {
        DieFace[i] = i % 2 == 0 ? RollDie(6) : Integer(GetDie2());
        DrawDie(i, DieFace[i]);
    }
    if (SortDiceOn) {
        Integer howMany = NumDice;
        Bubble(howMany);
    }
    for (int i = 0; i < NumDice; ++i) {
        DrawDie(i, DieFace[i]);
        TableFace[i] = DieFace[i];
    }
    for (int i = NumDice; i < 6; ++i) TableFace[i] = 0;
}

Byte frmMain::GetDie2() {
    std::array<Byte, 7> faces{0, 1, 2, 3, 4, 5, 6};  // faces[1..6]
    for (int round = 0; round < 60; ++round) {
        for (int i = 1; i <= 5; ++i) {
            const int r = qBound(1, int(6 * platform::Rnd()) + 1, 6);
            std::swap(faces[i], faces[r]);
        }
    }
    return faces[1];
}

void frmMain::Bubble(Integer& SortHowMany) {
    int last = qMin<int>(SortHowMany, 6) - 1;
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int j = 0; j < last; ++j) {
            if (DieFace[j] > DieFace[j + 1]) {
                std::swap(DieFace[j], DieFace[j + 1]);
                swapped = true;
            }
        }
        --last;
    }
}

void frmMain::FindScoringDice(Byte& NumDice) { DiceCode = ClassifyDice(DieFace, NumDice); }
