// Passing the dice: the bank, going out, the next seat and the start of a computer turn.
#include "core/pushbutton.h"
#include "core/services.h"
#include "core/state.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/sound.h"
#include "table/frmMain.h"
#include "table/last_roll.h"
#include "windows/frmScorePad.h"

namespace {

QString lastRollText() {
    const QString need = QString::number(GetPointsNeeded());
    return NumPlayers == 2 ? QStringLiteral("(Last Roll - Need %1 To Win)").arg(need)
                           : QStringLiteral("(Last Roll - Need %1 To Take The Lead)").arg(need);
}

bool anyPersonAtTable() {
    for (int i = 0; i < NumPlayers && i < 8; ++i)
        if (!IsComputer[i]) return true;
    return false;
}

}  // namespace

void frmMain::cmdPassDice_Click() {
    // A computer turn still unwinding after the game has ended has no seat to pass from.
    if (CurPlayer >= 8) return;

    TurnState = QStringLiteral("r");
    pctDivider->hide();
    if (MarkScorersOn)
        for (platform::PictureBox* marker : picMarker) marker->hide();

    frmScorePad& pad = ScorePad();
    cmdPassDice->setEnabled(false);
    if (!IsDravik) {
        if (!SoundOff) PlaySoundFile(SndPassem1);
        if (ComputerSpeed < 2) platform::Pause(1000);
        PlayerScore[CurPlayer] = AddScores(PlayerScore[CurPlayer], TurnScore);
        pad.lblScore[CurPlayer]->SetCaption(QString::number(PlayerScore[CurPlayer]));
        pad.repaint();
        if (!IsComputer[CurPlayer]) CheckTurnHighScore(PlayerName[CurPlayer], TurnScore);

        if (FinalRoundStarter == NoSeat && PlayerScore[CurPlayer] > PlayToScore - 1) {
            if (!SoundOff) PlaySoundFile(TempDir + QStringLiteral("overtop.wav"));
            FinalRoundStarter = CurPlayer;
            if (anyPersonAtTable()) {
                platform::dialogs().MsgBox(
                    PlayerName[CurPlayer] +
                    QStringLiteral(" has gone out.  Everybody else gets one more roll to try and beat ") +
                    QString::number(PlayerScore[CurPlayer]) + QStringLiteral(" points."));
            }
            ShowLastRollLine(*this);
            lblLastRoll->raise();
            repaint();
        }
    } else {
        if (!SoundOff) PlaySoundFile(SndPassem2);
        if (ComputerSpeed < 2) platform::Pause(1000);
    }

    for (int i = 0; i < 6; ++i) {
        OnTable[i] = false;
        TrayUsed[i] = false;
        DiceCode[i] = QStringLiteral("0");
        Picture1[i]->ClearPicture();
        TableFace[i] = 0;
        Picture1[10 + i]->ClearPicture();
        TrayFace[i] = 0;
    }

    pad.MarkSeat(CurPlayer, false);
    CurPlayer = (CurPlayer + 1 >= NumPlayers) ? 0 : Byte(CurPlayer + 1);
    pad.MarkSeat(CurPlayer, true);

    TurnScore = 0;
    lblTurnScore->SetCaption(QStringLiteral("0"));
    lblTurnScore->repaint();
    pad.repaint();
    lblPlayer->SetCaption(PlayerName[CurPlayer]);
    cmdRoll->setEnabled(!IsComputer[CurPlayer]);

    if (CurPlayer == FinalRoundStarter) {
        FinishGame();
        return;
    }

    lblLastRoll->SetCaption(lastRollText());

    if (!IsComputer[CurPlayer] && !TestMode && !lblLastRoll->isHidden()) {
        // Three showings of what the seat needs, with a beep each, blanked twice in between.
        // Roll waits for the end of the flash so that no throw runs inside the pass.
        // A game ended, quit or started from the menu during the flash owns the table from then on.
        const Byte seat = CurPlayer;
        const Byte starter = FinalRoundStarter;
        const auto tableTakenOver = [&] { return CurPlayer != seat || FinalRoundStarter != starter || GameEnded; };
        cmdRoll->setEnabled(false);
        lblStatus->SetCaption(QString());
        for (int showing = 0; showing < 3; ++showing) {
            if (!SoundOff) platform::sound().Beep();
            lblLastRoll->SetCaption(lastRollText());
            platform::Yield();
            if (tableTakenOver()) return;
            if (showing == 2) break;
            platform::Pause(200);
            lblLastRoll->SetCaption(QString());
            platform::Yield();
            if (tableTakenOver()) return;
            platform::Pause(200);
        }
    }

    if (!IsComputer[CurPlayer]) cmdRoll->setEnabled(true);
    ShowStatus(QStringLiteral("Roll the dice."));

    if (CurPlayer == NoSeat) return;
    if (!IsComputer[CurPlayer]) return;
    if (ComputerSpeed == 0) platform::Pause(1000);
    if (GameEnded) return;
    StartComputerTurn();
}
