// Taking dice from the table and undoing a pick.
#include "table/frmMain.h"

// Taking dice arrives with the turn; until then clicks on the dice do nothing.
void frmMain::Picture1_MouseUp(int, int, int, float, float) {}
void frmMain::picTray1_MouseUp(int, int, float, float) {}
void frmMain::picTray2_MouseUp(int, int, float, float) {}
