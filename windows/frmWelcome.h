#pragma once
// The welcome window: greets the player, leads to the help topics and the maker's web page, and
// holds the tick that decides whether it greets again at the next start.
#include "core/types.h"
#include "windows/modal_form.h"

class ButtonPlus;
namespace platform {
class Label;
}

class frmWelcome : public ModalForm {
    Q_OBJECT
public:
    frmWelcome();

    platform::Label* Label1 = nullptr;
    platform::Label* Label2 = nullptr;
    ButtonPlus* cmdLearn = nullptr;
    ButtonPlus* cmdPoints = nullptr;
    ButtonPlus* cmdTips = nullptr;
    ButtonPlus* cmdWebSite = nullptr;
    ButtonPlus* cmdExit = nullptr;
    platform::Label* lblCheck = nullptr;
    platform::Label* lblShowWelcome = nullptr;

    // The tick was removed during this showing (setting it again does not clear this).
    Boolean WelcomeUnchecked;

    void Form_Load();
    void Form_Unload() override;
    void cmdLearn_Click();
    void cmdPoints_Click();
    void cmdTips_Click();
    void cmdWebSite_Click();
    void cmdExit_Click();
    void lblCheck_Click();
    void lblShowWelcome_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ToggleTick();
};

// Loads a fresh welcome window and shows it modally; false when it was not shown (one is already
// showing, or it is held).
bool ShowWelcomeWindow();

// Tests that are not about the welcome window hold it, so that it never greets in their midst.
void HoldWelcomeWindow(bool hold);
