#pragma once
#include <QPushButton>

#include "core/types.h"

// The system colour number of the button face (&H8000000F), the buttons' own colour.
constexpr quint32 ButtonFaceColor = 0x8000000F;

// The push button of every window: Caption, BackColor, Enabled, Visible and
// Left (twips) show at once; Click is QPushButton::clicked. A second
// notification carries one 16-bit value: a click with the middle mouse button
// raises it with that button's code, 4.
class ButtonPlus : public QPushButton {
    Q_OBJECT
public:
    explicit ButtonPlus(const QString& caption, QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);

    // A colour number &HBBGGRR, or a system colour such as &H8000000F (button face).
    void SetBackColor(quint32 colorNumber);
    quint32 BackColor() const { return backColor; }

    int Left() const;            // twips
    void SetLeft(int twips);

signals:
    void ShowValue(Integer& value);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void initStyleOption(QStyleOptionButton* option) const override;

private:
    quint32 backColor = ButtonFaceColor;
};
