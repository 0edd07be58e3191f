#include "windows/frmViewHRListYN.h"

#include <QFrame>

#include "core/numeric.h"
#include "core/pushbutton.h"
#include "core/services.h"
#include "core/settings_store.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/placement.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "table/frmMain.h"
#include "windows/gradient.h"

using platform::Label;
using platform::PlaceTwips;

namespace {

const QString Tick = QStringLiteral("\u00FC");
constexpr quint32 Navy = 0x800000;            // &HBBGGRR
constexpr quint32 ButtonBlue = 0xFFCA9F;      // (159,202,255)

QFont sansFont(qreal points, bool bold = false) {
    return platform::NamedFont(QStringLiteral("MS Sans Serif"), points, bold);
}

}  // namespace

qint32 DayNumber(const QDate& date) { return qint32(QDate(1899, 12, 30).daysTo(date)); }

qint32 TodayDayNumber() { return DayNumber(QDate::currentDate()); }

QString HighScoreListName(const QString& tag) {
    return tag == QStringLiteral("turn") ? QStringLiteral("Highest Single Turn Score")
                                         : QStringLiteral("Biggest Whoopin'");
}

frmViewHRListYN::frmViewHRListYN() {
    setObjectName(QStringLiteral("frmViewHRListYN"));
    setWindowTitle(QStringLiteral("Way to go !!!"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(platform::Px(4095), platform::Px(2160));

    lblWayToGo = new Label(QString(), this);
    PlaceTwips(lblWayToGo, 120, 105, 3855, 330);
    lblWayToGo->setAlignment(Qt::AlignCenter);
    lblWayToGo->setFont(sansFont(10, true));
    lblWayToGo->SetForeColor(ColorFromNumber(Navy));

    lblMessage = new Label(QString(), this);
    PlaceTwips(lblMessage, 180, 450, 3735, 780);
    lblMessage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblMessage->setWordWrap(true);
    lblMessage->setFont(sansFont(8.25));

    cmdYes = new ButtonPlus(QStringLiteral("Yes"), this);
    PlaceTwips(cmdYes, 840, 1290, 1095, 375);
    cmdNo = new ButtonPlus(QStringLiteral("No"), this);
    PlaceTwips(cmdNo, 2160, 1290, 1095, 375);
    for (ButtonPlus* button : {cmdYes, cmdNo}) button->setFont(sansFont(8.25, true));
    cmdYes->setDefault(true);

    // The tick box: a thin edge with the symbol-font label inside it.
    checkEdge = new QFrame(this);
    checkEdge->setFrameStyle(QFrame::Box | QFrame::Plain);
    PlaceTwips(checkEdge, 915, 1800, 195, 195);
    lblCheck = new Label(QString(), this);
    lblCheck->setGeometry(checkEdge->geometry().adjusted(1, 1, -1, -1));
    lblCheck->SetSymbolFont(true);
    lblCheck->SetForeColor(ColorFromNumber(Navy));
    lblCheck->SetBackColor(palette().color(QPalette::Base));

    lblDontAsk = new Label(QStringLiteral("Don't ask me this again today."), this);
    PlaceTwips(lblDontAsk, 1170, 1785, 2535, 225);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setStyleHint(QFont::SansSerif);
    tahoma.setPointSizeF(8);
    lblDontAsk->setFont(tahoma);
    for (Label* clickable : {lblCheck, lblDontAsk}) clickable->setCursor(Qt::PointingHandCursor);

    connect(cmdYes, &QPushButton::clicked, this, [this] { cmdYes_Click(); });
    connect(cmdNo, &QPushButton::clicked, this, [this] { cmdNo_Click(); });
    connect(lblCheck, &Label::Click, this, [this] { lblCheck_Click(); });
    connect(lblDontAsk, &Label::Click, this, [this] { lblDontAsk_Click(); });
}

void frmViewHRListYN::Form_Load() {
    if (QWidget* main = MainFormIfLoaded()) {
        setWindowIcon(main->windowIcon());
        // Over the middle of the table.
        QRect outer = platform::OuterRect(this);
        outer.moveCenter(platform::OuterRect(main).center());
        platform::MoveOuter(this, outer.topLeft());
    }
    cmdYes->SetBackColor(ButtonBlue);
    cmdNo->SetBackColor(ButtonBlue);

    const QStringList fields = DialogMessage.split(ListSeparator);
    const QString name = fields.value(0);
    const QString place = fields.value(1);
    const QString tag = fields.value(2);
    lblWayToGo->SetCaption(QStringLiteral("Great Job, ") + name + QStringLiteral("!!!"));
    lblMessage->SetCaption(QStringLiteral("You just made number ") + place + QStringLiteral(" on the \"") +
                           HighScoreListName(tag) +
                           QStringLiteral("\" top ten!  Would you like to view the high rollers list now?"));
    FixButtonColors(this);
}

void frmViewHRListYN::Form_Paint() { PaintFormGradient(this); }

void frmViewHRListYN::paintEvent(QPaintEvent*) { Form_Paint(); }

void frmViewHRListYN::cmdYes_Click() {
    DialogMessage = QStringLiteral("Yes");
    Unload();
}

void frmViewHRListYN::cmdNo_Click() {
    DialogMessage = QStringLiteral("No");
    Unload();
}

void frmViewHRListYN::lblCheck_Click() { ToggleDontAsk(); }
void frmViewHRListYN::lblDontAsk_Click() { ToggleDontAsk(); }

void frmViewHRListYN::ToggleDontAsk() {
    platform::sound().Beep();
    SettingsStore& store = Settings();
    store.SelectKey(QStringLiteral("NoHS"));
    if (lblCheck->Caption() != Tick) {
        lblCheck->SetCaption(Tick);
        store.WriteLong(TodayDayNumber());
    } else {
        lblCheck->SetCaption(QString());
        store.Write(QStringLiteral("Null"));
    }
}

// The close box and Esc leave without an answer.
void ShowViewHighRollersPrompt() { ShowModalForm<frmViewHRListYN>(); }
