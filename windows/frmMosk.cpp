#include "windows/frmMosk.h"

#include "core/pushbutton.h"
#include "core/services.h"
#include "platform/controls.h"
#include "platform/twips.h"
#include "table/frmMain.h"
#include "windows/gradient.h"

using platform::Label;
using platform::PictureBox;
using platform::PlaceTwips;

frmMosk::frmMosk() {
    setObjectName(QStringLiteral("frmMosk"));
    setWindowTitle(QStringLiteral("Mosk"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(platform::Px(4680), platform::Px(4125));

    Image1 = platform::PlacedPicture(this, QStringLiteral(":/pictures/dedication.png"), 1440, 180, 1800, 1800);

    Label5 =
        new Label(QStringLiteral("This game is dedicated to Mosk, who sat beside every test game and never "
                                 "once lost a bone to a Dravik. We miss you, old friend."),
                  this);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    Label5->setFont(font);
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignCenter);
    Label5->SetForeColor(QColor(0, 0, 128));
    PlaceTwips(Label5, 240, 2100, 4200, 1170);

    cmdOK = new ButtonPlus(QStringLiteral("OK"), this);
    PlaceTwips(cmdOK, 1732, 3450, 1215, 465);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmMosk::Form_Load() {
    if (QWidget* main = MainFormIfLoaded()) setWindowIcon(main->windowIcon());
    cmdOK->SetBackColor(0xFFAC6A);  // (106,172,255)
    FixButtonColors(this);
}

void frmMosk::cmdOK_Click() { close(); }

void frmMosk::paintEvent(QPaintEvent*) { PaintFormGradient(this); }

void ShowMoskWindow() { ShowModalForm<frmMosk>(); }
