#pragma once
// The High Rollers window: the two top-ten lists as they stand in the high-score
// file, with a link that resets both lists to the built-in ones.
#include <QStringList>

#include "windows/modal_form.h"

class QFrame;
class QPlainTextEdit;
class ButtonPlus;
namespace platform {
class Label;
class PictureBox;
}

class frmHighRollers : public ModalForm {
    Q_OBJECT
public:
    frmHighRollers();

    platform::Label* lblHSTS = nullptr;
    platform::Label* lblBMoV = nullptr;
    QPlainTextEdit* txtHSTSList = nullptr;
    QPlainTextEdit* txtBMoVList = nullptr;
    ButtonPlus* cmdOK = nullptr;
    ButtonPlus* ButtonPlus1 = nullptr;  // kept from the layout; not shown, no handler
    platform::Label* lblReset = nullptr;
    platform::PictureBox* imgHandPointer = nullptr;  // hidden: holds the hand cursor picture
    platform::PictureBox* imgDice1 = nullptr;
    platform::PictureBox* imgDice2 = nullptr;
    QFrame* fraLists = nullptr;

    void Form_Load();
    void ShowHighScoreLists();
    void lblReset_Click();
    void ReloadMainHighScoreLists();
    void cmdOK_Click();

    // A text of Count dots; empty when Count is 0 or less.
    static QString MakeDots(int Count);
    // Ten rows of the file's lines from index first on, one per line ended by "\r\n": the name, dots up
    // to the 16th character, the score. Lines the file lacks are left out.
    static QString HighScoreRows(const QStringList& lines, int first);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Loads a fresh High Rollers window and shows it modally; it unloads itself when closed.
void ShowHighRollers();

