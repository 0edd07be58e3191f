#pragma once
// The dedication window.
#include "windows/modal_form.h"

class ButtonPlus;
namespace platform {
class Label;
class PictureBox;
}  // namespace platform

class frmMosk : public ModalForm {
    Q_OBJECT
public:
    frmMosk();

    platform::PictureBox* Image1 = nullptr;
    platform::Label* Label5 = nullptr;
    ButtonPlus* cmdOK = nullptr;

    void Form_Load();
    void cmdOK_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Loads a fresh dedication window and shows it modally.
void ShowMoskWindow();
