#include "core/pushbutton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>

#include "core/numeric.h"
#include "platform/twips.h"

ButtonPlus::ButtonPlus(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    SetBackColor(ButtonFaceColor);
}

void ButtonPlus::SetCaption(const QString& caption) {
    setText(caption);
    repaint();
}

void ButtonPlus::SetBackColor(quint32 colorNumber) {
    backColor = colorNumber;
    if (colorNumber == ButtonFaceColor) {
        setStyleSheet(QString());
    } else {
        const QColor back = ColorFromNumber(colorNumber);
        const QColor fore = back.lightness() < 140 ? Qt::white : Qt::black;
        setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid %3;"
                                     " border-radius: 4px; padding: 2px; }"
                                     "QPushButton:pressed { background-color: %4; }"
                                     "QPushButton:disabled { color: %5; }")
                          .arg(back.name(), fore.name(), back.darker(160).name(), back.darker(130).name(),
                               back.darker(115).name()));
    }
}

int ButtonPlus::Left() const { return platform::Twips(x()); }

void ButtonPlus::SetLeft(int twips) { move(platform::Px(twips), y()); }

void ButtonPlus::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && rect().contains(event->position().toPoint())) {
        Integer value = 4;
        emit ShowValue(value);
        return;
    }
    QPushButton::mouseReleaseEvent(event);
}

// Enter presses and lets go of the focused button as Space does.
bool ButtonPlus::event(QEvent* event) {
    auto* key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease
                    ? static_cast<QKeyEvent*>(event)
                    : nullptr;
    if (!key || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)) return QPushButton::event(event);
    QKeyEvent space(key->type(), Qt::Key_Space, key->modifiers(), QStringLiteral(" "), key->isAutoRepeat());
    const bool handled = QPushButton::event(&space);
    event->setAccepted(space.isAccepted());
    return handled;
}

// The style's focus mark, also when the focus did not come by the keyboard.
void ButtonPlus::initStyleOption(QStyleOptionButton* option) const {
    QPushButton::initStyleOption(option);
    if (hasFocus()) option->state |= QStyle::State_KeyboardFocusChange;
}
