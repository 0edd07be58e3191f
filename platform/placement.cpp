#include "platform/placement.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace platform {
namespace {

QMargins ownMargins(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle && window->testAttribute(Qt::WA_WState_Created) ? handle->frameMargins() : QMargins();
}

class ModalWindowKeeper : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = event->type() == QEvent::WindowStateChange ? qobject_cast<QWidget*>(watched) : nullptr;
        if (window && window->isWindow() && window->isModal() && window->isMinimized()) {
            QMetaObject::invokeMethod(
                window,
                [window] {
                    window->showNormal();
                    window->activateWindow();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

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

void KeepModalWindowsShown() {
    static ModalWindowKeeper* keeper = nullptr;
    if (keeper || !QCoreApplication::instance()) return;
    keeper = new ModalWindowKeeper(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(keeper);
}

}  // namespace platform
