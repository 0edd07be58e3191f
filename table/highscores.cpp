// The two top-ten lists of the main window.
#include <QListWidget>

#include "core/highscore_file.h"
#include "table/frmMain.h"

void frmMain::LoadHighScores() {
    const QStringList entries = ReadHighScoreFile();
    lstHSTS->clear();
    lstBMoV->clear();
    lstHSTS->addItems(entries.mid(0, 10));
    lstBMoV->addItems(entries.mid(10, 10));
}

// The top-ten checks arrive with the high-score windows; until then nothing enters the lists.
void frmMain::CheckTurnHighScore(const QString&, Integer) {}
void frmMain::CheckWhoopinHighScore(const QString&, Integer) {}
