#pragma once

// The hidden computer-against-computer test run: starts its next game or ends the run.
void RunComputerTest();
