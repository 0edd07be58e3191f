#include "windows/frmCustomizeSounds.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "core/files.h"
#include "core/numeric.h"
#include "core/pushbutton.h"
#include "core/services.h"
#include "core/settings_store.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "table/frmMain.h"
#include "windows/gradient.h"

using platform::Label;
using platform::PlaceTwips;

namespace {

struct SoundEvent {
    const char* item;
    const char* key;
    const char* builtIn;
    QString* path;
};

// The events in list order.
const std::array<SoundEvent, 8>& soundEvents() {
    static const std::array<SoundEvent, 8> events{{
        {"Dravik", "DravikSound", "bust.wav", &SndDravik},
        {"Game Over", "GameOverSound", "gameover.wav", &SndGameOver},
        {"Move Dice", "MoveDieSound", "moveit.wav", &SndMoveDie},
        {"Pass Dice (w/ points)", "Passem1Sound", "passem1.wav", &SndPassem1},
        {"Pass Dice (w/o points)", "Passem2Sound", "passem2.wav", &SndPassem2},
        {"Roll Multiple Dice", "MultiDieSound", "33d.wav", &SndMultiDie},
        {"Roll One Die", "OneDieSound", "11d.wav", &SndOneDie},
        {"Undo", "UndoSound", "undo.wav", &SndUndo},
    }};
    return events;
}

// The order in which OK writes the keys, as list positions.
constexpr std::array<int, 8> WriteOrder{0, 6, 5, 2, 3, 4, 7, 1};

const QString BrowseFailed = QString(3, ListSeparator);  // "¤¤¤"

constexpr quint32 Navy = 0x800000;

}  // namespace

frmCustomizeSounds::frmCustomizeSounds() {
    setObjectName(QStringLiteral("frmCustomizeSounds"));
    setWindowTitle(QStringLiteral("Customize Sounds"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(platform::Px(3150), platform::Px(4095));

    QFont heading = font();
    heading.setBold(true);
    lblEvent = new Label(QStringLiteral("Event:"), this);
    PlaceTwips(lblEvent, 120, 90, 2910, 240);
    lstEvents = new QListWidget(this);
    for (const SoundEvent& event : soundEvents()) lstEvents->addItem(QLatin1String(event.item));
    lstEvents->setSelectionMode(QAbstractItemView::SingleSelection);
    PlaceTwips(lstEvents, 120, 330, 2910, 1950);
    Label1 = new Label(QStringLiteral("Sound:"), this);
    PlaceTwips(Label1, 120, 2340, 2910, 240);
    for (Label* label : {lblEvent, Label1}) {
        label->setFont(heading);
        label->SetForeColor(ColorFromNumber(Navy));
    }
    txtSound = new QLineEdit(this);
    txtSound->setReadOnly(true);
    PlaceTwips(txtSound, 120, 2580, 2910, 315);
    Label2 = new Label(QStringLiteral("[Hit Backspace to restore defaults]"), this);
    PlaceTwips(Label2, 120, 2925, 2910, 240);
    Label2->setAlignment(Qt::AlignCenter);
    QFont hint = font();
    hint.setPointSizeF(hint.pointSizeF() * 0.9);
    hint.setItalic(true);
    Label2->setFont(hint);
    Label2->SetForeColor(ColorFromNumber(Navy));

    auto makeButton = [this](const QString& caption, int left, int top) {
        auto* button = new ButtonPlus(caption, this);
        PlaceTwips(button, left, top, 1395, 360);
        return button;
    };
    cmdBrowse = makeButton(QStringLiteral("Browse..."), 120, 3240);
    cmdTest = makeButton(QStringLiteral("Test"), 1635, 3240);
    cmdOK = makeButton(QStringLiteral("OK"), 120, 3660);
    cmdCancel = makeButton(QStringLiteral("Cancel"), 1635, 3660);

    connect(lstEvents, &QListWidget::itemSelectionChanged, this, [this] { lstEvents_Click(); });
    connect(lstEvents, &QListWidget::itemDoubleClicked, this, [this] { lstEvents_DblClick(); });
    connect(cmdBrowse, &QPushButton::clicked, this, [this] { cmdBrowse_Click(); });
    connect(cmdTest, &QPushButton::clicked, this, [this] { cmdTest_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    // The window sees the keys before its controls do.
    qApp->installEventFilter(this);
}

frmCustomizeSounds::~frmCustomizeSounds() {
    if (qApp) qApp->removeEventFilter(this);
}

void frmCustomizeSounds::Form_Load() {
    if (QWidget* main = MainFormIfLoaded()) setWindowIcon(main->windowIcon());
    for (ButtonPlus* button : {cmdBrowse, cmdTest, cmdCancel, cmdOK}) button->SetBackColor(0xFFBD89);
    lstEvents->setCurrentRow(0);
    for (std::size_t i = 0; i < soundEvents().size(); ++i) PendingSound[i] = *soundEvents()[i].path;
    ShowSelectedFile();
    FixButtonColors(this);
}

int frmCustomizeSounds::SelectedEvent() const {
    const QList<QListWidgetItem*> selected = lstEvents->selectedItems();
    return selected.isEmpty() ? -1 : lstEvents->row(selected.first());
}

void frmCustomizeSounds::ShowSelectedFile() {
    const int event = SelectedEvent();
    if (event >= 0 && event < int(PendingSound.size())) txtSound->setText(GetFileName(PendingSound[event]));
}

void frmCustomizeSounds::lstEvents_Click() { ShowSelectedFile(); }

void frmCustomizeSounds::lstEvents_DblClick() { cmdBrowse_Click(); }

QString frmCustomizeSounds::BrowseForWave() {
    const int event = SelectedEvent();
    const QString current = event >= 0 ? PendingSound[event] : QString();
    const QString folder = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
    const QString chosen =
        platform::dialogs().OpenFile(QStringLiteral("Open"), folder, QStringLiteral("Wav Files (*.wav)"));
    // Closing the box without a choice keeps the sound as it was.
    return chosen.isEmpty() ? BrowseFailed : chosen;
}

void frmCustomizeSounds::cmdBrowse_Click() {
    DialogMessage = BrowseForWave();
    const int event = SelectedEvent();
    if (DialogMessage != BrowseFailed && event >= 0 && event < int(PendingSound.size())) {
        PendingSound[event] = DialogMessage;
        txtSound->setText(GetFileName(PendingSound[event]));
    }
}

void frmCustomizeSounds::cmdTest_Click() {
    // Heard even with the sound effects turned off.
    const int event = SelectedEvent();
    if (event >= 0 && event < int(PendingSound.size())) PlaySoundFile(PendingSound[event]);
}

void frmCustomizeSounds::Form_KeyUp(int KeyCode, int) {
    if (KeyCode != 8) return;
    for (std::size_t i = 0; i < soundEvents().size(); ++i)
        PendingSound[i] = TempDir + QLatin1String(soundEvents()[i].builtIn);
    ShowSelectedFile();
    platform::dialogs().MsgBox(QStringLiteral("Original Sounds Restored."), platform::Buttons::OK,
                               platform::Icon::None);
}

void frmCustomizeSounds::cmdOK_Click() {
    for (std::size_t i = 0; i < soundEvents().size(); ++i) *soundEvents()[i].path = PendingSound[i];
    bool stored = true;
    for (int event : WriteOrder)
        stored = WriteSetting(QLatin1String(soundEvents()[event].key), *soundEvents()[event].path) && stored;
    if (!stored) {
        platform::dialogs().MsgBox(
            QStringLiteral("Your sounds could not be saved to the settings file:\n%1\n\n"
                           "They stay in force until the program ends. %2")
                .arg(Settings().FilePath(), SettingsFileAfterFailure()),
            platform::Buttons::OK, platform::Icon::Exclamation);
    }
    Unload();
}

void frmCustomizeSounds::cmdCancel_Click() { Unload(); }

void frmCustomizeSounds::paintEvent(QPaintEvent*) { PaintFormGradient(this); }

bool frmCustomizeSounds::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease && !IsUnloaded()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if (widget && widget->window() == this && !key->isAutoRepeat() && key->key() == Qt::Key_Backspace) {
            Form_KeyUp(8, platform::ShiftMask(key->modifiers()));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The close box and Esc leave without keeping anything, as Cancel does.
void ShowCustomizeSounds() { ShowModalForm<frmCustomizeSounds>(); }
