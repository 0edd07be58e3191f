#pragma once
// Steps the computer players share: how they click, throw and wait.
#include "core/state.h"
#include "platform/clock.h"
#include "table/frmMain.h"

namespace bots {

// A computer player's click on a table position: the left button at (100, 100),
// then the pause after a click at the speed in force.
inline void ClickDie(frmMain& form, int position) {
    form.Picture1_MouseUp(position, 1, 0, 100.0f, 100.0f);
    if (ComputerSpeed == 0) platform::Pause(200);
    else if (ComputerSpeed == 1) platform::Pause(100);
}

// The pause at the head of every cycle of a turn, below Ridiculous speed.
inline void CyclePause() {
    if (ComputerSpeed < 2) platform::Pause(100);
}

// The pause after a computer player's throw at Normal speed.
inline void ThrowPause() {
    if (ComputerSpeed == 0) platform::Pause(1000);
}

// Play waits while the options panel is open, resting until the next window event
// between its looks. A closing program does not wait for the panel to close.
inline void WaitWhileOptionsOpen() {
    while (OptionsOpen && !Quitting) platform::Rest();
}

}  // namespace bots
