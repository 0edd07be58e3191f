// Passing the dice to the next seat.
#include "table/frmMain.h"

// The pass arrives with the whole game; until then Pass does nothing.
void frmMain::cmdPassDice_Click() {}
