#include "platform/placement.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace platform {
namespace {

QMargins ownMargins(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle && window->testAttribute(Qt::WA_WState_Created) ? handle->frameMargins() : QMargins();
}

}  // namespace

QMargins FrameMargins(const QWidget* window) {
    const QMargins own = ownMargins(window);
    if (!own.isNull()) return own;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other == window || !other->isVisible()) continue;
        const QMargins framed = ownMargins(other);
        if (!framed.isNull()) return framed;
    }
    return {};
}

QRect OuterRect(const QWidget* window) { return window->geometry().marginsAdded(FrameMargins(window)); }

void MoveOuter(QWidget* window, const QPoint& topLeft) {
    // Placed by its inner corner: the window system keeps that exactly as given, also for a window
    // that is only now being framed, where a move by the frame would miss by the unknown frame.
    window->winId();
    const QMargins frame = FrameMargins(window);
    window->setGeometry(QRect(topLeft + QPoint(frame.left(), frame.top()), window->size()));
}

}  // namespace platform
