#include "windows/frmHighRollers.h"

#include <QFrame>
#include <QPainter>
#include <QPlainTextEdit>

#include "core/highscore_file.h"
#include "core/numeric.h"
#include "core/pushbutton.h"
#include "core/services.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/placement.h"
#include "platform/twips.h"
#include "table/frmMain.h"

using platform::Label;
using platform::PictureBox;
using platform::PlaceTwips;
using platform::Px;

namespace {

constexpr int NameColumn = 16;  // the score starts after this many characters when the name is shorter
constexpr quint32 Blue = 0xFF0000;  // &HBBGGRR
constexpr quint32 Navy = 0x800000;
constexpr quint32 Yellow = 0x00FFFF;
constexpr quint32 PaleYellow = 0x80FFFF;

// The frame that carries the lists, and the two drawn rectangles round the heading and the lists
// (all in twips).
const QRect ListsFrame(15, 2040, 5805, 4095);
const QRect HeadingBox(90, 90, 5655, 2460);
const QRect ListsBox(15, 2640, 5805, 3495);

QRect pixels(const QRect& twips) {
    return QRect(Px(twips.x()), Px(twips.y()), Px(twips.width()), Px(twips.height()));
}

QFont comicFont(qreal points, bool bold = false) {
    return platform::NamedFont(QStringLiteral("Comic Sans MS"), points, bold);
}

QPlainTextEdit* makeListBox(QWidget* parent, int left) {
    auto* box = new QPlainTextEdit(parent);
    PlaceTwips(box, left, 1500, 2775, 2475);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette shades = box->palette();
    shades.setColor(QPalette::Base, ColorFromNumber(Navy));
    shades.setColor(QPalette::Text, ColorFromNumber(Yellow));
    box->setPalette(shades);
    // A fixed-pitch font keeps the dotted column straight.
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    courier.setPointSizeF(9);
    courier.setBold(true);
    box->setFont(courier);
    return box;
}

Label* makeHeading(QWidget* parent, const QString& caption, int left) {
    auto* label = new Label(caption, parent);
    PlaceTwips(label, left, 780, 2775, 660);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label->setFont(comicFont(12));
    label->SetForeColor(ColorFromNumber(Yellow));
    return label;
}

}  // namespace

frmHighRollers::frmHighRollers() {
    setObjectName(QStringLiteral("frmHighRollers"));
    setWindowTitle(QStringLiteral("Orvane Dravik 3 - High Rollers"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(Px(5835), Px(7665));
    QPalette shades = palette();
    shades.setColor(QPalette::Window, ColorFromNumber(Blue));
    setPalette(shades);
    setAutoFillBackground(true);

    // The heading: the two dice pictures either side of the window's name.
    imgDice1 = platform::PlacedPicture(this, QStringLiteral(":/pictures/about_dice1.png"), 390, 960, 720, 720);
    imgDice2 = platform::PlacedPicture(this, QStringLiteral(":/pictures/about_dice2.png"), 4725, 960, 720, 720);
    auto* title = new Label(QStringLiteral("High Rollers"), this);
    PlaceTwips(title, 1170, 750, 3495, 1140);
    title->setAlignment(Qt::AlignCenter);
    title->setFont(comicFont(24, true));
    title->SetForeColor(ColorFromNumber(Yellow));

    fraLists = new QFrame(this);
    fraLists->setFrameStyle(QFrame::NoFrame);
    fraLists->setGeometry(pixels(ListsFrame));
    lblHSTS = makeHeading(fraLists, QString(), 60);
    lblBMoV = makeHeading(fraLists, QString(), 2970);
    txtHSTSList = makeListBox(fraLists, 60);
    txtBMoVList = makeListBox(fraLists, 2970);

    cmdOK = new ButtonPlus(QStringLiteral("OK"), this);
    PlaceTwips(cmdOK, 2250, 6420, 1335, 495);
    QFont buttonFont(QStringLiteral("MS Sans Serif"));
    buttonFont.setStyleHint(QFont::SansSerif);
    buttonFont.setPointSizeF(8.25);
    buttonFont.setBold(true);
    cmdOK->setFont(buttonFont);
    cmdOK->setDefault(true);
    ButtonPlus1 = new ButtonPlus(QString(), this);
    ButtonPlus1->hide();

    lblReset = new Label(QStringLiteral("Reset List"), this);
    PlaceTwips(lblReset, 4500, 7320, 1215, 255);
    lblReset->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont link(QStringLiteral("Tahoma"));
    link.setStyleHint(QFont::SansSerif);
    link.setPointSizeF(8);
    link.setUnderline(true);
    lblReset->setFont(link);
    lblReset->SetForeColor(ColorFromNumber(PaleYellow));

    imgHandPointer = new PictureBox(this);
    imgHandPointer->SetPicture(QPixmap(QStringLiteral(":/pictures/hand.png")));
    imgHandPointer->hide();

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(lblReset, &Label::Click, this, [this] { lblReset_Click(); });
}

void frmHighRollers::Form_Load() {
    if (QWidget* main = MainFormIfLoaded()) {
        setWindowIcon(main->windowIcon());
        platform::MoveOuter(this, platform::OuterRect(main).topLeft());  // at the main window's top-left corner
    }
    lblHSTS->SetCaption(QStringLiteral("Highest Single\nTurn Score:"));
    lblBMoV->SetCaption(QStringLiteral("Biggest Whoopin'\n(Margin of Victory)"));
    // The fingertip is the hot spot.
    if (imgHandPointer->HasPicture()) lblReset->setCursor(QCursor(imgHandPointer->Picture(), 12, 1));
    else lblReset->setCursor(Qt::PointingHandCursor);
    ShowHighScoreLists();
    FixButtonColors(this);
}

QString frmHighRollers::MakeDots(int Count) { return Count > 0 ? QString(Count, u'.') : QString(); }

QString frmHighRollers::HighScoreRows(const QStringList& lines, int first) {
    QString rows;
    for (int i = first; i < first + 10 && i < lines.size(); ++i) {
        QString row = lines[i];
        const int dots = NameColumn - int(row.section(ListSeparator, 0, 0).size());
        rows += row.replace(ListSeparator, MakeDots(dots)) + QStringLiteral("\r\n");
    }
    return rows;
}

void frmHighRollers::ShowHighScoreLists() {
    const QStringList lines = ReadHighScoreFile();
    txtHSTSList->setPlainText(HighScoreRows(lines, 0).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    txtBMoVList->setPlainText(HighScoreRows(lines, 10).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void frmHighRollers::lblReset_Click() {
    const auto answer = platform::dialogs().MsgBox(
        QStringLiteral("Are you sure you want to reset the high score lists?"), platform::Buttons::YesNo,
        platform::Icon::None, QStringLiteral("Reset Lists?"));
    if (answer != platform::Answer::Yes) return;
    if (const SaveResult reset = ResetHighScores(); reset != SaveResult::Saved) {
        platform::dialogs().MsgBox(QStringLiteral("The high score lists could not be reset in\n") +
                                       HighScoreFilePath() + QStringLiteral("\n\n") +
                                       HighScoreFileAfterFailure(reset),
                                   platform::Buttons::OK, platform::Icon::Exclamation);
    }
    ReloadMainHighScoreLists();
    ShowHighScoreLists();
}

// The main window's lists always hold ten "name¤score" entries each: its own load
// rebuilds a missing or damaged file.
void frmHighRollers::ReloadMainHighScoreLists() {
    if (frmMain* main = MainFormIfLoaded()) main->LoadHighScores();
}

void frmHighRollers::cmdOK_Click() { Unload(); }

void frmHighRollers::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(ColorFromNumber(Yellow), 2));
    painter.drawRect(pixels(HeadingBox));
    painter.setPen(QPen(ColorFromNumber(PaleYellow), 1));
    painter.drawRect(pixels(ListsBox));
}

void ShowHighRollers() { ShowModalForm<frmHighRollers>(); }
