#pragma once

#include <QHash>
#include <optional>

// Remembers which keys are held down anywhere in the application.
namespace platform {

void InstallKeyTracker();               // once, after the application object exists
bool IsKeyDown(int qtKey);              // Qt::Key value
void SetKeyDown(int qtKey, bool down);  // for tests

// Pairs the key releases a window gets with the presses that went to it. A key's modifier
// mask is what was held at its press or at its release, so a chord whose modifier is let go
// a moment before the key keeps it. A release whose press went elsewhere (a menu, a dialog,
// another window) has no press here.
class KeyPresses {
public:
    void Pressed(int key, int shift);  // a press that went to the window
    void PressedElsewhere(int key);
    // The mask of the key's press and release together; none when its press was not the window's.
    std::optional<int> Released(int key, int shift);
    void Clear();

private:
    QHash<int, int> down;
};

}  // namespace platform
