#pragma once
// The end-of-game window: it covers the table, names the winner and asks for the
// same game again, a different game, or quitting.
#include "windows/modal_form.h"

class ButtonPlus;
namespace platform {
class Label;
class PictureBox;
}

class frmCongrats : public ModalForm {
    Q_OBJECT
public:
    frmCongrats();

    platform::PictureBox* picBackground = nullptr;
    platform::PictureBox* Image1 = nullptr;  // the heading picture
    platform::Label* lblWinner = nullptr;
    ButtonPlus* cmdSameGame = nullptr;
    ButtonPlus* cmdDifferentGame = nullptr;
    ButtonPlus* cmdQuit = nullptr;

    void Form_Load();
    void Form_Activate() override;
    void cmdSameGame_Click();
    void cmdDifferentGame_Click();
    void cmdQuit_Click();
    void Form_DblClick();

    // Takes the main window's outer place and inner size, so that it covers it exactly.
    void CoverMainWindow();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void reject() override;
};

// Loads a fresh end-of-game window and shows it modally; it unloads itself when answered.
void ShowCongratsWindow();
