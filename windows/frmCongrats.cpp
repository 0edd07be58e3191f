#include "windows/frmCongrats.h"

#include <QMouseEvent>

#include "core/numeric.h"
#include "core/pushbutton.h"
#include "core/services.h"
#include "core/state.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/placement.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "table/frmMain.h"

using platform::Label;
using platform::PictureBox;
using platform::PlaceTwips;

frmCongrats::frmCongrats() {
    setObjectName(QStringLiteral("frmCongrats"));
    setWindowTitle(QStringLiteral("Congratulations !!!"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QPalette shades = palette();
    shades.setColor(QPalette::Window, ColorFromNumber(0xC00000));
    setPalette(shades);
    setAutoFillBackground(true);
    resize(platform::Px(5865), platform::Px(7695));

    picBackground = new PictureBox(this);
    picBackground->SetBackColor(ColorFromNumber(0xC00000));
    picBackground->SetFit(PictureBox::Fit::Fill);
    picBackground->SetPicture(QPixmap(QStringLiteral(":/pictures/congrats_back.png")));
    picBackground->setGeometry(rect());

    Image1 = new PictureBox(this);
    Image1->SetTransparent(true);
    Image1->SetFit(PictureBox::Fit::Fill);
    Image1->SetPicture(QPixmap(QStringLiteral(":/pictures/congrats_head.png")));
    PlaceTwips(Image1, 180, 0, 5565, 2205);

    lblWinner = new Label(QString(), this);
    PlaceTwips(lblWinner, 1695, 6120, 2565, 375);
    lblWinner->setAlignment(Qt::AlignCenter);
    lblWinner->SetForeColor(ColorFromNumber(0xFFFF));
    QFont winnerFont(QStringLiteral("Comic Sans MS"));
    winnerFont.setPointSizeF(14.25);
    winnerFont.setBold(true);
    lblWinner->setFont(winnerFont);

    auto makeButton = [this](const QString& caption, int left) {
        auto* button = new ButtonPlus(caption, this);
        PlaceTwips(button, left, 6990, 1695, 495);
        QFont buttonFont = button->font();
        buttonFont.setBold(true);
        button->setFont(buttonFont);
        return button;
    };
    cmdSameGame = makeButton(QStringLiteral("Same Game"), 150);
    cmdDifferentGame = makeButton(QStringLiteral("Different Game"), 2070);
    cmdQuit = makeButton(QStringLiteral("Quit"), 3990);

    connect(cmdSameGame, &QPushButton::clicked, this, [this] { cmdSameGame_Click(); });
    connect(cmdDifferentGame, &QPushButton::clicked, this, [this] { cmdDifferentGame_Click(); });
    connect(cmdQuit, &QPushButton::clicked, this, [this] { cmdQuit_Click(); });
}

void frmCongrats::Form_Load() {
    if (QWidget* main = MainFormIfLoaded()) setWindowIcon(main->windowIcon());
    CoverMainWindow();  // already in place when it comes on screen
    cmdSameGame->SetBackColor(0xE10000);
    cmdDifferentGame->SetBackColor(0xE10000);
    cmdQuit->SetBackColor(0xFF8000);
    setWindowTitle(QStringLiteral("Congratulations ") + PlayerName[WinnerSeat] + QStringLiteral(" !!!"));
    FixButtonColors(this);
}

void frmCongrats::CoverMainWindow() {
    const frmMain& main = MainForm();
    setFixedSize(main.size());
    platform::MoveOuter(this, platform::OuterRect(&main).topLeft());
    picBackground->setGeometry(rect());
}

void frmCongrats::Form_Activate() {
    CoverMainWindow();
    repaint();
    lblWinner->SetCaption(QStringLiteral("* ") + PlayerName[WinnerSeat] + QStringLiteral(" *"));
    platform::Pause(500);
    if (!SoundOff) PlaySoundFile(SndGameOver);
}

void frmCongrats::cmdSameGame_Click() {
    platform::sound().Beep();
    DialogMessage = QStringLiteral("SameGame");
    Unload();
}

void frmCongrats::cmdDifferentGame_Click() {
    platform::sound().Beep();
    DialogMessage = QStringLiteral("DifferentGame");
    Unload();
}

void frmCongrats::cmdQuit_Click() {
    DialogMessage = QStringLiteral("Quit");
    Unload();
}

void frmCongrats::Form_DblClick() {
    const frmMain& main = MainForm();
    platform::dialogs().MsgBox(QStringLiteral("frmMain.Height = %1\nfrmMain.Width = %2")
                                   .arg(platform::Twips(main.frameGeometry().height()))
                                   .arg(platform::Twips(main.frameGeometry().width())));
}

void frmCongrats::mouseDoubleClickEvent(QMouseEvent* event) {
    // The window's own ground: the background picture, not the heading or the buttons.
    QWidget* under = childAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && (under == nullptr || under == picBackground)) Form_DblClick();
    QDialog::mouseDoubleClickEvent(event);
}

// Only the three buttons answer; Esc does nothing. Closing the window from outside
// (the program shutting down) unloads it without an answer.
void frmCongrats::reject() {}

// Closed without an answer: unloaded all the same, the dialog message unchanged.
void ShowCongratsWindow() { ShowModalForm<frmCongrats>(); }
