#include "game_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

#include "core/pushbutton.h"
#include "core/settings_store.h"
#include "core/state.h"
#include "platform/controls.h"
#include "support/wave_file.h"
#include "table/frmMain.h"
#include "windows/frmCongrats.h"
#include "windows/frmNewGame.h"
#include "windows/frmViewHRListYN.h"

void GameTest::SetUp() {
    TableTest::SetUp();
    passWithPoints = WriteWave("passem1.wav", 300);
    passWithout = WriteWave("passem2.wav", 300);
    gameOver = WriteWave("gameover.wav", 300);
    SndPassem1 = passWithPoints;
    SndPassem2 = passWithout;
    SndGameOver = gameOver;
    // The going-out sound has no setting: it is always the one in the temporary folder.
    overTop = TempDir + "overtop.wav";
    QFile::remove(overTop);
    QFile::copy(WriteWave("overtop.wav", 300), overTop);
    SoundOff = false;
    ComputerSpeed = 0;
    MarkScorersOn = true;
    // Results that reach a top ten are entered without offering the lists.
    WriteSetting("NoHS", QString::number(TodayDayNumber()));
}

QString GameTest::WriteWave(const QString& name, int milliseconds) {
    const QString path = root.path() + "/" + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(WaveBytes(MonoPcm(8000, 8), QByteArray(8 * milliseconds, '\x80')));
    return path;
}

void GameTest::StartFromDialog(const std::function<void(frmNewGame&)>& script) {
    dialogs.modalScripts.push_back([script](QDialog& window) { script(static_cast<frmNewGame&>(window)); });
    form().ARCmdNewGame_Click();
}

void GameTest::StartTwoPeople() {
    StartFromDialog([](frmNewGame& dialog) {
        SetRows(dialog, {{"Ann", -1}, {"Bob", -1}});
        dialog.optPlayTo[0]->click();
        dialog.optBreakIn[0]->click();
        dialog.cmdPlay->click();
    });
}

void GameTest::Bank(int points) {
    TurnScore = Integer(points);
    IsDravik = false;
    form().cmdPassDice_Click();
}

void GameTest::PassDravik() {
    TurnScore = 0;
    IsDravik = true;
    form().cmdPassDice_Click();
}

void GameTest::AnswerCongrats(const QString& button) {
    dialogs.modalScripts.push_back([this, button](QDialog& window) {
        auto& congrats = static_cast<frmCongrats&>(window);
        congratsCaption = congrats.windowTitle();
        congratsWinnerLine = congrats.lblWinner->text();
        scoresAtEnd.assign(PlayerScore.begin(), PlayerScore.begin() + NumPlayers);
        const int beepsBefore = sound.beeps;
        if (button == "cmdSameGame") congrats.cmdSameGame->click();
        if (button == "cmdDifferentGame") congrats.cmdDifferentGame->click();
        if (button == "cmdQuit") congrats.cmdQuit->click();
        congratsBeeps = sound.beeps - beepsBefore;
    });
}

void SetRows(frmNewGame& dialog, const std::vector<std::pair<QString, int>>& rows) {
    dialog.optNumPlayers[rows.size() - 1]->click();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& [name, style] = rows[i];
        if (dialog.TxtPlayerName[i]->isEnabled()) dialog.TxtPlayerName[i]->setText(name);
        if (dialog.chkComputer[i]->isEnabled()) dialog.chkComputer[i]->setChecked(style >= 0);
        if (style >= 0) dialog.cboStyle[i]->setCurrentIndex(style);
    }
}
