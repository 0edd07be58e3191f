#include "windows/frmNewGame.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>

#include "core/numeric.h"
#include "core/pushbutton.h"
#include "core/services.h"
#include "core/settings_store.h"
#include "core/state.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/placement.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "table/frmMain.h"
#include "table/last_roll.h"
#include "windows/frmScorePad.h"
#include "windows/test_run.h"

using platform::Label;
using platform::PlaceTwips;
using platform::Px;

const QString DefaultNameList =
    QStringLiteral("Player1¤Player2¤Player3¤Player4¤Player5¤Player6¤Player7¤Player8");
const QString DefaultIsCompList = QStringLiteral("False¤True¤True¤True¤True¤True¤True¤True¤");
const QString DefaultStyleList = QStringLiteral("00¤0¤22¤33¤44¤55¤66¤77¤");

namespace {

frmNewGame* instance = nullptr;

const std::array<const char*, 8> NumberWords{"One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight"};
const std::array<const char*, 7> StyleNames{"Normal", "Cautious", "Fearless", "Simple", "Random", "Genius", "Moron"};

// A push button whose caption wraps onto several lines when it does not fit on one.
class WrappingButton : public ButtonPlus {
public:
    using ButtonPlus::ButtonPlus;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, caption);
    }
};

// A text that reads wholly as a number: decimal with optional sign, point and exponent, or "&H" hex.
bool isNumericText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return false;
    if (trimmed.startsWith(QStringLiteral("&H"), Qt::CaseInsensitive)) {
        bool ok = false;
        trimmed.mid(2).toUInt(&ok, 16);
        return ok;
    }
    bool ok = false;
    QLocale::c().toDouble(trimmed, &ok);
    return ok;
}

// A saved list split at "¤"; written with its built-in text when empty (which serves as it is
// when it cannot be stored), and read as the built-in text when it holds fewer items than the
// set-up needs.
QStringList readDefaultList(const QString& key, const QString& builtIn, int needed) {
    QString text = ReadSetting(key);
    if (text.isEmpty()) text = WriteSetting(key, builtIn) ? ReadSetting(key) : builtIn;
    QStringList items = text.split(ListSeparator);
    if (items.size() < needed) items = builtIn.split(ListSeparator);
    return items;
}

// A style list position 0..6; anything else gives "Normal".
int stylePosition(const QString& item) {
    if (!isNumericText(item)) return 0;
    const Integer position = ToInteger(Val(item.trimmed()));
    return position >= 0 && position <= 6 ? position : 0;
}

// A name as it can stand in a saved list: no separator, no line break.
QString storableName(QString name) {
    name.replace(ListSeparator, QLatin1Char(' '));
    name.replace(QLatin1Char('\r'), QLatin1Char(' '));
    name.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return name;
}

}  // namespace

SetupDefaultTexts ComposeSetupDefaults(int n, const std::array<SetupRow, 8>& rows) {
    SetupDefaultTexts texts;
    for (int i = 0; i < 8; ++i) {
        const bool playing = i < n;
        texts.names += (playing ? storableName(rows[i].name) : QStringLiteral("~")) + ListSeparator;
        texts.isComputer += (playing ? (rows[i].computer ? QStringLiteral("True") : QStringLiteral("False"))
                                     : QStringLiteral("~")) +
                            ListSeparator;
        const QString seatTwice = QStringLiteral("%1%1").arg(i);
        texts.styles += (playing && rows[i].computer ? QString::number(rows[i].style) : seatTwice) + ListSeparator;
    }
    if (n == 1) texts.styles.replace(QStringLiteral("11"), QString::number(rows[1].style));
    return texts;
}

frmNewGame::frmNewGame() {
    setObjectName(QStringLiteral("frmNewGame"));
    setWindowTitle(QStringLiteral(" Start New Game - Orvane Dravik 3"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedWidth(Px(6000));
    SetHeightTwips(3495);

    Frame1 = new QGroupBox(QStringLiteral("Number of Players:"), this);
    PlaceTwips(Frame1, 120, 120, 2295, 1455);
    for (int i = 0; i < 8; ++i) {
        optNumPlayers[i] = new QRadioButton(QLatin1String(NumberWords[i]), Frame1);
        PlaceTwips(optNumPlayers[i], i < 4 ? 240 : 1320, 360 + 240 * (i % 4), 900, 255);
    }
    optNumPlayers[0]->setChecked(true);

    Frame3 = new QGroupBox(QStringLiteral("\"Break In\" Score:"), this);
    PlaceTwips(Frame3, 2640, 120, 1935, 665);
    Frame2 = new QGroupBox(QStringLiteral("Play to:"), this);
    PlaceTwips(Frame2, 2640, 910, 1935, 665);
    optBreakIn[0] = new QRadioButton(QStringLiteral("500"), Frame3);
    optBreakIn[1] = new QRadioButton(QStringLiteral("1000"), Frame3);
    optPlayTo[0] = new QRadioButton(QStringLiteral("5000"), Frame2);
    optPlayTo[1] = new QRadioButton(QStringLiteral("10000"), Frame2);
    for (int k = 0; k < 2; ++k) {
        PlaceTwips(optBreakIn[k], k == 0 ? 120 : 960, 240, 855, 255);
        PlaceTwips(optPlayTo[k], k == 0 ? 120 : 960, 240, 855, 255);
    }

    lblComputer = new Label(QStringLiteral("Computer Player?"), this);
    PlaceTwips(lblComputer, 1920, 1800, 975, 495);
    lblComputer->setAlignment(Qt::AlignCenter);
    lblComputer->setWordWrap(true);
    lblPlayerName = new Label(QStringLiteral("Name"), this);
    PlaceTwips(lblPlayerName, 120, 1920, 735, 255);
    lblStyle = new Label(QStringLiteral("Computer Style"), this);
    PlaceTwips(lblStyle, 3000, 1920, 1575, 255);
    for (Label* heading : {lblComputer, lblPlayerName, lblStyle}) heading->SetForeColor(palette().color(QPalette::WindowText));

    for (int i = 0; i < 8; ++i) {
        TxtPlayerName[i] = new QLineEdit(this);
        PlaceTwips(TxtPlayerName[i], 120, 2280 + 360 * i, 1695, 315);
        TxtPlayerName[i]->installEventFilter(this);
        chkComputer[i] = new QCheckBox(this);
        PlaceTwips(chkComputer[i], 2280, 2355 + 360 * i, 195, 195);
        cboStyle[i] = new QComboBox(this);
        for (const char* style : StyleNames) cboStyle[i]->addItem(QLatin1String(style));
        PlaceTwips(cboStyle[i], 3000, 2280 + 360 * i, 1575, 315);
    }

    cmdPlay = new WrappingButton(QStringLiteral("Play !!!"), this);
    PlaceTwips(cmdPlay, 4800, 120, 1095, 885);
    cmdCancel = new WrappingButton(QStringLiteral("Cancel"), this);
    PlaceTwips(cmdCancel, 4800, 1080, 1095, 885);
    cmdSetDefault = new WrappingButton(QStringLiteral("Save Game Setup as Default"), this);
    PlaceTwips(cmdSetDefault, 4800, 2040, 1095, 885);
    cmdSetDefault->setToolTip(QStringLiteral(" Click here to make Orvane Dravik always start with this game "
                                             "setup (same players and scoring options.) "));
    QFont bold = cmdPlay->font();
    bold.setBold(true);
    cmdPlay->setFont(bold);

    for (int i = 0; i < 8; ++i) {
        connect(optNumPlayers[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) optNumPlayers_Click(i);
        });
        connect(chkComputer[i], &QCheckBox::stateChanged, this, [this, i](int) { chkComputer_Click(i); });
    }
    connect(cmdPlay, &QPushButton::clicked, this, [this] { cmdPlay_Click(); });
    connect(cmdPlay, &ButtonPlus::ShowValue, this, [this](Integer& value) { cmdPlay_ShowValue(value); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdSetDefault, &QPushButton::clicked, this, [this] { cmdSetDefault_Click(); });
    connect(lblComputer, &Label::DblClick, this, [this] { lblComputer_DblClick(); });
}

int frmNewGame::HeightTwips() const { return platform::Twips(height()) + WindowFrameTwips; }

void frmNewGame::SetHeightTwips(int twips) { setFixedHeight(Px(twips - WindowFrameTwips)); }

void frmNewGame::Form_Load() {
    if (QWidget* main = MainFormIfLoaded()) setWindowIcon(main->windowIcon());
    NumPlayers = 1;
    platform::sound().Beep();
    // Centred on the screen, then 500 twips further down and to the right.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QSize outer = platform::OuterRect(this).size();
    platform::MoveOuter(this, {area.x() + (area.width() - outer.width()) / 2 + Px(500),
                               area.y() + (area.height() - outer.height()) / 2 + Px(500)});
    repaint();
    for (QLineEdit* name : TxtPlayerName) name->clear();
    optNumPlayers_Click(0);
    FixButtonColors(this);
}

void frmNewGame::optNumPlayers_Click(int Index) {
    NumPlayers = Byte(Index + 1);
    for (int i = 0; i < 8; ++i) {
        if (i > Index) {
            TxtPlayerName[i]->hide();
            chkComputer[i]->hide();
            chkComputer[i]->setChecked(false);
            cboStyle[i]->hide();
            cboStyle[i]->setCurrentIndex(0);
        } else {
            TxtPlayerName[i]->show();
            TxtPlayerName[i]->setEnabled(true);
            TxtPlayerName[i]->setText(QStringLiteral("Player%1").arg(i + 1));
            chkComputer[i]->show();
            chkComputer[i]->setChecked(false);
            chkComputer[i]->setEnabled(true);
            cboStyle[i]->show();
            cboStyle[i]->setEnabled(false);
            cboStyle[i]->setCurrentIndex(0);
        }
    }
    if (Index == 0) {
        // One player: row 1 is the fixed computer opponent, whose style may be chosen.
        for (int i = 0; i < 8; ++i) {
            TxtPlayerName[i]->setVisible(i < 2);
            chkComputer[i]->setVisible(i < 2);
            cboStyle[i]->setVisible(i < 2);
        }
        TxtPlayerName[1]->setText(QStringLiteral("Computer"));
        TxtPlayerName[1]->setEnabled(false);
        chkComputer[1]->setChecked(true);
        chkComputer[1]->setEnabled(false);
        cboStyle[1]->setEnabled(true);
    }
    for (int i = 0; i < 8; ++i) cboStyle[i]->setVisible(chkComputer[i]->isChecked());
    SetHeightTwips((Index <= 1 ? 3435 : 3435 + 360 * (Index - 1)) + 60);
    repaint();
}

void frmNewGame::chkComputer_Click(int Index) {
    const bool ticked = chkComputer[Index]->isChecked();
    cboStyle[Index]->setVisible(ticked);
    cboStyle[Index]->setEnabled(ticked);
}

void frmNewGame::TxtPlayerName_GotFocus(int Index) {
    TxtPlayerName[Index]->setSelection(0, int(TxtPlayerName[Index]->text().size()));
}

void frmNewGame::Form_Activate() {
    if (QWidget* main = MainFormIfLoaded())
        platform::MoveOuter(this, {platform::OuterRect(this).x(), platform::OuterRect(main).y() + Px(1550)});
    repaint();
    optPlayTo[PlayToScore != 5000 ? 1 : 0]->setChecked(true);
    optBreakIn[BreakIn != 500 ? 1 : 0]->setChecked(true);
    if (DialogMessage != QStringLiteral("SameGame")) LoadSavedDefaults();
    cmdPlay->setFocus();
    if (DialogMessage == QStringLiteral("SameGame") || DialogMessage == QStringLiteral("RestartGame")) {
        DialogMessage.clear();
        cmdPlay_Click();
    }
}

void frmNewGame::LoadSavedDefaults() {
    optPlayTo[ReadSetting(QStringLiteral("defPlayToScore")) == QStringLiteral("10000") ? 1 : 0]->setChecked(true);
    optBreakIn[ReadSetting(QStringLiteral("defBreakInScore")) == QStringLiteral("1000") ? 1 : 0]->setChecked(true);

    // A number of players that the dialog cannot show counts as the built-in one.
    int n = 1;
    const QString seats = ReadSetting(QStringLiteral("defNumPlayers"));
    if (isNumericText(seats)) {
        const double value = RoundHalfEven(Val(seats.trimmed()));
        if (value >= 1 && value <= 8) n = int(value);
    }
    optNumPlayers[n - 1]->setChecked(true);

    const QStringList names = readDefaultList(QStringLiteral("defPlayerNameString"), DefaultNameList, n);
    for (int i = 0; i < n; ++i) TxtPlayerName[i]->setText(names[i]);

    const QStringList computers = readDefaultList(QStringLiteral("defPlayerIsCompString"), DefaultIsCompList, n);
    for (int i = 0; i < n; ++i) chkComputer[i]->setChecked(computers[i] == QStringLiteral("True"));

    const QStringList styles =
        readDefaultList(QStringLiteral("defPlayerstyleString"), DefaultStyleList, n == 1 ? 2 : n);
    for (int i = 0; i < n; ++i)
        if (chkComputer[i]->isChecked()) cboStyle[i]->setCurrentIndex(stylePosition(styles[i]));
    if (n == 1) cboStyle[1]->setCurrentIndex(stylePosition(styles[1]));
}

void frmNewGame::cmdSetDefault_Click() {
    int n = 0;
    for (int i = 0; i < 8; ++i)
        if (optNumPlayers[i]->isChecked()) n = i + 1;
    std::array<SetupRow, 8> rows;
    for (int i = 0; i < 8; ++i)
        rows[i] = {TxtPlayerName[i]->text(), chkComputer[i]->checkState() != Qt::Unchecked,
                   cboStyle[i]->currentIndex()};
    const SetupDefaultTexts texts = ComposeSetupDefaults(n, rows);

    SettingsStore& store = Settings();
    bool stored = true;
    store.SelectKey(QStringLiteral("defPlayToScore"));
    stored = store.WriteInteger(optPlayTo[0]->isChecked() ? 5000 : 10000) && stored;
    store.SelectKey(QStringLiteral("defBreakInScore"));
    stored = store.WriteInteger(optBreakIn[0]->isChecked() ? 500 : 1000) && stored;
    store.SelectKey(QStringLiteral("defNumPlayers"));
    stored = store.WriteInteger(Integer(n)) && stored;
    stored = WriteSetting(QStringLiteral("defPlayerNameString"), texts.names) && stored;
    stored = WriteSetting(QStringLiteral("defPlayerIsCompString"), texts.isComputer) && stored;
    stored = WriteSetting(QStringLiteral("defPlayerStyleString"), texts.styles) && stored;
    if (!stored) {
        // No "Done..." for a save that did not happen; the set-up on screen stays as it is.
        platform::dialogs().MsgBox(
            QStringLiteral("Your game setup could not be saved as the default in the settings file:\n%1\n\n"
                           "You can still play it now. %2")
                .arg(store.FilePath(), SettingsFileAfterFailure()),
            platform::Buttons::OK, platform::Icon::Exclamation);
        return;
    }

    const QString caption = cmdSetDefault->Caption();
    cmdSetDefault->SetCaption(QStringLiteral("Saving..."));
    platform::Pause(400);
    cmdSetDefault->SetCaption(QStringLiteral("Done..."));
    platform::sound().Beep();
    platform::Pause(400);
    cmdSetDefault->SetCaption(caption);
}

void frmNewGame::cmdCancel_Click() {
    MainForm().cmdRoll->setEnabled(false);
    Unload();
}

void frmNewGame::cmdPlay_Click() {
    frmMain& main = MainForm();
    main.ARCmdNewGame->hide();
    main.cmdRoll->show();
    main.cmdPassDice->show();
    main.picTray1->setEnabled(true);
    main.picTray2->setEnabled(true);

    CurPlayer = 0;
    for (int i = 0; i < 8; ++i) {
        PlayerName[i] = TxtPlayerName[i]->text();
        IsComputer[i] = chkComputer[i]->checkState() != Qt::Unchecked;
        frmScorePad& pad = ScorePad();
        pad.SetItalicName(i, IsComputer[i]);
        PlayerScore[i] = 0;
        pad.lblScore[i]->SetCaption(QStringLiteral("0"));
        // A text that names no style leaves the seat's code as it was.
        const QString styleText = cboStyle[i]->currentText();
        for (size_t code = 0; code < StyleNames.size(); ++code)
            if (styleText == QLatin1String(StyleNames[code])) ComputerStyle[i] = Byte(code + 1);
    }
    main.lblPlayer->SetCaption(PlayerName[CurPlayer]);
    for (int i = 0; i < 6; ++i) {
        DiceCode[i] = QStringLiteral("0");
        OnTable[i] = false;
        TrayUsed[i] = false;
    }
    if (NumPlayers == 1) NumPlayers = 2;

    ShowStatus(QStringLiteral("Roll the dice."));
    TurnState = QStringLiteral("r");
    // Roll belongs to a person; a computer seat 0 must not find it left enabled by an abandoned game.
    main.cmdRoll->setEnabled(!IsComputer[CurPlayer]);
    TurnScore = 0;
    main.lblTurnScore->SetCaption(QStringLiteral("0"));
    main.lblTurnScore->repaint();
    main.cmdPassDice->setEnabled(false);

    PlayToScore = optPlayTo[0]->isChecked() ? 5000 : 10000;
    BreakIn = optBreakIn[0]->isChecked() ? 500 : 1000;
    for (int i = 0; i < 6; ++i) {
        main.picMarker[i]->hide();
        main.Picture1[i]->ClearPicture();
        main.Picture1[10 + i]->ClearPicture();
    }
    FinalRoundStarter = NoSeat;
    HideLastRollLine(main);
    GameEnded = false;

    hide();
    repaint();

    ShowPadForNewGame();
    if (IsComputer[CurPlayer] && !GameEnded) main.StartComputerTurn();  // not when quit during its yield
}

void frmNewGame::cmdPlay_ShowValue(Integer& Value) { platform::dialogs().MsgBox(QString::number(Value)); }

void frmNewGame::lblComputer_DblClick() {
    if (!IsUpArrowDown()) return;
    const auto answer = platform::dialogs().MsgBox(QStringLiteral("Enter Test Mode ?"), platform::Buttons::YesNo,
                                                   platform::Icon::Question, QStringLiteral("Test Mode"));
    if (answer == platform::Answer::Yes) RunComputerTest();
}

int frmNewGame::exec() {
    // Play hides the dialog and may run a whole game, and the next set-up, inside this
    // show; so every show runs its own loop, and hiding the dialog ends them all.
    QPointer<frmNewGame> self(this);
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    modalLoops.append(&loop);
    show();
    if (isVisible()) loop.exec(QEventLoop::DialogExec);
    if (self) modalLoops.removeOne(&loop);
    return 0;
}

bool frmNewGame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < 8; ++i) {
            if (watched == TxtPlayerName[i]) {
                // After the click that gave the focus has placed the cursor.
                QTimer::singleShot(0, this, [this, i] { TxtPlayerName_GotFocus(i); });
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmNewGame::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The activation runs once the dialog is on screen.
    QMetaObject::invokeMethod(this, [this] {
        if (isVisible() && !unloaded) Form_Activate();
    }, Qt::QueuedConnection);
}

void frmNewGame::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (event->spontaneous()) return;
    for (QEventLoop* loop : modalLoops) loop->exit();
}

void frmNewGame::closeEvent(QCloseEvent* event) {
    event->accept();
    Unload();
}

void frmNewGame::reject() { Unload(); }

void frmNewGame::Unload() {
    if (unloaded) return;
    unloaded = true;
    if (instance == this) instance = nullptr;
    hide();
    deleteLater();
}

void ShowNewGameDialog() {
    if (!instance) {
        instance = new frmNewGame();
        instance->Form_Load();
    }
    platform::dialogs().ShowModal(*instance);
}

frmNewGame* NewGameIfLoaded() { return instance; }

void UnloadNewGame() {
    delete instance;
    instance = nullptr;
}
