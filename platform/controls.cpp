#include "platform/controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "platform/twips.h"

namespace platform {

void PlaceTwips(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

QFont NamedFont(const QString& family, qreal points, bool bold) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

int ShiftMask(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

PictureBox* PlacedPicture(QWidget* parent, const QString& resource, int left, int top, int width, int height) {
    auto* box = new PictureBox(parent);
    box->SetTransparent(true);
    box->SetPicture(QPixmap(resource));
    PlaceTwips(box, left, top, width, height);
    return box;
}

PictureBox::PictureBox(QWidget* parent, bool sunkenBorder) : QWidget(parent), sunken(sunkenBorder) {
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    back = palette().color(QPalette::Button);
}

void PictureBox::SetBackColor(const QColor& colour) {
    if (colour == back && !transparent) return;
    back = colour;
    update();
}

void PictureBox::SetPicture(const QPixmap& pixmap) {
    if (pixmap.isNull() && picture.isNull()) return;
    if (!pixmap.isNull() && !picture.isNull() && pixmap.cacheKey() == picture.cacheKey()) return;
    picture = pixmap;
    filled = QPixmap();
    update();
}

void PictureBox::SetTransparent(bool clear) {
    transparent = clear;
    setAttribute(Qt::WA_OpaquePaintEvent, !clear);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!transparent) painter.fillRect(rect(), back);
    if (!picture.isNull()) {
        switch (fitMode) {
            case Fit::TopLeft: painter.drawPixmap(0, 0, picture); break;
            case Fit::Centre:
                painter.drawPixmap((width() - picture.width()) / 2, (height() - picture.height()) / 2, picture);
                break;
            case Fit::Fill: {
                // Cover the whole box, keeping the picture's proportions.
                const QSize scaled = picture.size().scaled(size(), Qt::KeepAspectRatioByExpanding);
                if (filled.size() != scaled)
                    filled = picture.scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                painter.drawPixmap((width() - scaled.width()) / 2, (height() - scaled.height()) / 2, filled);
                break;
            }
        }
    }
    if (sunken) {  // a one-pixel sunken edge: dark above and left, light below and right
        const QColor dark = back.darker(170), light = back.lighter(150);
        painter.fillRect(0, 0, width(), 1, dark);
        painter.fillRect(0, 0, 1, height(), dark);
        painter.fillRect(0, height() - 1, width(), 1, light);
        painter.fillRect(width() - 1, 1, 1, height() - 1, light);
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    int button = 0;
    switch (event->button()) {
        case Qt::LeftButton: button = 1; break;
        case Qt::RightButton: button = 2; break;
        case Qt::MiddleButton: button = 4; break;
        default: return;
    }
    if (!rect().contains(event->position().toPoint())) return;
    emit MouseUp(button, ShiftMask(event->modifiers()), float(Twips(1) * event->position().x()),
                 float(Twips(1) * event->position().y()));
}

Label::Label(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setTextFormat(Qt::PlainText);
    SetForeColor(Qt::black);
}

void Label::SetForeColor(const QColor& colour) {
    fore = colour;
    QPalette shades = palette();
    shades.setColor(QPalette::WindowText, colour);
    shades.setColor(QPalette::Disabled, QPalette::WindowText, colour);
    setPalette(shades);
}

void Label::SetBackColor(const QColor& colour) {
    setAutoFillBackground(true);
    QPalette shades = palette();
    shades.setColor(QPalette::Window, colour);
    setPalette(shades);
}

void Label::paintEvent(QPaintEvent* event) {
    if (!symbolFont) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (autoFillBackground()) painter.fillRect(rect(), palette().color(QPalette::Window));
    if (text() != QStringLiteral("\u00FC")) return;
    // The tick mark of the symbol font.
    const QRectF box = QRectF(rect()).adjusted(width() * 0.22, height() * 0.2, -width() * 0.22, -height() * 0.2);
    QPainterPath tick;
    tick.moveTo(box.left(), box.top() + box.height() * 0.55);
    tick.lineTo(box.left() + box.width() * 0.38, box.bottom());
    tick.lineTo(box.right(), box.top());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(fore, qMax(2.0, height() / 8.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Click();
    QLabel::mouseReleaseEvent(event);
}

void Label::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit DblClick();
    QLabel::mouseDoubleClickEvent(event);
}

}  // namespace platform
