#pragma once
// Placing top-level windows by their outer frames (title bar and borders), as one window is
// placed from another's position. Until the window manager has framed a window its own frame
// is unknown; the frame of a window it has already framed stands in for it.
#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

namespace platform {

// The title bar and borders around the window; none without a window manager.
QMargins FrameMargins(const QWidget* window);

// The window's outer rectangle on the screen.
QRect OuterRect(const QWidget* window);

// Puts the window's outer top-left corner at the point, whether it is on the screen yet or not.
void MoveOuter(QWidget* window, const QPoint& topLeft);

// Once, after the application object exists: a modal window that the window manager minimises
// (some offer the button though the window asks for none) comes straight back, for with it out of
// sight every other window waits on it.
void KeepModalWindowsShown();

}  // namespace platform
