// The main window: its controls, load step, activation, keys, resize and unload.
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <initializer_list>

#include "core/numeric.h"
#include "core/pushbutton.h"
#include "core/services.h"
#include "core/settings_store.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/placement.h"
#include "platform/process.h"
#include "platform/resources.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "table/dice_colors.h"
#include "table/frmMain.h"
#include "windows/frmScorePad.h"
#include "windows/frmWelcome.h"

using platform::Label;
using platform::PictureBox;
using platform::PlaceTwips;

namespace {

constexpr int DesignWidth = 8265;  // twips; the load step narrows it by 2400
constexpr int DesignHeight = 7695;
constexpr int GameWidth = DesignWidth - 2400;
constexpr std::array<int, 6> BoxLefts{60, 960, 1845, 2745, 3645, 4530};
constexpr int BoxSize = 816;
constexpr int TrayLeft = 225, Tray1Top = 1800, Tray2Top = 3600, TrayWidth = 5415, TrayHeight = 906;

frmMain* instance = nullptr;

Label* makeLabel(QWidget* parent, const QString& caption, int left, int top, int width, int height,
                 Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new Label(caption, parent);
    PlaceTwips(label, left, top, width, height);
    label->setAlignment(align);
    return label;
}

ButtonPlus* makeButton(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
    auto* button = new ButtonPlus(caption, parent);
    PlaceTwips(button, left, top, width, height);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(9);
    font.setBold(true);
    button->setFont(font);
    return button;
}

// The captions of a column of caption-value rows get the width their text takes in the font they
// use (at least their designed width); each value starts one blank after its caption's colon and
// runs to the trays' right edge.
void fitCaptionColumn(std::initializer_list<std::pair<Label*, Label*>> rows) {
    int width = 0;
    for (const auto& row : rows)
        width = std::max({width, row.first->width(), row.first->sizeHint().width()});
    for (const auto& [caption, value] : rows) {
        caption->resize(width, caption->height());
        const int left = caption->x() + width + caption->fontMetrics().horizontalAdvance(QLatin1Char(' '));
        value->setGeometry(left, value->y(), platform::Px(TrayLeft + TrayWidth) - left, value->height());
    }
}

QGroupBox* makeFrame(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
    auto* frame = new QGroupBox(caption, parent);
    PlaceTwips(frame, left, top, width, height);
    return frame;
}

}  // namespace

frmMain& MainForm() {
    if (!instance) {
        instance = new frmMain();
        instance->Form_Load();
    }
    return *instance;
}

frmMain* MainFormIfLoaded() { return instance; }

void UnloadMainForm() {
    delete instance;
    instance = nullptr;
}

frmMain::frmMain() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/ovd3.png")));
    setFixedSize(platform::Px(DesignWidth), platform::Px(DesignHeight));
    BuildOptionsPanel();
    BuildGameArea();
    BuildMenus();
    ConnectHandlers();
    qApp->installEventFilter(this);
}

frmMain::~frmMain() {
    if (qApp) qApp->removeEventFilter(this);
}

void frmMain::BuildGameArea() {
    picGameTray = new PictureBox(this);
    picGameTray->setObjectName(QStringLiteral("picGameTray"));
    PlaceTwips(picGameTray, 0, 0, GameWidth, DesignHeight);

    Image1 = new PictureBox(picGameTray);
    Image1->SetFit(PictureBox::Fit::Fill);
    Image1->SetTransparent(true);
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);
    PlaceTwips(Image1, 0, 0, GameWidth, DesignHeight);

    QFont menuFont = font();
    menuFont.setBold(true);
    menuFont.setUnderline(true);
    lblMnuGame = makeLabel(picGameTray, QStringLiteral("Game"), 150, 90, 600, 285);
    lblMnuHelp = makeLabel(picGameTray, QStringLiteral("Help"), 810, 90, 600, 285);
    for (Label* menu : {lblMnuGame, lblMnuHelp}) {
        menu->setFont(menuFont);
        menu->setCursor(Qt::PointingHandCursor);
    }

    QFont big = font();
    big.setPointSizeF(11);
    big.setBold(true);
    Label1 = makeLabel(picGameTray, QStringLiteral("Current Player:"), TrayLeft, 690, 1950, 360);
    lblPlayer = makeLabel(picGameTray, QString(), 2205, 690, 3435, 360);
    lblTurnScoreLabel = makeLabel(picGameTray, QStringLiteral("Score this Turn:"), TrayLeft, 1095, 1950, 360);
    lblTurnScore = makeLabel(picGameTray, QString(), 2205, 1095, 3435, 360);
    for (Label* label : {Label1, lblPlayer, lblTurnScoreLabel, lblTurnScore}) label->setFont(big);
    fitCaptionColumn({{Label1, lblPlayer}, {lblTurnScoreLabel, lblTurnScore}});

    picTray1 = new PictureBox(picGameTray, true);
    picTray1->setObjectName(QStringLiteral("picTray1"));
    PlaceTwips(picTray1, TrayLeft, Tray1Top, TrayWidth, TrayHeight);
    picTray2 = new PictureBox(picGameTray, true);
    picTray2->setObjectName(QStringLiteral("picTray2"));
    PlaceTwips(picTray2, TrayLeft, Tray2Top, TrayWidth, TrayHeight);
    for (int i = 0; i < 6; ++i) {
        Picture1[i] = new PictureBox(picTray1, true);
        Picture1[i + 10] = new PictureBox(picTray2, true);
        PlaceTwips(Picture1[i], BoxLefts[i], 45, BoxSize, BoxSize);
        PlaceTwips(Picture1[i + 10], BoxLefts[i], 45, BoxSize, BoxSize);
        picMarker[i] = new PictureBox(picGameTray);
        picMarker[i]->SetTransparent(true);
        picMarker[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        PlaceTwips(picMarker[i], TrayLeft + BoxLefts[i] + (BoxSize - 240) / 2, Tray1Top - 195, 240, 180);
    }
    pctDivider = new PictureBox(picTray2);
    pctDivider->SetTransparent(true);
    pctDivider->setAttribute(Qt::WA_TransparentForMouseEvents);
    PlaceTwips(pctDivider, BoxLefts[1] - 84, 45, 75, BoxSize);

    picSampleDice = new PictureBox(picGameTray, true);
    PlaceTwips(picSampleDice, TrayLeft, Tray2Top, TrayWidth, TrayHeight);
    lblSampleDice = makeLabel(picSampleDice, QStringLiteral("(Sample Dice)"), 0, 0, TrayWidth, TrayHeight,
                              Qt::AlignCenter);
    lblSampleDice->setFont(big);
    picSampleDice->hide();

    QFont statusFont = font();
    statusFont.setPointSizeF(10.5);
    statusFont.setBold(true);
    lblStatus = makeLabel(picGameTray, QStringLiteral("Status Messages"), TrayLeft, 2880, TrayWidth, 375,
                          Qt::AlignCenter);
    lblStatus->setFont(statusFont);
    lblLastRoll = makeLabel(picGameTray, QStringLiteral("(Last Roll - Need nnn)"), TrayLeft, 3165, TrayWidth, 330,
                            Qt::AlignCenter);
    lblLastRoll->setFont(statusFont);
    lblLastRoll->hide();

    ARCmdNewGame = makeButton(picGameTray, QStringLiteral("New Game"), TrayLeft, 4890, TrayWidth, 690);
    QFont bigButton = ARCmdNewGame->font();
    bigButton.setPointSizeF(13);
    ARCmdNewGame->setFont(bigButton);
    cmdRoll = makeButton(picGameTray, QStringLiteral("Roll Dice"), TrayLeft, 4890, 2610, 690);
    cmdPassDice = makeButton(picGameTray, QStringLiteral("Pass Dice"), TrayLeft + 2805, 4890, 2610, 690);
    for (ButtonPlus* play : {cmdRoll, cmdPassDice}) {
        play->setFont(bigButton);
        play->hide();
    }
    cmdOptions = makeButton(picGameTray, QStringLiteral("Options"), TrayLeft, 6960, 1725, 480);
    cmdHighRollers = makeButton(picGameTray, QStringLiteral("High Rollers"), TrayLeft + 1845, 6960, 1725, 480);
    cmdExit = makeButton(picGameTray, QStringLiteral("Exit"), TrayLeft + 3690, 6960, 1725, 480);

    lstHSTS = new QListWidget(this);
    lstBMoV = new QListWidget(this);
    lstSorter = new QListWidget(this);
    for (QListWidget* hidden : {lstHSTS, lstBMoV, lstSorter}) hidden->hide();
}

void frmMain::BuildOptionsPanel() {
    picOptionsTray = new PictureBox(this);
    picOptionsTray->setObjectName(QStringLiteral("picOptionsTray"));
    PlaceTwips(picOptionsTray, 0, 0, 2385, DesignHeight);

    Frame1 = makeFrame(picOptionsTray, QStringLiteral("Speed:"), 60, 60, 1755, 1095);
    const std::array<const char*, 3> speeds{"Normal", "Fast", "Ridiculous"};
    const std::array<int, 3> speedTops{270, 510, 765};
    for (int i = 0; i < 3; ++i) {
        optComputerSpeed[i] = new QRadioButton(QLatin1String(speeds[i]), Frame1);
        PlaceTwips(optComputerSpeed[i], 120, speedTops[i], i == 2 ? 1455 : 1335, 255);
    }
    Frame4 = makeFrame(picOptionsTray, QStringLiteral("Misc:"), 60, 1185, 1755, 855);
    chkSortDice = new QCheckBox(QStringLiteral("Sort Dice"), Frame4);
    PlaceTwips(chkSortDice, 120, 240, 1515, 240);
    chkMarkScorers = new QCheckBox(QStringLiteral("Mark Points"), Frame4);
    PlaceTwips(chkMarkScorers, 120, 480, 1515, 255);
    Frame3 = makeFrame(picOptionsTray, QStringLiteral("Sound FX:"), 60, 2070, 1755, 990);
    optSound[1] = new QRadioButton(QStringLiteral("On"), Frame3);
    PlaceTwips(optSound[1], 180, 240, 735, 255);
    optSound[0] = new QRadioButton(QStringLiteral("Off"), Frame3);
    PlaceTwips(optSound[0], 960, 210, 735, 315);
    cmdCustomizeSounds = makeButton(Frame3, QStringLiteral("Customize"), 240, 540, 1215, 315);
    Frame2 = makeFrame(picOptionsTray, QStringLiteral("Dice:"), 60, 3090, 1755, 1215);
    cboDiceColor = new QListWidget(Frame2);
    cboDiceColor->addItems(DiceColorListItems());
    PlaceTwips(cboDiceColor, 120, 240, 1455, 840);
    Frame5 = makeFrame(picOptionsTray, QStringLiteral("Background:"), 60, 4335, 1755, 1215);
    lstSkin = new QListWidget(Frame5);
    PlaceTwips(lstSkin, 120, 240, 1575, 840);
    Frame6 = makeFrame(picOptionsTray, QStringLiteral("Text Color:"), 60, 5580, 1755, 975);
    for (int i = 0; i < 8; ++i) {
        lblColor[i] = makeLabel(Frame6, QString(), 90 + 390 * (i % 4), i < 4 ? 210 : 540, 390, 330,
                                Qt::AlignCenter);
        lblColor[i]->SetSymbolFont(true);
        lblColor[i]->setFrameShape(QFrame::Box);
    }
    ARCmdSaveOptions = makeButton(picOptionsTray, QStringLiteral("Save"), 90, 6720, 1695, 375);
    ARCmdCancelOptions = makeButton(picOptionsTray, QStringLiteral("Cancel"), 90, 7170, 1695, 375);
    picOptionsTray->hide();
}

void frmMain::BuildMenus() {
    mnuGame = new QMenu(QStringLiteral("&Game"), this);
    mnuNewGame = mnuGame->addAction(QStringLiteral("&New Game  (F2)"));
    mnuOptions = mnuGame->addAction(QStringLiteral("&Options..."));
    mnuGame->addSeparator();
    mnuExit = mnuGame->addAction(QStringLiteral("&Exit"));
    mnuHelpMe = new QMenu(QStringLiteral("HelpMe"), this);
    mnuHowToPlay = mnuHelpMe->addAction(QStringLiteral("How to Play..."));
    mnuGoHelp = mnuHelpMe->addAction(QStringLiteral("&Show Orvane Dravik 3 Help..."));
    mnuHelpMe->addSeparator();
    mnuAbout = mnuHelpMe->addAction(QStringLiteral("About Orvane Dravik 3..."));
}

void frmMain::ConnectHandlers() {
    connect(cmdRoll, &QPushButton::clicked, this, [this] { cmdRoll_Click(); });
    connect(cmdPassDice, &QPushButton::clicked, this, [this] { cmdPassDice_Click(); });
    connect(ARCmdNewGame, &QPushButton::clicked, this, [this] { ARCmdNewGame_Click(); });
    connect(cmdOptions, &QPushButton::clicked, this, [this] { cmdOptions_Click(); });
    connect(cmdHighRollers, &QPushButton::clicked, this, [this] { cmdHighRollers_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    connect(cmdCustomizeSounds, &QPushButton::clicked, this, [this] { cmdCustomizeSounds_Click(); });
    for (int index : {0, 1, 2, 3, 4, 5, 10, 11, 12, 13, 14, 15}) {
        connect(Picture1[index], &PictureBox::MouseUp, this,
                [this, index](int button, int shift, float x, float y) {
                    Picture1_MouseUp(index, button, shift, x, y);
                });
    }
    connect(picTray1, &PictureBox::MouseUp, this,
            [this](int button, int shift, float x, float y) { picTray1_MouseUp(button, shift, x, y); });
    connect(picTray2, &PictureBox::MouseUp, this,
            [this](int button, int shift, float x, float y) { picTray2_MouseUp(button, shift, x, y); });
    connect(lblMnuGame, &Label::Click, this, [this] { lblMnuGame_Click(); });
    connect(lblMnuHelp, &Label::Click, this, [this] { lblMnuHelp_Click(); });
    connect(mnuNewGame, &QAction::triggered, this, [this] { mnuNewGame_Click(); });
    connect(mnuOptions, &QAction::triggered, this, [this] { mnuOptions_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnuHowToPlay, &QAction::triggered, this, [this] { mnuHowToPlay_Click(); });
    connect(mnuGoHelp, &QAction::triggered, this, [this] { mnuGoHelp_Click(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
    ConnectOptionsPanel();
}

void frmMain::Form_Load() {
    FirstActivate = true;
    const std::array<quint32, 8> swatchColours{0, 0xFF, 0xFF00, 0xFFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (int i = 0; i < 8; ++i) lblColor[i]->SetBackColor(ColorFromNumber(swatchColours[i]));

    setFixedSize(width() - platform::Px(2400), height());
    picGameTray->move(0, 0);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
    }
    setWindowTitle(QStringLiteral(" Orvane Dravik 3.0"));
    ShowStatus(QStringLiteral(" "));
    for (int i = 0; i < 6; ++i) {
        picMarker[i]->SetPicture(platform::LoadResBitmap(199));
        picMarker[i]->hide();
    }
    pctDivider->SetPicture(platform::LoadResBitmap(198));
    pctDivider->hide();
    cmdPassDice->setEnabled(false);
    cmdRoll->setEnabled(false);

    const QColor trays = ColorFromNumber(StartupTrayColor(DieColorBase));
    picTray1->SetBackColor(trays);
    picTray2->SetBackColor(trays);
    for (int i = 0; i < 6; ++i) {
        Picture1[i]->SetBackColor(trays);
        Picture1[i + 10]->SetBackColor(trays);
    }
    LoadHighScores();
    FixButtonColors(this);
}

void frmMain::Form_Activate() {
    const QString show = ReadSetting(QStringLiteral("ShowWelcomeMessage"));
    if (FirstActivate && show != QStringLiteral("0")) {
        if (ShowWelcomeWindow()) FirstActivate = false;
    }
}

int VbKeyCode(quint32 scanCode, int qtKey, bool keypad) {
    if (scanCode >= 10 && scanCode <= 15) return 49 + int(scanCode - 10);  // the number row's 1..6
    // The keypad's 0, 1..3, 4..6 and point.
    if (scanCode == 90) return 96;
    if (scanCode >= 87 && scanCode <= 89) return 97 + int(scanCode - 87);
    if (scanCode >= 83 && scanCode <= 85) return 100 + int(scanCode - 83);
    if (scanCode == 91) return 110;
    if (keypad && qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
    if (keypad && (qtKey == Qt::Key_Period || qtKey == Qt::Key_Comma || qtKey == Qt::Key_Delete)) return 110;
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 48 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 65 + (qtKey - Qt::Key_A);
    switch (qtKey) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Escape: return 27;
        case Qt::Key_F2: return 113;
        default: return 0;
    }
}

void frmMain::Form_KeyUp(int KeyCode, int Shift) {
    if (OptionsOpen && KeyCode != 27) return;  // play is paused behind the options panel
    const bool diceKey = KeyCode == 8 || (KeyCode >= 49 && KeyCode <= 54) || (KeyCode >= 97 && KeyCode <= 102);
    if (diceKey && GameEnded) return;  // the dice of a game that is over or quit stay where they are
    auto takeFace = [this](int face) {
        for (int i = 0; i < 6; ++i) {
            if (OnTable[i] && DieFace[i] == face) {
                Picture1_MouseUp(i, 1, 0, 100, 100);
                return;
            }
        }
    };
    if (KeyCode == 8) {  // Backspace: undo the picks of this throw
        for (int box = 10; box <= 15; ++box) Picture1_MouseUp(box, 1, 0, 100, 100);
    } else if (KeyCode == 27) {  // Esc: end the program at once
        platform::EndProgram();
    } else if (KeyCode >= 49 && KeyCode <= 54) {  // digits 1..6: take a die with that face
        takeFace(KeyCode - 48);
    } else if (KeyCode >= 97 && KeyCode <= 102) {  // keypad 1..6
        takeFace(KeyCode - 96);
    } else if (KeyCode == 80 || KeyCode == 110) {  // P or keypad point: pass
        if (cmdPassDice->isEnabled()) cmdPassDice_Click();
    } else if (KeyCode == 82 || KeyCode == 96) {  // R or keypad 0: roll
        if (cmdRoll->isEnabled()) cmdRoll_Click();
    } else if (KeyCode == 113) {  // F2: new game; with Shift, started at once from the saved set-up
        if (Shift == 1) DialogMessage = QStringLiteral("RestartGame");
        mnuNewGame_Click();
    }
}

void frmMain::Form_Resize() {
    if (OptionsResizing || !ScorePadInUse) return;
    frmScorePad& pad = ScorePad();
    if (isMinimized()) {
        const QPoint place = platform::OuterRect(&pad).topLeft();
        ScorePadLeft = ToInteger(platform::Twips(place.x()));
        ScorePadTop = ToInteger(platform::Twips(place.y()));
        pad.hide();
    } else {
        pad.show();
        platform::MoveOuter(&pad, {platform::Px(ScorePadLeft), platform::Px(ScorePadTop)});
        pad.repaint();
    }
}

void frmMain::Form_Unload(Integer& Cancel) {
    if (CurPlayer != NoSeat) {
        platform::sound().Beep();
        const auto answer = platform::dialogs().MsgBox(
            QStringLiteral("Are you sure you want to quit the current game?"), platform::Buttons::YesNo,
            platform::Icon::Question, QStringLiteral("Quit?"));
        if (answer != platform::Answer::Yes) {
            Cancel = -1;
            return;
        }
    }
    Quitting = true;
    unloading = true;
    UnloadAllForms();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // Key preview: the window sees every key release before its controls do. A release is a
    // command only when its key was pressed on the window (an Esc that closed a menu or a
    // dialog is not), with the modifiers held at its press or its release. A window's handle
    // gets each key before the widget it passes it on to; only the widgets count.
    const bool press = event->type() == QEvent::KeyPress, release = event->type() == QEvent::KeyRelease;
    auto* widget = qobject_cast<QWidget*>(watched);
    if ((press || release) && widget && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool here = widget->window() == this;
        const int shift = platform::ShiftMask(key->modifiers());
        // A key's press and release pair by its code: Shift let go first changes what the key types.
        const int code = VbKeyCode(key->nativeScanCode(), key->key(), key->modifiers() & Qt::KeypadModifier);
        if (press && here) {
            keyPresses.Pressed(code, shift);
        } else if (press) {
            keyPresses.PressedElsewhere(code);
        } else if (const auto chord = keyPresses.Released(code, shift); chord && here && code != 0) {
            Form_KeyUp(code, *chord);
            return true;
        }
    } else if (event->type() == QEvent::ApplicationDeactivate) {
        keyPresses.Clear();  // releases outside our windows never reach us
    } else if (event->type() == QEvent::WindowActivate && watched == this) {
        Form_Activate();
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (unloading) {
        event->accept();
        return;
    }
    Integer cancel = 0;
    Form_Unload(cancel);
    if (cancel) event->ignore();
    else event->accept();
}

void frmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmMain::DrawDie(int box, int face) {
    PictureBox* target = Picture1[box];
    if (face == 0) target->ClearPicture();
    else target->SetPicture(platform::LoadResBitmap(DieColorBase + face));
}
