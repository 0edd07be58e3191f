// The Help menu's commands: the welcome window, the help document and the About box.
#include "table/frmMain.h"
#include "windows/frmAbout.h"
#include "windows/frmWelcome.h"
#include "windows/help_viewer.h"

void frmMain::mnuHowToPlay_Click() { ShowWelcomeWindow(); }

// The help document beside the program, else the built-in copy, at its contents.
void frmMain::mnuGoHelp_Click() { ShowHelpTopic(1); }

void frmMain::mnuAbout_Click() { ShowAboutBox(); }
