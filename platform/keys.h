#pragma once

// Remembers which keys are held down anywhere in the application.
namespace platform {

void InstallKeyTracker();               // once, after the application object exists
bool IsKeyDown(int qtKey);              // Qt::Key value
void SetKeyDown(int qtKey, bool down);  // for tests

}  // namespace platform
