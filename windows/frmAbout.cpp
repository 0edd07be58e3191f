#include "windows/frmAbout.h"

#include <QEventLoop>
#include <QPointer>
#include <QProcess>

#include "core/files.h"
#include "core/numeric.h"
#include "core/pushbutton.h"
#include "core/services.h"
#include "core/state.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/placement.h"
#include "platform/twips.h"
#include "table/frmMain.h"
#include "windows/frmCredits.h"
#include "windows/frmMosk.h"
#include "windows/gradient.h"

using platform::Label;
using platform::PictureBox;
using platform::PlaceTwips;

const QString MakerWebAddress = QStringLiteral("https://www.orvanesoftware.com/");
const QString MakerMailAddress = QStringLiteral("support@orvanesoftware.com");

namespace {

Label* centredLabel(const QString& caption, QWidget* parent, const QFont& font, int top, int height) {
    auto* label = new Label(caption, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    PlaceTwips(label, 120, top, 4650, height);
    return label;
}

}  // namespace

frmAbout::frmAbout() {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Orvane Dravik 3"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(platform::Px(4890), platform::Px(3165));

    const QString tahoma = QStringLiteral("Tahoma");
    Label3 =
        centredLabel(QStringLiteral("Orvane Software Presents"), this, platform::NamedFont(tahoma, 8.25), 135, 255);
    Label2 = centredLabel(QStringLiteral("Orvane Dravik 3"), this,
                          platform::NamedFont(QStringLiteral("Comic Sans MS"), 18, true), 375, 570);
    Label2->SetForeColor(ColorFromNumber(0x800000));
    Label5 = centredLabel(QStringLiteral("v3.1.1"), this, platform::NamedFont(tahoma, 8.25), 930, 240);
    Label1 = centredLabel(QStringLiteral("Orvane Software"), this, platform::NamedFont(tahoma, 9.75, true), 1215, 270);
    Label4 = centredLabel(QStringLiteral("Copyright \u00A9 2002-2024 Orvane Software. All rights reserved."),
                          this, platform::NamedFont(tahoma, 7.5), 1485, 225);
    lblDisclaimer = centredLabel(QStringLiteral("Share it with friends and family as you like; selling it, "
                                                "or passing it off as your own, is not allowed."),
                                 this, platform::NamedFont(tahoma, 7), 1710, 390);
    lblDisclaimer->setWordWrap(true);

    QFont link = platform::NamedFont(tahoma, 8.25);
    link.setUnderline(true);
    lblURL = centredLabel(QStringLiteral("www.orvanesoftware.com"), this, link, 2115, 240);
    lblMail = centredLabel(MakerMailAddress, this, link, 2355, 240);
    for (Label* label : {lblURL, lblMail}) {
        label->SetForeColor(ColorFromNumber(0xFF0000));  // blue
        label->adjustSize();
        label->move((width() - label->width()) / 2, label->y());
    }

    Picture1 = platform::PlacedPicture(this, QStringLiteral(":/pictures/about_dice1.png"), 225, 225, 720, 720);
    Picture2 = platform::PlacedPicture(this, QStringLiteral(":/pictures/about_dice2.png"), 3945, 225, 720, 720);

    imgHandPointer = platform::PlacedPicture(this, QStringLiteral(":/pictures/hand.png"), 0, 0, 480, 480);
    imgHandPointer->hide();

    auto makeButton = [this](const QString& caption, int left) {
        auto* button = new ButtonPlus(caption, this);
        QFont font = button->font();  // "MS Sans Serif"
        font.setPointSizeF(8.25);
        button->setFont(font);
        PlaceTwips(button, left, 2685, 1050, 390);
        return button;
    };
    cmdOK = makeButton(QStringLiteral("OK"), 195);
    cmdCredits = makeButton(QStringLiteral("Credits"), 1320);
    cmdSysInfo = makeButton(QStringLiteral("System Info"), 2445);
    cmdMissYou = makeButton(QStringLiteral("July 25th"), 3570);
    cmdOK->setDefault(true);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCredits, &QPushButton::clicked, this, [this] { cmdCredits_Click(); });
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });
    connect(cmdMissYou, &QPushButton::clicked, this, [this] { cmdMissYou_Click(); });
    connect(lblURL, &Label::Click, this, [this] { lblURL_Click(); });
    connect(lblMail, &Label::Click, this, [this] { lblMail_Click(); });
    connect(Picture1, &PictureBox::MouseUp, this, [this](int button, int, float, float) {
        if (button == 1) Picture1_Click();
    });
    connect(Picture2, &PictureBox::MouseUp, this, [this](int button, int, float, float) {
        if (button == 1) Picture2_Click();
    });
}

void frmAbout::Form_Load() {
    if (QWidget* main = MainFormIfLoaded()) setWindowIcon(main->windowIcon());
    // The hand's fingertip is the cursor's point.
    const QCursor hand(imgHandPointer->Picture(), 12, 0);
    lblURL->setCursor(hand);
    lblMail->setCursor(hand);
    for (ButtonPlus* button : {cmdOK, cmdMissYou, cmdSysInfo, cmdCredits}) button->SetBackColor(0xFFBA84);
    FixButtonColors(this);
}

void frmAbout::Form_Activate() { platform::Yield(); }

void frmAbout::Form_Unload() {}

void frmAbout::cmdOK_Click() { close(); }

void frmAbout::cmdCredits_Click() { ShowCreditsWindow(); }

void frmAbout::cmdMissYou_Click() {
    const QPoint place = platform::OuterRect(this).topLeft();
    hide();
    ShowMoskWindow();
    // Unless the program closed meanwhile; back where it was, frame and all.
    if (IsUnloaded() || Quitting) return;
    platform::MoveOuter(this, place);
    show();
}

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::lblURL_Click() { OpenWithShell(MakerWebAddress); }

void frmAbout::lblMail_Click() { OpenWithShell(QStringLiteral("mailto:") + MakerMailAddress); }

// The two dice sound whatever the sound-off option says.
void frmAbout::Picture1_Click() { PlaySoundFile(SndMultiDie); }

void frmAbout::Picture2_Click() { PlaySoundFile(SndOneDie); }

void frmAbout::StartSysInfo() {
    QString path;
    QString value;
    if (GetKeyValue(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                    QStringLiteral("PATH"), value)) {
        path = value;
    } else if (GetKeyValue(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                           QStringLiteral("MSINFO"), value) &&
               FileExists(value + QStringLiteral("/MSINFO32.EXE"))) {
        path = value + QStringLiteral("/MSINFO32.EXE");
    }
    if (!path.isEmpty() && QProcess::startDetached(path, {})) return;
    platform::dialogs().MsgBox(QStringLiteral("System Information Is Unavailable At This Time"));
}

bool frmAbout::GetKeyValue(quint32, const QString&, const QString&, QString& KeyVal) {
    // This platform has no registry: no key can be opened.
    KeyVal.clear();
    return false;
}

int frmAbout::exec() {
    QPointer<frmAbout> self(this);
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    modalLoops.append(&loop);
    show();
    if (!IsUnloaded()) loop.exec(QEventLoop::DialogExec);
    if (self) modalLoops.removeOne(&loop);
    return 0;
}

void frmAbout::paintEvent(QPaintEvent*) { PaintFormGradient(this); }

void frmAbout::Unload() {
    ModalForm::Unload();
    for (QEventLoop* loop : modalLoops) loop->exit();
}

void ShowAboutBox() { ShowModalForm<frmAbout>(); }
