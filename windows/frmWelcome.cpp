#include "windows/frmWelcome.h"

#include "core/numeric.h"
#include "core/pushbutton.h"
#include "core/services.h"
#include "core/settings_store.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "windows/frmAbout.h"
#include "windows/gradient.h"
#include "windows/help_viewer.h"

using platform::Label;
using platform::PlaceTwips;

namespace {

const QString Tick = QStringLiteral("\u00FC");  // "ü": a tick mark in the symbol font
const QString ShowWelcomeKey = QStringLiteral("ShowWelcomeMessage");

bool showing = false;
bool held = false;

QFont tahoma(double points) { return platform::NamedFont(QStringLiteral("Tahoma"), points); }

}  // namespace

frmWelcome::frmWelcome() {
    setObjectName(QStringLiteral("frmWelcome"));
    setWindowTitle(QStringLiteral("How to Dravik"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/ovd3.png")));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(platform::Px(3375), platform::Px(4305));

    Label1 = new Label(QStringLiteral("Orvane Dravik 3"), this);
    QFont title = tahoma(14.25);
    title.setBold(true);
    Label1->setFont(title);
    Label1->setAlignment(Qt::AlignCenter);
    PlaceTwips(Label1, 0, 105, 3375, 420);

    Label2 = new Label(QStringLiteral("by Orvane Software"), this);
    Label2->setFont(tahoma(9.75));
    Label2->setAlignment(Qt::AlignCenter);
    PlaceTwips(Label2, 0, 525, 3375, 285);

    auto makeButton = [this](const QString& caption, int top, int height) {
        auto* button = new ButtonPlus(caption, this);
        QFont font = button->font();  // "MS Sans Serif"
        font.setPointSizeF(8.25);
        button->setFont(font);
        PlaceTwips(button, 195, top, 2985, height);
        return button;
    };
    cmdLearn = makeButton(QStringLiteral("How to Play Orvane Dravik 3"), 990, 450);
    cmdPoints = makeButton(QStringLiteral("Dice Point Values"), 1545, 450);
    cmdTips = makeButton(QStringLiteral("Dravik Tips && Tricks"), 2100, 450);
    cmdWebSite = makeButton(QStringLiteral("Visit Orvane Software's Web Site"), 2655, 450);
    cmdExit = makeButton(QStringLiteral("Start Playing Dravik!"), 3255, 525);
    QFont exitFont = cmdExit->font();
    exitFont.setBold(true);
    cmdExit->setFont(exitFont);
    cmdExit->setDefault(true);

    lblCheck = new Label(QString(), this);
    lblCheck->SetSymbolFont(true);
    lblCheck->SetForeColor(ColorFromNumber(0x800000));  // navy
    lblCheck->SetBackColor(palette().color(QPalette::Base));
    lblCheck->setCursor(Qt::PointingHandCursor);
    PlaceTwips(lblCheck, 255, 3960, 195, 195);

    lblShowWelcome = new Label(QStringLiteral("Show this welcome window"), this);
    lblShowWelcome->setFont(tahoma(8.25));
    lblShowWelcome->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblShowWelcome->setCursor(Qt::PointingHandCursor);
    PlaceTwips(lblShowWelcome, 525, 3915, 2655, 285);

    connect(cmdLearn, &QPushButton::clicked, this, [this] { cmdLearn_Click(); });
    connect(cmdPoints, &QPushButton::clicked, this, [this] { cmdPoints_Click(); });
    connect(cmdTips, &QPushButton::clicked, this, [this] { cmdTips_Click(); });
    connect(cmdWebSite, &QPushButton::clicked, this, [this] { cmdWebSite_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    connect(lblCheck, &Label::Click, this, [this] { lblCheck_Click(); });
    connect(lblShowWelcome, &Label::Click, this, [this] { lblShowWelcome_Click(); });
}

void frmWelcome::Form_Load() {
    WelcomeUnchecked = false;
    cmdTips->SetBackColor(0xFFCDA5);  // (165,205,255)
    cmdExit->SetBackColor(0xFFC391);  // (145,195,255)
    const QString show = ReadSetting(ShowWelcomeKey);
    lblCheck->SetCaption(show.isEmpty() || show == QStringLiteral("1") ? Tick : QString());
    FixButtonColors(this);
}

void frmWelcome::cmdLearn_Click() { ShowHelpTopic(2); }
void frmWelcome::cmdPoints_Click() { ShowHelpTopic(11); }
void frmWelcome::cmdTips_Click() { ShowHelpTopic(12); }
void frmWelcome::cmdWebSite_Click() { OpenWithShell(MakerWebAddress); }
void frmWelcome::cmdExit_Click() { close(); }
void frmWelcome::lblCheck_Click() { ToggleTick(); }
void frmWelcome::lblShowWelcome_Click() { ToggleTick(); }

void frmWelcome::ToggleTick() {
    platform::sound().Beep();
    Settings().SelectKey(ShowWelcomeKey);
    if (lblCheck->Caption() == Tick) {
        lblCheck->SetCaption(QString());
        Settings().WriteInteger(0);
        WelcomeUnchecked = true;
    } else {
        lblCheck->SetCaption(Tick);
        Settings().WriteInteger(1);
    }
}

void frmWelcome::Form_Unload() {
    if (!WelcomeUnchecked) return;
    // Only a choice that was really stored is confirmed, read as the main window reads it at start.
    if (ReadSetting(ShowWelcomeKey) != QStringLiteral("0")) return;
    platform::dialogs().MsgBox(
        QStringLiteral("This Welcome Window will no longer be displayed when Orvane Dravik starts up.\n") +
        QStringLiteral("If you want to view it again, just click on ") +
        QStringLiteral("\"Help, How to Play\"") + QStringLiteral(" from the main menu."));
}

void frmWelcome::paintEvent(QPaintEvent*) { PaintFormGradient(this); }

void HoldWelcomeWindow(bool hold) { held = hold; }

bool ShowWelcomeWindow() {
    if (showing || held) return false;
    showing = true;
    ShowModalForm<frmWelcome>();
    showing = false;
    return true;
}
