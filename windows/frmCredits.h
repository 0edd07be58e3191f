#pragma once
// The credits window: a credits text that scrolls upwards in a loop until OK or the close box.
#include <QColor>
#include <QRect>
#include <QString>

#include "core/types.h"
#include "windows/modal_form.h"

class ButtonPlus;
namespace platform {
class Label;
class PictureBox;
}  // namespace platform

class frmCredits : public ModalForm {
    Q_OBJECT
public:
    frmCredits();

    platform::Label* Label1 = nullptr;
    platform::PictureBox* picScroll = nullptr;
    ButtonPlus* cmdOK = nullptr;

    QString CreditsText;  // lines joined by CR LF
    Boolean StopScroll;
    // Where the text is drawn at the next step (pixels of picScroll), and its measured height.
    QRect TextRect;
    int TextHeight = 0;
    QColor ScrollForeColor = Qt::black;  // the text colour of picScroll

    void Form_Load();
    void Form_Activate() override;
    void Form_Unload() override;
    void cmdOK_Click();
    // Runs until the scroll is stopped, then unloads the window.
    void ScrollCredits();

private:
    int MeasureText() const;
    void DrawStep();
    bool activated = false;
};

// The credits text, lines joined by CR LF.
QString CreditsLines();

// Loads a fresh credits window and shows it modally; returns once it has unloaded itself.
void ShowCreditsWindow();
