#pragma once
// The window controls the forms are built from, with the members the game uses.
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace platform {

// Places a control by twips inside its parent.
void PlaceTwips(QWidget* control, int left, int top, int width, int height);

// A picture box: a back colour, an optional picture, and a mouse-up event with
// the button (1 left, 2 right, 4 middle), the modifier mask and the point in twips.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Fit { Centre, TopLeft, Fill };
    explicit PictureBox(QWidget* parent = nullptr, bool sunkenBorder = false);

    QColor BackColor() const { return back; }
    void SetBackColor(const QColor& colour);
    const QPixmap& Picture() const { return picture; }
    bool HasPicture() const { return !picture.isNull(); }
    void SetPicture(const QPixmap& pixmap);  // a null pixmap clears it
    void ClearPicture() { SetPicture(QPixmap()); }
    void SetFit(Fit fit) { fitMode = fit; }
    void SetTransparent(bool transparent);  // no back colour: the parent shows through

signals:
    void MouseUp(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor back;
    QPixmap picture;
    QPixmap filled;  // the picture scaled to cover the box, made once per picture and size
    Fit fitMode = Fit::Centre;
    bool sunken = false;
    bool transparent = false;
};

// A picture from the program's resources on a transparent box, placed in twips.
PictureBox* PlacedPicture(QWidget* parent, const QString& resource, int left, int top, int width, int height);

// A label: a caption in plain text (a caption that looks like markup shows as typed)
// in a fore colour on a transparent ground, with click and double-click. A label in
// the symbol font draws the caption "ü" as a tick mark.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(const QString& caption = QString(), QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
    void SetForeColor(const QColor& colour);
    QColor ForeColor() const { return fore; }
    void SetBackColor(const QColor& colour);  // an opaque ground
    void SetSymbolFont(bool symbol) { symbolFont = symbol; update(); }

signals:
    void Click();
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QColor fore = Qt::black;
    bool symbolFont = false;
};

// A font by family name and size in points.
QFont NamedFont(const QString& family, qreal points, bool bold = false);

// Modifier mask of the keyboard and mouse events: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftMask(Qt::KeyboardModifiers modifiers);

}  // namespace platform
