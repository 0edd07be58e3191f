#pragma once
// The sound settings window: a wave file for each of the eight sound events,
// tried out with Test, all put back to the built-in sounds with Backspace, and
// kept with OK.
#include <array>

#include "windows/modal_form.h"

class QLineEdit;
class QListWidget;
class ButtonPlus;
namespace platform {
class Label;
}

class frmCustomizeSounds : public ModalForm {
    Q_OBJECT
public:
    frmCustomizeSounds();
    ~frmCustomizeSounds() override;

    platform::Label* lblEvent = nullptr;
    QListWidget* lstEvents = nullptr;
    platform::Label* Label1 = nullptr;
    QLineEdit* txtSound = nullptr;
    platform::Label* Label2 = nullptr;
    ButtonPlus* cmdBrowse = nullptr;
    ButtonPlus* cmdTest = nullptr;
    ButtonPlus* cmdOK = nullptr;
    ButtonPlus* cmdCancel = nullptr;

    // The path chosen for each event while the window is open, in list order.
    std::array<QString, 8> PendingSound;

    void Form_Load();
    void Form_KeyUp(int KeyCode, int Shift);
    void lstEvents_Click();
    void lstEvents_DblClick();
    void cmdBrowse_Click();
    void cmdTest_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    // The file chosen in the file-open box, or "¤¤¤" when none was chosen.
    QString BrowseForWave();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int SelectedEvent() const;  // 0..7, -1 when none
    void ShowSelectedFile();
};

// Loads a fresh sound settings window and shows it modally; it unloads itself on OK or Cancel.
void ShowCustomizeSounds();
