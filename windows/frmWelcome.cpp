#include "windows/frmWelcome.h"

// The welcome window arrives with the side windows; until then nothing is shown
// and the main window keeps it due.
bool ShowWelcomeWindow() { return false; }
