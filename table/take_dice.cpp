// Taking dice from the table into the set-aside row, and undoing the picks of a throw.
#include <algorithm>

#include "core/pushbutton.h"
#include "core/services.h"
#include "core/state.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/sound.h"
#include "table/frmMain.h"
#include "table/scoring.h"

namespace {

constexpr int GroupPauseMs = 200;  // after each die of a group
constexpr int PickPauseMs = 100;   // after a computer seat's pick, at Normal and Fast

// Draws a face (0: empty) and repaints its box at once.
void ShowFace(frmMain& form, int box, int face) {
    form.DrawDie(box, face);
    form.Picture1[box]->repaint();
}

void ShowTurnScore(frmMain& form) {
    form.lblTurnScore->SetCaption(QString::number(TurnScore));
    form.lblTurnScore->repaint();
}

void TakeOne(frmMain& form, int position) {
    Byte index = Byte(position);
    form.TakeDie(index);
    OnTable[position] = false;
    if (!SeatIsRidiculousComputer()) platform::Pause(GroupPauseMs);
}

// A click on table position `index`: the die alone, or its whole group.
void TakeFromTable(frmMain& form, int index) {
    const QString code = DiceCode[index];
    if (!OnTable[index]) return;  // an empty box or a die already taken
    if (code == QStringLiteral("0")) {
        platform::sound().Beep();
        return;
    }

    if (code == QStringLiteral("1") || code == QStringLiteral("5")) {
        Byte position = Byte(index);
        form.TakeDie(position);
        OnTable[index] = false;
    } else if (code == QStringLiteral("y") || code == QStringLiteral("z")) {
        // The six enter the set-aside row in face order.
        for (int face = 1; face <= 6; ++face)
            for (int i = 0; i < 6; ++i)
                if (OnTable[i] && DieFace[i] == face) TakeOne(form, i);
    } else if (IsGroupCode(code)) {
        for (int i = 0; i < 6; ++i)
            if (OnTable[i] && DiceCode[i] == code) TakeOne(form, i);
    } else {
        return;
    }
    TurnScore = AddScores(TurnScore, PointsOfCode(code));
    ShowTurnScore(form);
    if (SeatIsComputer() && ComputerSpeed <= 1) platform::Pause(PickPauseMs);
    form.SetStateAfterPick();
}

// A click on set-aside box `index`: every die taken since the last throw goes
// back to its table position, and the turn returns to what the throw left.
void UndoPicks(frmMain& form, int index) {
    if (LockedSlots == 6) LockedSlots = 0;  // a hot-dice throw started with an empty row
    const int firstFree = 10 + LockedSlots;
    const bool anyOnTable = std::any_of(OnTable.begin(), OnTable.end(), [](Boolean on) { return bool(on); });
    if (index < firstFree || !TrayUsed[index - 10] || !anyOnTable) return;

    for (int box = firstFree; box <= 15; ++box) {
        const int slot = box - 10;
        if (!TrayUsed[slot]) continue;
        const Integer face = TrayFace[slot];
        int position = 0;
        while (position < 6 && (DieFace[position] != face || OnTable[position])) ++position;
        if (position == 6) continue;

        ShowFace(form, box, 0);
        TrayFace[slot] = 0;
        TrayUsed[slot] = false;
        ShowFace(form, position, face);
        TableFace[position] = face;
        OnTable[position] = true;
        if (MarkScorersOn) form.picMarker[position]->show();

        TurnScore = TurnScoreAfterRoll;
        ShowTurnScore(form);
        TurnState = TurnStateAfterRoll;
        const QString status = UndoStatusText(TurnState);
        if (!status.isEmpty()) ShowStatus(status);
        if (!SoundOff) PlaySoundFile(SndUndo);

        form.cmdRoll->setEnabled(false);
        // Pass as the throw left it: only "sp" offers it, and only to a person.
        // (Keeping the pick's Pass would bank a turn the throw does not allow.)
        form.cmdPassDice->setEnabled(TurnState == QStringLiteral("sp") && !SeatIsComputer());
    }
}

}  // namespace

void frmMain::Picture1_MouseUp(int Index, int Button, int, float, float) {
    if (Button == 2) {
        if (cmdRoll->isEnabled()) cmdRoll_Click();
        return;
    }
    if (Index >= 0 && Index <= 5) TakeFromTable(*this, Index);
    else if (Index >= 10 && Index <= 15) UndoPicks(*this, Index);
}

void frmMain::picTray1_MouseUp(int Button, int, float, float) {
    if (Button == 2 && cmdRoll->isEnabled()) cmdRoll_Click();
}

void frmMain::picTray2_MouseUp(int Button, int, float, float) {
    if (Button == 2 && cmdRoll->isEnabled()) cmdRoll_Click();
}

void frmMain::TakeDie(Byte& Index) {
    if (Index > 5) return;
    int used = 0;  // the set-aside row fills from the left
    while (used < 6 && TrayUsed[used]) ++used;
    if (used == 6) return;

    if (MarkScorersOn) picMarker[Index]->hide();
    if (!SoundOff) PlaySoundFile(SndMoveDie);
    ShowFace(*this, Index, 0);
    TableFace[Index] = 0;

    // The die runs along the free boxes from the right end to its place.
    const int face = DieFace[Index];
    ShowFace(*this, 15, face);
    for (int box = 14; box >= 10 + used; --box) {
        ShowFace(*this, box + 1, 0);
        ShowFace(*this, box, face);
    }
    TrayUsed[used] = true;
    TrayFace[used] = Integer(face);
}
