#include "windows/frmCredits.h"

#include <QPainter>
#include <QStringList>

#include "core/numeric.h"
#include "core/pushbutton.h"
#include "core/services.h"
#include "core/state.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "table/frmMain.h"

using platform::Label;
using platform::PictureBox;
using platform::PlaceTwips;

namespace {

constexpr quint32 PaleYellow = 0xC0FFFF;  // (255,255,192)
constexpr quint32 Navy = 0x800000;        // (0,0,128)
constexpr qint32 StepMs = 40;             // a step once more than this has passed
constexpr int PollMs = 10;                // longest wait between two looks at the clock
// Word break, centred across; "&&" shows as one "&".
constexpr int TextFlags = Qt::AlignHCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

QFont comicSans(double points, bool bold = false) {
    return platform::NamedFont(QStringLiteral("Comic Sans MS"), points, bold);
}

}  // namespace

QString CreditsLines() {
    const QStringList lines{
        QStringLiteral("Game Design && Programming:"),
        QStringLiteral("Aldo Orvane"),
        QString(),
        QStringLiteral("Dice Design:"),
        QStringLiteral("Saskia Vell"),
        QString(),
        QStringLiteral("Copy Edit:"),
        QStringLiteral("Hedda Marlowe"),
        QStringLiteral("Piet Ranneberg"),
        QString(),
        QStringLiteral("Q&&A:"),
        QStringLiteral("Annika Brandt"),
        QStringLiteral("Bastian Krol"),
        QStringLiteral("Celia Morandi"),
        QStringLiteral("Dov Halberg"),
        QStringLiteral("Elske de Wit"),
        QStringLiteral("Farid Nasser"),
        QStringLiteral("Gunnar Lind"),
        QStringLiteral("Hanne Sorensen"),
        QStringLiteral("Ilja Petrov"),
        QStringLiteral("Joost Verhagen"),
        QStringLiteral("Kaja Novak"),
        QStringLiteral("Lorenzo Fabbri"),
        QStringLiteral("Maren Holt"),
        QStringLiteral("Nils Aberg"),
        QString(),
        QStringLiteral("Visit Orvane Software"),
        QStringLiteral("on the web at"),
        QStringLiteral("www.orvanesoftware.com"),
        QString(),
        QString(),
        QStringLiteral("Like Dravik? Then try"),
        QStringLiteral("Orvane Solitaire Garden:"),
        QStringLiteral("forty card games to grow"),
        QStringLiteral("in one friendly window."),
        QStringLiteral("Ask for it by name!"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

frmCredits::frmCredits() {
    setObjectName(QStringLiteral("frmCredits"));
    setWindowTitle(QStringLiteral("Orvane Dravik 3 Credits"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(platform::Px(4890), platform::Px(5895));
    QPalette shades = palette();
    shades.setColor(QPalette::Window, ColorFromNumber(PaleYellow));
    setPalette(shades);
    setAutoFillBackground(true);

    // Plain text: the ampersand shows as typed and marks no access key, so one is enough.
    Label1 = new Label(QStringLiteral("Credits & Stuff"), this);
    Label1->SetForeColor(ColorFromNumber(Navy));
    Label1->setFont(comicSans(14.25, true));
    Label1->setAlignment(Qt::AlignCenter);
    PlaceTwips(Label1, 0, 90, 4890, 495);

    picScroll = new PictureBox(this, true);
    picScroll->SetBackColor(ColorFromNumber(PaleYellow));
    picScroll->SetFit(PictureBox::Fit::TopLeft);
    picScroll->setFont(comicSans(8.25));
    PlaceTwips(picScroll, 97, 660, 4695, 4215);

    cmdOK = new ButtonPlus(QStringLiteral("OK"), this);
    PlaceTwips(cmdOK, 3600, 5085, 1185, 465);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmCredits::Form_Load() {
    ScrollForeColor = ColorFromNumber(Navy);
    if (QWidget* main = MainFormIfLoaded()) setWindowIcon(main->windowIcon());
    QFont font = picScroll->font();
    font.setPointSizeF(12);
    picScroll->setFont(font);
    Label1->SetCaption(QStringLiteral("Credits & Stuff"));
    CreditsText = CreditsLines();
    FixButtonColors(this);
}

// The scroll starts once the window is on screen, and only once.
void frmCredits::Form_Activate() {
    if (activated) return;
    activated = true;
    ScrollCredits();
}

int frmCredits::MeasureText() const {
    QPixmap probe(picScroll->size());
    QPainter painter(&probe);
    painter.setFont(picScroll->font());
    return painter.boundingRect(QRect(0, 0, picScroll->width(), 0), TextFlags, CreditsText).height();
}

void frmCredits::ScrollCredits() {
    repaint();
    const int innerWidth = picScroll->width();
    const int innerHeight = picScroll->height();
    TextHeight = CreditsText.isEmpty() ? 0 : MeasureText();
    if (TextHeight == 0) {
        platform::dialogs().MsgBox(QStringLiteral("Error scrolling text"), platform::Buttons::OK,
                                   platform::Icon::Exclamation);
        StopScroll = true;
    } else {
        // Just below the visible area.
        TextRect = QRect(0, innerHeight, innerWidth, TextHeight);
    }

    bool first = true;
    quint32 lastStep = 0;
    while (!StopScroll && !Quitting) {
        const quint32 now = platform::TickCount();
        // The difference of two tick counts stays right across the counter's wrap; a count that went
        // backwards steps at once so that the scroll never stalls.
        const qint32 elapsed = qint32(now - lastStep);
        if (first || elapsed > StepMs || elapsed < 0) {
            first = false;
            DrawStep();
            lastStep = now;
        }
        platform::Yield();
        if (StopScroll || Quitting) break;
        // Rest until the next step is due, looking at the window events at least every PollMs.
        const qint32 waited = qint32(platform::TickCount() - lastStep);
        platform::Pause(qBound(1, StepMs + 1 - waited, PollMs));
    }
    Unload();
}

void frmCredits::DrawStep() {
    QPixmap canvas(picScroll->size());
    canvas.fill(picScroll->BackColor());
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(picScroll->font());
        painter.setPen(ScrollForeColor);
        painter.drawText(TextRect, TextFlags, CreditsText);
    }
    TextRect.translate(0, -1);
    if (TextRect.top() < -TextHeight) TextRect.moveTop(picScroll->height());  // round again from below
    picScroll->SetPicture(canvas);
    picScroll->repaint();
}

void frmCredits::cmdOK_Click() {
    platform::sound().Beep();
    StopScroll = true;
}

void frmCredits::Form_Unload() { StopScroll = true; }

void ShowCreditsWindow() { ShowModalForm<frmCredits>(); }
