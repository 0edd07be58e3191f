// The label menus and the buttons that open windows or close the program.
#include <QMenu>

#include "core/pushbutton.h"
#include "platform/controls.h"
#include "table/frmMain.h"

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

// The set-up dialog, the side windows and the options panel arrive with their
// own windows; until then these commands do nothing.
void frmMain::mnuNewGame_Click() {}
void frmMain::mnuHowToPlay_Click() {}
void frmMain::mnuGoHelp_Click() {}
void frmMain::mnuAbout_Click() {}
void frmMain::ARCmdNewGame_Click() {}
void frmMain::cmdHighRollers_Click() {}
void frmMain::cmdCustomizeSounds_Click() {}
void frmMain::cmdOptions_Click() {}
