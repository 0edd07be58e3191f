#include "windows/frmScorePad.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "core/numeric.h"
#include "core/state.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/placement.h"
#include "platform/twips.h"
#include "table/frmMain.h"

using platform::Label;
using platform::PlaceTwips;
using platform::Px;
using platform::Twips;

namespace {

frmScorePad* instance = nullptr;

constexpr quint32 PadColor = 0x80FFFF;  // pale yellow
constexpr quint32 Navy = 0x800000;
constexpr quint32 Red = 0xFF;
constexpr int ClientWidth = 2595;

QString goalText() { return QStringLiteral("(Playing to %1)").arg(PlayToScore); }

// 1275 twips and 420 more per seat, with at least two seats counted; 0 for a count that has none.
int heightForSeats(int seats) {
    if (seats < 1 || seats > 8) return 0;
    return 1275 + 420 * qMax(seats, 2);
}

}  // namespace

frmScorePad::frmScorePad() {
    setObjectName(QStringLiteral("frmScorePad"));
    // A small tool window beside the table. It asks for no close box; where the window
    // manager gives it one all the same, the pad stays while a game is in play.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setWindowTitle(QStringLiteral(" Score Pad"));
    if (QWidget* main = MainFormIfLoaded()) setWindowIcon(main->windowIcon());

    QPalette shades = palette();
    shades.setColor(QPalette::Window, ColorFromNumber(PadColor));
    setPalette(shades);
    setAutoFillBackground(true);
    QFont padFont(QStringLiteral("Comic Sans MS"));
    padFont.setPointSizeF(9.75);
    setFont(padFont);

    auto makeLabel = [this](const QString& caption, int left, int top, int width, int height, bool bold) {
        auto* label = new Label(caption, this);
        PlaceTwips(label, left, top, width, height);
        label->SetForeColor(ColorFromNumber(Navy));
        QFont labelFont = font();
        labelFont.setBold(bold);
        label->setFont(labelFont);
        return label;
    };
    lblGoal = makeLabel(QStringLiteral("(Playing to 5000)"), 120, 90, 2250, 375, true);
    lblGoal->setAlignment(Qt::AlignCenter);
    Label2 = makeLabel(QStringLiteral("Player"), 240, 480, 1095, 375, true);
    Label3 = makeLabel(QStringLiteral("Score"), 1800, 480, 615, 375, true);
    for (int i = 0; i < 8; ++i) {
        lblPlayer[i] = makeLabel(QString(), 240, 900 + 420 * i, 1560, 375, false);
        lblScore[i] = makeLabel(QString(), 1800, 900 + 420 * i, 750, 255, false);
        lblPlayer[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        lblScore[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    setFixedWidth(Px(ClientWidth));
    SetHeightTwips(heightForSeats(2));

    Timer1 = new QTimer(this);
    Timer1->setInterval(1800);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer1->start();
}

void frmScorePad::Form_Load() {
    if (CurPlayer < 8) MarkSeat(CurPlayer, true);
    repaint();
    if (TestMode) setWindowTitle(QStringLiteral(" Game 1 of %1").arg(TestGamesTotal));
}

void frmScorePad::Form_Activate() {
    lblGoal->SetCaption(goalText());
    for (int i = 0; i < NumPlayers && i < 8; ++i) {
        lblPlayer[i]->SetCaption(PlayerName[i]);
        lblScore[i]->SetCaption(QString::number(PlayerScore[i]));
        MarkSeat(i, false);
    }
    if (const int height = heightForSeats(NumPlayers)) SetHeightTwips(height);
    repaint();
    if (CurPlayer != NoSeat && CurPlayer < 8) {
        MarkSeat(CurPlayer, true);
        repaint();
    }
}

void frmScorePad::Timer1_Timer() {
    bool everyoneBanked = true;
    for (int i = 0; i < NumPlayers && i < 9; ++i)
        if (PlayerScore[i] == 0) everyoneBanked = false;
    if (everyoneBanked || !lblGoal->Caption().startsWith(QStringLiteral("(P")))
        lblGoal->SetCaption(goalText());
    else
        lblGoal->SetCaption(QStringLiteral("(%1 to break in)").arg(BreakIn));
}

void frmScorePad::MarkSeat(int seat, bool current) {
    if (seat < 0 || seat >= 8) return;
    for (Label* label : {lblPlayer[seat], lblScore[seat]}) {
        label->SetForeColor(ColorFromNumber(current ? Red : Navy));
        QFont weight = label->font();
        weight.setBold(current);
        label->setFont(weight);
    }
}

void frmScorePad::SetItalicName(int seat, bool italic) {
    if (seat < 0 || seat >= 8) return;
    QFont slant = lblPlayer[seat]->font();
    slant.setItalic(italic);
    lblPlayer[seat]->setFont(slant);
}

int frmScorePad::HeightTwips() const { return Twips(height()) + WindowFrameTwips; }

void frmScorePad::SetHeightTwips(int twips) { setFixedHeight(Px(twips - WindowFrameTwips)); }

void frmScorePad::PlaceBesideMainWindow() {
    const QRect main = platform::OuterRect(&MainForm());
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const int padWidth = platform::OuterRect(this).width();
    const int padHeight = Px(HeightTwips());

    int top = main.y() - Px(350);
    int left = main.x() + main.width() + Px(175);
    // Keep the whole pad on the screen from top to bottom.
    top = qMax(area.top(), qMin(top, area.bottom() + 1 - padHeight));
    if (left >= area.right() + 1) left = main.x() - Px(175) - padWidth;
    left = qMax(left, area.left());
    platform::MoveOuter(this, {left, top});
}

void frmScorePad::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void frmScorePad::closeEvent(QCloseEvent* event) {
    // Only the window manager's request: closing all windows at the end still closes it.
    if (event->spontaneous() && CurPlayer != NoSeat) event->ignore();
}

frmScorePad& ScorePad() {
    if (!instance) {
        instance = new frmScorePad();
        instance->Form_Load();
    }
    return *instance;
}

frmScorePad* ScorePadIfLoaded() { return instance; }

void UnloadScorePad() {
    delete instance;
    instance = nullptr;
}

void ShowPadForNewGame() {
    frmScorePad& pad = ScorePad();
    // Redrawn and placed by its size for the seats before it shows, so that it comes up in place.
    pad.Form_Activate();
    pad.PlaceBesideMainWindow();
    pad.show();
    pad.repaint();

    ScorePadInUse = true;
    BotDone = true;
    platform::Yield();
    frmMain& main = MainForm();
    main.activateWindow();
    main.setFocus();
}
