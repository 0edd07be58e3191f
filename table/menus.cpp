// The label menus and the buttons that open windows or close the program.
#include <QMenu>

#include "core/pushbutton.h"
#include "core/state.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/sound.h"
#include "table/frmMain.h"
#include "windows/frmNewGame.h"

namespace {
void popUpBelow(QMenu* menu, QWidget* label) {
    menu->popup(label->mapToGlobal(QPoint(0, label->height())));
}
}  // namespace

void frmMain::lblMnuGame_Click() { popUpBelow(mnuGame, lblMnuGame); }
void frmMain::lblMnuHelp_Click() { popUpBelow(mnuHelpMe, lblMnuHelp); }
void frmMain::mnuOptions_Click() { cmdOptions_Click(); }
void frmMain::mnuExit_Click() { close(); }
void frmMain::cmdExit_Click() { close(); }

void frmMain::mnuNewGame_Click() {
    platform::Yield();
    if (CurPlayer == NoSeat) {
        ShowNewGameDialog();
        return;
    }
    platform::sound().Beep();
    if (DialogMessage != QStringLiteral("RestartGame")) {
        const auto answer = platform::dialogs().MsgBox(
            QStringLiteral("Are you sure you want to quit the current game?"), platform::Buttons::YesNo,
            platform::Icon::Question, QStringLiteral("Quit?"));
        if (answer != platform::Answer::Yes) return;
    }
    // The game is over: a computer turn of it still under way ends at its next look, and no
    // turn of it starts again, whether the set-up dialog then starts a game or is cancelled.
    BotDone = true;
    GameEnded = true;
    cmdRoll->hide();
    cmdPassDice->hide();
    ARCmdNewGame->show();
    lblStatus->SetCaption(QString());
    lblPlayer->SetCaption(QString());
    lblTurnScore->SetCaption(QString());
    pctDivider->hide();
    for (int i = 0; i < 6; ++i) {
        Picture1[i]->ClearPicture();
        picMarker[i]->hide();
    }
    for (int i = 10; i <= 15; ++i) Picture1[i]->ClearPicture();
    picTray1->setEnabled(false);
    picTray2->setEnabled(false);
    ShowNewGameDialog();
}

void frmMain::ARCmdNewGame_Click() {
    platform::Yield();
    ShowNewGameDialog();
}
