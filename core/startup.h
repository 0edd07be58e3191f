#pragma once

// Makes the embedded artwork and sounds reachable (once, before Main).
void InitResources();

// The program's start: prepares the shared state, writes the media files,
// reads the settings and shows the main window, then returns.
void Main();
