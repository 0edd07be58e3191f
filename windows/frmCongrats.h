#pragma once
// The end-of-game window: it covers the table, names the winner and asks for the
// same game again, a different game, or quitting.
#include <QDialog>

class ButtonPlus;
namespace platform {
class Label;
class PictureBox;
}

class frmCongrats : public QDialog {
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
    void Form_Activate();
    void cmdSameGame_Click();
    void cmdDifferentGame_Click();
    void cmdQuit_Click();
    void Form_DblClick();

protected:
    void showEvent(QShowEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Unload();
    bool unloaded = false;
};

// Loads a fresh end-of-game window and shows it modally; it unloads itself when answered.
void ShowCongratsWindow();
