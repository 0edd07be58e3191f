#include "windows/test_run.h"

// The test run arrives with the computer players; until then it does nothing.
void RunComputerTest() {}
