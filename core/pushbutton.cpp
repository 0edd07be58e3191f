#include "core/pushbutton.h"

#include <QKeyEvent>
#include <QMetaMethod>

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

void ButtonPlus::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool pressesOrMoves = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                                event->key() == Qt::Key_Enter || event->key() == Qt::Key_Tab ||
                                event->key() == Qt::Key_Backtab || event->key() == Qt::Key_Escape;
    const bool heard = isSignalConnected(QMetaMethod::fromSignal(&ButtonPlus::ShowValue));
    if (heard && !pressesOrMoves && typed.size() == 1 && typed.at(0).isPrint()) {
        Integer value = Integer(typed.at(0).unicode());
        emit ShowValue(value);
        return;
    }
    QPushButton::keyPressEvent(event);
}
