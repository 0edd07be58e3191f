// The computer players and the style dispatch.
#include "table/frmMain.h"

// The computer players arrive with their own work; until then no computer turn starts.
void frmMain::StartComputerTurn() {}
