#pragma once
#include <QString>
#include <functional>

// Ending the process at once, and handing a link to the desktop.
namespace platform {

// Ends the program without closing windows or asking anything.
void EndProgram();
// Tests replace the ending with a function of their own (empty: the real one).
void SetEndProgram(std::function<void()> replacement);

// Opens a web address, mail link or document with its default program.
bool OpenWithDesktop(const QString& target);

}  // namespace platform
