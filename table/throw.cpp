// Throwing the dice.
#include "table/frmMain.h"

// The throw arrives with the turn; until then Roll does nothing.
void frmMain::cmdRoll_Click() {}
