#pragma once
// The main window: the game table with its trays, buttons, labels, label
// menus, hidden high-score lists and the options panel.
#include <QColor>
#include <QWidget>
#include <array>

#include "core/types.h"
#include "platform/keys.h"

class QListWidget;
class QMenu;
class QAction;
class QGroupBox;
class QRadioButton;
class QCheckBox;
class ButtonPlus;
namespace platform {
class PictureBox;
class Label;
}  // namespace platform

class frmMain : public QWidget {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    // Controls (geometry in twips in main_window.cpp).
    platform::PictureBox* picGameTray = nullptr;
    platform::PictureBox* Image1 = nullptr;
    platform::PictureBox* picTray1 = nullptr;
    platform::PictureBox* picTray2 = nullptr;
    std::array<platform::PictureBox*, 16> Picture1{};  // 0..5 table, 10..15 set aside
    std::array<platform::PictureBox*, 6> picMarker{};
    platform::PictureBox* pctDivider = nullptr;
    platform::PictureBox* picSampleDice = nullptr;
    platform::Label* lblSampleDice = nullptr;
    platform::Label* Label1 = nullptr;
    platform::Label* lblPlayer = nullptr;
    platform::Label* lblTurnScoreLabel = nullptr;
    platform::Label* lblTurnScore = nullptr;
    platform::Label* lblStatus = nullptr;
    platform::Label* lblLastRoll = nullptr;
    platform::Label* lblMnuGame = nullptr;
    platform::Label* lblMnuHelp = nullptr;
    ButtonPlus* cmdRoll = nullptr;
    ButtonPlus* cmdPassDice = nullptr;
    ButtonPlus* ARCmdNewGame = nullptr;
    ButtonPlus* cmdOptions = nullptr;
    ButtonPlus* cmdHighRollers = nullptr;
    ButtonPlus* cmdExit = nullptr;
    QListWidget* lstHSTS = nullptr;
    QListWidget* lstBMoV = nullptr;
    QListWidget* lstSorter = nullptr;  // kept from the layout; hidden, nothing uses it

    // Menus of the two label menus.
    QMenu* mnuGame = nullptr;
    QAction* mnuNewGame = nullptr;
    QAction* mnuOptions = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelpMe = nullptr;
    QAction* mnuHowToPlay = nullptr;
    QAction* mnuGoHelp = nullptr;
    QAction* mnuAbout = nullptr;

    // The options panel.
    platform::PictureBox* picOptionsTray = nullptr;
    QGroupBox* Frame1 = nullptr;  // "Speed:"
    std::array<QRadioButton*, 3> optComputerSpeed{};
    QGroupBox* Frame4 = nullptr;  // "Misc:"
    QCheckBox* chkSortDice = nullptr;
    QCheckBox* chkMarkScorers = nullptr;
    QGroupBox* Frame3 = nullptr;  // "Sound FX:"
    std::array<QRadioButton*, 2> optSound{};
    ButtonPlus* cmdCustomizeSounds = nullptr;
    QGroupBox* Frame2 = nullptr;  // "Dice:"
    QListWidget* cboDiceColor = nullptr;
    QGroupBox* Frame5 = nullptr;  // "Background:"
    QListWidget* lstSkin = nullptr;
    QGroupBox* Frame6 = nullptr;  // "Text Color:"
    std::array<platform::Label*, 8> lblColor{};
    ButtonPlus* ARCmdSaveOptions = nullptr;
    ButtonPlus* ARCmdCancelOptions = nullptr;

    // Window events.
    void Form_Load();
    void Form_Activate();
    void Form_KeyUp(int KeyCode, int Shift);
    void Form_Resize();
    void Form_Unload(Integer& Cancel);

    // Computer players and the two dice routines (public members of the table).
    void Bot_Cautious();
    void Bot_Normal();
    void Bot_Fearless();
    void Bot_Simple();
    void Bot_Moron();
    Byte GetDie2();
    void Bubble(Integer& SortHowMany);

    // The throw, its scoring and the turn states.
    void cmdRoll_Click();
    void ThrowDice(Byte& NumDice);
    void FindScoringDice(Byte& NumDice);
    void SetStateAfterRoll();
    void SetStateAfterPick();
    void ShowDravik();

    // Taking dice and undo.
    void Picture1_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void picTray1_MouseUp(int Button, int Shift, float X, float Y);
    void picTray2_MouseUp(int Button, int Shift, float X, float Y);
    void TakeDie(Byte& Index);

    // Passing the dice and the end of the game.
    void cmdPassDice_Click();
    void FinishGame();
    Integer GetWinningMargin();

    // The computer players' common steps and the style dispatch.
    void StartComputerTurn();
    void PickDiceCautious();
    void PickDiceNormal();
    void PickDiceFearless();
    Byte CountDiceUp();
    void RollDiceForBot();
    void PassDiceForBot();

    // Menus and buttons.
    void lblMnuGame_Click();
    void lblMnuHelp_Click();
    void mnuNewGame_Click();
    void mnuOptions_Click();
    void mnuExit_Click();
    void mnuHowToPlay_Click();
    void mnuGoHelp_Click();
    void mnuAbout_Click();
    void ARCmdNewGame_Click();
    void cmdHighRollers_Click();
    void cmdCustomizeSounds_Click();
    void cmdExit_Click();
    void cmdOptions_Click();

    // High-score lists and the top-ten checks.
    void LoadHighScores();
    void CheckTurnHighScore(const QString& Name, Integer Score);
    void CheckWhoopinHighScore(const QString& Name, Integer Margin);
    void SaveHighScores();
    QStringList HighScoresAsRead;  // the lists as last read from or saved to the file

    // The options panel, dice colours, backgrounds and text colours.
    void LoadOptionsPanel();
    void InitOptionsPanel();
    void ShowOptionValues();
    void ARCmdSaveOptions_Click();
    void SaveOptionValues();
    void ARCmdCancelOptions_Click();
    void RevertDisplayOptions();
    void cboDiceColor_Click();
    void lblColor_Click(Integer Index);
    void lstSkin_Click();
    void ApplyDisplayOptions();
    QString PendingTextColor;
    std::array<Boolean, 6> SavedMarkerVisible{};
    Integer SavedSkinIndex = 0;
    Integer SavedDieColorBase = 0;
    QColor SavedTray1Color, SavedTray2Color;
    std::array<QColor, 12> SavedDiceBackColor{};
    Boolean FillingOptions;
    Boolean SavedRollEnabled, SavedPassEnabled, SavedNewGameEnabled;

    // Label colours: the excepted captions navy, all others the given colour text.
    void ApplyLabelColors(const QString& colorText);

    // Draws face (1..6) of the dice colour in force into a box; 0 empties it.
    void DrawDie(int box, int face);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildGameArea();
    void BuildOptionsPanel();
    void BuildMenus();
    void ConnectHandlers();
    void ConnectOptionsPanel();

    bool unloading = false;
    platform::KeyPresses keyPresses;
};

// The main window is created and loaded at its first use.
frmMain& MainForm();
frmMain* MainFormIfLoaded();
void UnloadMainForm();  // for tests: destroys the window so the next use loads a fresh one

// Key code of a key event as the table's commands know them (Backspace 8,
// Esc 27, digits 48..57, keypad digits 96..105, keypad point 110, letters 65..90,
// F2 113); 0 for keys the window does not know. The number row's 1..6 and the
// keypad's 0..6 and point count by where the key is (its X key code, 0 where the
// platform gives none), whatever Shift, Num Lock and the layout make it type.
int VbKeyCode(quint32 scanCode, int qtKey, bool keypad);
