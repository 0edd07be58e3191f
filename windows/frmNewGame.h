#pragma once
// The set-up dialog: seats, names, computer players and their styles, goal and
// break-in; it keeps a saved default set-up and starts the game.
#include <QDialog>
#include <QList>
#include <QStringList>
#include <array>

#include "core/types.h"

class QCheckBox;
class QComboBox;
class QEventLoop;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class ButtonPlus;
namespace platform {
class Label;
}

class frmNewGame : public QDialog {
    Q_OBJECT
public:
    frmNewGame();

    QGroupBox* Frame1 = nullptr;  // "Number of Players:"
    std::array<QRadioButton*, 8> optNumPlayers{};
    QGroupBox* Frame3 = nullptr;  // break-in
    std::array<QRadioButton*, 2> optBreakIn{};
    QGroupBox* Frame2 = nullptr;  // "Play to:"
    std::array<QRadioButton*, 2> optPlayTo{};
    platform::Label* lblComputer = nullptr;
    platform::Label* lblPlayerName = nullptr;
    platform::Label* lblStyle = nullptr;
    std::array<QLineEdit*, 8> TxtPlayerName{};
    std::array<QCheckBox*, 8> chkComputer{};
    std::array<QComboBox*, 8> cboStyle{};
    ButtonPlus* cmdPlay = nullptr;
    ButtonPlus* cmdCancel = nullptr;
    ButtonPlus* cmdSetDefault = nullptr;

    void Form_Load();
    void Form_Activate();
    void optNumPlayers_Click(int Index);
    void chkComputer_Click(int Index);
    void TxtPlayerName_GotFocus(int Index);
    void cmdSetDefault_Click();
    void cmdCancel_Click();
    void cmdPlay_Click();
    void cmdPlay_ShowValue(Integer& Value);
    void lblComputer_DblClick();

    // Outer height in twips (client area plus title bar and borders).
    int HeightTwips() const;

    // Shows the dialog modally, as often as asked, also from inside its own Play.
    int exec() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void SetHeightTwips(int twips);
    void Unload();
    void LoadSavedDefaults();

    QList<QEventLoop*> modalLoops;
    bool unloaded = false;
};

// Shows the set-up dialog modally, loading it first when it is not loaded.
void ShowNewGameDialog();
frmNewGame* NewGameIfLoaded();
void UnloadNewGame();  // for tests

// The texts that the set-up dialog saves as its defaults.
struct SetupDefaultTexts {
    QString names, isComputer, styles;
};
// One row of the set-up: name, computer seat, list position of the style.
struct SetupRow {
    QString name;
    bool computer = false;
    int style = 0;
};
// n seats from rows 0..n-1; with one seat, rows[1] is the computer opponent whose style is kept.
SetupDefaultTexts ComposeSetupDefaults(int n, const std::array<SetupRow, 8>& rows);

// Built-in default texts of the three list keys.
extern const QString DefaultNameList;
extern const QString DefaultIsCompList;
extern const QString DefaultStyleList;
