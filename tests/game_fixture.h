#pragma once
// A table ready for whole games: short sound files whose playing the tests can
// see, and helpers that start a game through the real set-up dialog.
#include <functional>
#include <vector>

#include "support/fixtures.h"

class frmNewGame;
class frmCongrats;

class GameTest : public TableTest {
protected:
    void SetUp() override;

    // A WAV file of this length in the test's own folder.
    QString WriteWave(const QString& name, int milliseconds);

    // Opens the set-up dialog from the big New Game button; the script sets the rows
    // and presses Play (or does whatever else it likes with the dialog).
    void StartFromDialog(const std::function<void(frmNewGame&)>& script);
    // Two people, "Ann" and "Bob", goal 5000, break-in 500.
    void StartTwoPeople();

    // The seat to play ends its turn: with points it banks them, without it passes a Dravik.
    void Bank(int points);
    void PassDravik();

    // The answer given in the next end-of-game window (its buttons by name), recording
    // what the window showed.
    void AnswerCongrats(const QString& button);
    QString congratsCaption, congratsWinnerLine;
    int congratsBeeps = 0;  // beeps of the answer
    std::vector<int> scoresAtEnd;  // the seats' scores while the window showed

    QString passWithPoints, passWithout, gameOver, overTop;
};

// Sets the rows of the set-up dialog: the number of players, then per row a name and
// a style list position, or -1 for a person.
void SetRows(frmNewGame& dialog, const std::vector<std::pair<QString, int>>& rows);
