#include "platform/keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QSet>

namespace platform {
namespace {

QSet<int>& held() {
    static QSet<int> keys;
    return keys;
}

class KeyTracker : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat()) SetKeyDown(key->key(), event->type() == QEvent::KeyPress);
        } else if (event->type() == QEvent::ApplicationDeactivate) {
            held().clear();  // releases outside our windows never reach us
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void InstallKeyTracker() {
    static KeyTracker* tracker = nullptr;
    if (tracker || !QCoreApplication::instance()) return;
    tracker = new KeyTracker(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(tracker);
}

bool IsKeyDown(int qtKey) { return held().contains(qtKey); }

void SetKeyDown(int qtKey, bool down) {
    if (down) held().insert(qtKey);
    else held().remove(qtKey);
}

void KeyPresses::Pressed(int key, int shift) { down.insert(key, shift); }

void KeyPresses::PressedElsewhere(int key) { down.remove(key); }

std::optional<int> KeyPresses::Released(int key, int shift) {
    if (!down.contains(key)) return std::nullopt;
    return down.take(key) | shift;
}

void KeyPresses::Clear() { down.clear(); }

}  // namespace platform
