#pragma once
// The small window that congratulates a player on a new top-ten entry and offers
// to show the High Rollers lists now. Input and answer travel in DialogMessage:
// in "name¤place¤tag" (tag "turn" or "whoop"), out "Yes" or "No" (unchanged when
// the window is closed by its close box).
#include <QDate>

#include "windows/modal_form.h"

class QFrame;
class ButtonPlus;
namespace platform {
class Label;
}

class frmViewHRListYN : public ModalForm {
    Q_OBJECT
public:
    frmViewHRListYN();

    platform::Label* lblWayToGo = nullptr;
    platform::Label* lblMessage = nullptr;
    ButtonPlus* cmdYes = nullptr;
    ButtonPlus* cmdNo = nullptr;
    platform::Label* lblCheck = nullptr;  // the tick box: caption "ü" when ticked
    platform::Label* lblDontAsk = nullptr;

    void Form_Load();
    void Form_Paint();
    void cmdYes_Click();
    void cmdNo_Click();
    void lblCheck_Click();
    void lblDontAsk_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ToggleDontAsk();

    QFrame* checkEdge = nullptr;
};

// Loads a fresh prompt and shows it modally; it unloads itself when answered or closed.
void ShowViewHighRollersPrompt();

// The serial day number of a date: whole days since 30 December 1899 (day 0).
qint32 DayNumber(const QDate& date);
// Today's serial day number, from the local date.
qint32 TodayDayNumber();

// The name of a top-ten list as the game shows it: "turn" is the single-turn list, any other tag the
// winning-margin list.
QString HighScoreListName(const QString& tag);
