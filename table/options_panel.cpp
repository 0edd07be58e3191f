// The options panel: opening it beside the game area, filling its controls,
// and closing it with Save or Cancel.
#include <QCheckBox>
#include <QEvent>
#include <QListWidget>
#include <QPixmap>
#include <QRadioButton>
#include <functional>

#include "core/files.h"
#include "core/pushbutton.h"
#include "core/services.h"
#include "core/settings_store.h"
#include "core/state.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "table/dice_colors.h"
#include "table/frmMain.h"
#include "table/options_panel.h"
#include "windows/frmCustomizeSounds.h"

using platform::Px;

namespace {

constexpr int PanelWidth = 1890;  // twips the window widens by

// A list's click as the table knows it: raised whenever the selection changes,
// by the user or by code, and when the user clicks the item already selected.
class ListClick : public QObject {
public:
    ListClick(QListWidget* list, std::function<void()> handler) : QObject(list), list(list) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->viewport()->installEventFilter(this);
        connect(list, &QListWidget::itemSelectionChanged, this, [handler] { handler(); });
        connect(list, &QListWidget::itemClicked, this, [this, handler](QListWidgetItem* item) {
            if (this->list->row(item) == selectedAtPress) handler();
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) selectedAtPress = SelectedRow(list);
        return false;
    }

private:
    QListWidget* list;
    int selectedAtPress = -1;
};

// A control's own Enabled setting, whatever its container's.
Boolean ownEnabled(const QWidget* control) { return !control->testAttribute(Qt::WA_ForceDisabled); }

// Selects one option of a group, or none for an index outside it.
template <std::size_t N>
void selectOption(const std::array<QRadioButton*, N>& group, int index) {
    for (std::size_t i = 0; i < N; ++i) {
        group[i]->setAutoExclusive(false);
        group[i]->setChecked(int(i) == index);
    }
    for (QRadioButton* option : group) option->setAutoExclusive(true);
}

// The built-in picture a stored background names by its file title ("2ovdsk1".."2ovdsk11"), 0 for none.
int builtInNumber(const QString& title) {
    for (int n = 1; n <= BuiltInBackgrounds; ++n)
        if (title == QStringLiteral("2ovdsk%1").arg(n)) return n;
    return 0;
}

// The background showing when the panel opened, kept while it is open: what Cancel
// shows when the stored picture cannot be shown again.
QPixmap& backgroundAtOpening() {
    static QPixmap picture;
    return picture;
}
bool storeFailed = false;

}  // namespace

int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

QString SelectedText(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void SelectRow(QListWidget* list, int row) {
    if (row < 0 || row >= list->count()) {
        list->setCurrentRow(-1);
        list->clearSelection();
        return;
    }
    list->setCurrentRow(row);
    list->scrollToItem(list->item(row));
}

bool NoteStored(bool written) {
    if (!written) storeFailed = true;
    return written;
}

bool TakeStoreFailure() {
    const bool failed = storeFailed;
    storeFailed = false;
    return failed;
}

void frmMain::ConnectOptionsPanel() {
    new ListClick(cboDiceColor, [this] { cboDiceColor_Click(); });
    new ListClick(lstSkin, [this] { lstSkin_Click(); });
    for (int i = 0; i < 8; ++i) {
        connect(lblColor[i], &platform::Label::Click, this, [this, i] { lblColor_Click(Integer(i)); });
        lblColor[i]->setCursor(Qt::PointingHandCursor);
    }
    connect(ARCmdSaveOptions, &QPushButton::clicked, this, [this] { ARCmdSaveOptions_Click(); });
    connect(ARCmdCancelOptions, &QPushButton::clicked, this, [this] { ARCmdCancelOptions_Click(); });
}

void frmMain::cmdCustomizeSounds_Click() { ShowCustomizeSounds(); }

void frmMain::cmdOptions_Click() {
    SavedRollEnabled = ownEnabled(cmdRoll);
    SavedPassEnabled = ownEnabled(cmdPassDice);
    SavedNewGameEnabled = ownEnabled(ARCmdNewGame);
    OptionsOpen = true;
    OptionsResizing = true;

    // Widen to the left; the game area moves right, so it stays where it was on the screen.
    hide();
    move(x() - Px(PanelWidth), y());
    setFixedSize(width() + Px(PanelWidth), height());
    picOptionsTray->show();
    picGameTray->move(Px(PanelWidth), 0);
    show();
    OptionsResizing = false;

    picSampleDice->show();
    picSampleDice->raise();
    LoadOptionsPanel();
    const std::initializer_list<QWidget*> paused{cmdOptions, cmdExit, cmdHighRollers, picGameTray, lblMnuGame,
                                                 lblMnuHelp, cmdRoll, cmdPassDice, ARCmdNewGame};
    for (QWidget* control : paused) control->setEnabled(false);
    ShowOptionValues();
    // The opening above asked for the same sound a moment ago; while it plays this one is dropped.
    if (!SoundOff) PlaySoundFile(SndGameOver);
}

void frmMain::LoadOptionsPanel() {
    OptionsOpen = true;
    InitOptionsPanel();
    // A colour in force that no swatch holds leaves the ticks as they are.
    if (const int swatch = SwatchForColorText(CurTextColor); swatch >= 0) lblColor_Click(Integer(swatch));
    for (platform::PictureBox* marker : picMarker) marker->hide();
    picSampleDice->show();
    picSampleDice->raise();
    PreviewListedDiceColor(*this);
    if (!SoundOff) PlaySoundFile(SndGameOver);
}

void frmMain::InitOptionsPanel() {
    PendingTextColor = CurTextColor;
    FillingOptions = true;
    for (int i = 0; i < 6; ++i) SavedMarkerVisible[i] = !picMarker[i]->isHidden();
    backgroundAtOpening() = Image1->Picture();

    lstSkin->clear();
    lstSkin->addItem(QStringLiteral("(None)"));
    lstSkin->addItems(BuiltInBackgroundNames());
    for (const QString& file : UserBackgroundFiles()) lstSkin->addItem(GetFileTitle(file));

    SelectRow(lstSkin, 0);  // "(None)", and any stored picture that no entry names
    const QString title = GetFileTitle(ReadSetting(QStringLiteral("Background")));
    if (const int number = builtInNumber(title); number > 0) {
        SelectRow(lstSkin, number);
    } else if (title != QStringLiteral("(None)")) {
        // The player's own pictures are stored by their path, so only their entries can
        // name one; a picture called like a built-in one is still the player's.
        for (int entry = FirstUserBackground; entry < lstSkin->count(); ++entry) {
            if (lstSkin->item(entry)->text() == title) {
                SelectRow(lstSkin, entry);
                break;
            }
        }
    }
    SavedSkinIndex = Integer(SelectedRow(lstSkin));

    SavedTray1Color = picTray1->BackColor();
    SavedTray2Color = picTray2->BackColor();
    for (int i = 0; i < 6; ++i) {
        SavedDiceBackColor[i] = Picture1[i]->BackColor();
        SavedDiceBackColor[6 + i] = Picture1[10 + i]->BackColor();
    }
    SavedDieColorBase = DieColorBase;

    if (const auto colour = DiceColorByBase(DieColorBase)) {
        // A colour that the list does not offer selects nothing, so Save keeps it.
        const QList<QListWidgetItem*> items =
            cboDiceColor->findItems(QLatin1String(colour->name), Qt::MatchExactly | Qt::MatchCaseSensitive);
        SelectRow(cboDiceColor, items.isEmpty() ? -1 : cboDiceColor->row(items.first()));
    }
    FillingOptions = false;
}

void frmMain::ShowOptionValues() {
    selectOption(optComputerSpeed, ComputerSpeed <= 2 ? int(ComputerSpeed) : -1);
    selectOption(optSound, SoundOff ? 0 : 1);
    chkSortDice->setChecked(SortDiceOn);
    chkMarkScorers->setChecked(MarkScorersOn);
}

namespace {

// The first half of Save and Cancel: the window gets back its place and width.
void closePanel(frmMain& form) {
    OptionsResizing = true;
    const std::initializer_list<QWidget*> enabled{form.cmdHighRollers, form.cmdOptions, form.cmdExit,
                                                  form.ARCmdNewGame, form.lblMnuGame, form.lblMnuHelp};
    for (QWidget* control : enabled) control->setEnabled(true);
    form.hide();
    form.setFixedSize(form.width() - Px(PanelWidth), form.height());
    form.move(form.x() + Px(PanelWidth), form.y());
    form.picOptionsTray->hide();
    form.picGameTray->move(0, 0);
    form.show();
    form.picGameTray->setEnabled(true);
    OptionsResizing = false;
}

// The play buttons as they were at opening, except that one the turn has switched on since
// (the last-roll flash ending, a computer player passing to a person) stays on: the buttons
// show the turn as it now stands, never a state that held only while the panel opened.
void restorePlayButtons(frmMain& form) {
    form.cmdRoll->setEnabled(form.SavedRollEnabled || ownEnabled(form.cmdRoll));
    form.cmdPassDice->setEnabled(form.SavedPassEnabled || ownEnabled(form.cmdPassDice));
    form.ARCmdNewGame->setEnabled(form.SavedNewGameEnabled);
}

}  // namespace

void frmMain::ARCmdSaveOptions_Click() {
    closePanel(*this);
    TakeStoreFailure();
    SaveOptionValues();
    ApplyDisplayOptions();
    OptionsOpen = false;
    restorePlayButtons(*this);
    backgroundAtOpening() = QPixmap();
    if (TakeStoreFailure()) {
        platform::dialogs().MsgBox(
            QStringLiteral("Your options could not be saved to the settings file:\n%1\n\n"
                           "They stay in force until the program ends. %2")
                .arg(Settings().FilePath(), SettingsFileAfterFailure()),
            platform::Buttons::OK, platform::Icon::Exclamation);
    }
}

void frmMain::SaveOptionValues() {
    int speed = -1;
    for (int i = 0; i < 3; ++i) {
        if (optComputerSpeed[i]->isChecked()) {
            ComputerSpeed = Byte(i);
            speed = i;
        }
    }
    SoundOff = optSound[0]->isChecked();
    SortDiceOn = chkSortDice->isChecked();
    MarkScorersOn = chkMarkScorers->isChecked();
    if (!MarkScorersOn)
        for (platform::PictureBox* marker : picMarker) marker->hide();

    Settings().SelectKey(QStringLiteral("SoundFXOFF"));
    NoteStored(Settings().WriteBoolean(optSound[0]->isChecked()));
    if (speed >= 0) {
        Settings().SelectKey(QStringLiteral("ComputerFast"));
        NoteStored(Settings().WriteInteger(Integer(speed)));
    }
    Settings().SelectKey(QStringLiteral("SortDice"));
    NoteStored(Settings().WriteBoolean(chkSortDice->isChecked()));
    Settings().SelectKey(QStringLiteral("MarkScorers"));
    NoteStored(Settings().WriteBoolean(chkMarkScorers->isChecked()));
}

void frmMain::ARCmdCancelOptions_Click() {
    closePanel(*this);
    RevertDisplayOptions();
    OptionsOpen = false;
    restorePlayButtons(*this);
    backgroundAtOpening() = QPixmap();
}

void frmMain::RevertDisplayOptions() {
    for (int i = 0; i < 6; ++i) picMarker[i]->setVisible(SavedMarkerVisible[i]);

    // The background of the entry selected at opening; a picture that cannot be read again
    // is put back as it showed then. "(None)" shows none, also when it stood for a stored
    // picture that the list does not name.
    bool shown = true;
    if (SavedSkinIndex >= 1 && SavedSkinIndex <= BuiltInBackgrounds) {
        shown = ShowBackgroundFile(*this, BuiltInBackgroundPath(SavedSkinIndex));
    } else if (SavedSkinIndex >= FirstUserBackground) {
        shown = ShowBackgroundFile(*this, ReadSetting(QStringLiteral("Background")));
    } else {
        Image1->ClearPicture();
    }
    if (!shown) Image1->SetPicture(backgroundAtOpening());

    ApplyLabelColors(CurTextColor);
    picSampleDice->hide();
    RedrawTurnDice(*this, SavedDieColorBase);
    DieColorBase = SavedDieColorBase;

    picTray1->SetBackColor(SavedTray1Color);
    picTray2->SetBackColor(SavedTray2Color);
    for (int i = 0; i < 6; ++i) {
        Picture1[i]->SetBackColor(SavedDiceBackColor[i]);
        Picture1[10 + i]->SetBackColor(SavedDiceBackColor[6 + i]);
    }
    OptionsOpen = false;
}
