// The end of a game: the winner, the end-of-game window and the answer given there.
#include <algorithm>
#include <vector>

#include "core/pushbutton.h"
#include "core/services.h"
#include "core/state.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "table/frmMain.h"
#include "table/last_roll.h"
#include "windows/frmCongrats.h"
#include "windows/test_run.h"

void frmMain::FinishGame() {
    // The seat that went out wins unless a later seat in turn order scored strictly more.
    const int wentOut = CurPlayer;
    WinnerSeat = CurPlayer;
    Integer best = PlayerScore[wentOut];
    for (int step = 1; step < NumPlayers; ++step) {
        const int seat = (wentOut + step) % NumPlayers;
        if (PlayerScore[seat] > best) {
            WinnerSeat = Byte(seat);
            best = PlayerScore[seat];
        }
    }

    platform::Pause(500);

    if (TestMode) {
        ++TestWins[WinnerSeat];
    } else {
        if (!IsComputer[WinnerSeat]) CheckWhoopinHighScore(PlayerName[WinnerSeat], GetWinningMargin());
        ShowCongratsWindow();
    }

    cmdRoll->setEnabled(false);
    cmdPassDice->setEnabled(false);
    GameEnded = true;
    CurPlayer = NoSeat;
    ShowStatus(QStringLiteral(" "));
    lblPlayer->SetCaption(QStringLiteral(" "));
    HideLastRollLine(*this);
    activateWindow();
    setFocus();

    if (TestMode) RunComputerTest();

    if (DialogMessage == QStringLiteral("SameGame")) {
        mnuNewGame_Click();
    } else if (DialogMessage == QStringLiteral("DifferentGame")) {
        ARCmdNewGame->show();
        cmdRoll->hide();
        cmdPassDice->hide();
        DialogMessage.clear();
        mnuNewGame_Click();
    } else if (DialogMessage == QStringLiteral("Quit")) {
        DialogMessage.clear();
        close();
    }
}

Integer frmMain::GetWinningMargin() {
    std::vector<int> scores;
    for (int i = 0; i < NumPlayers && i < 8; ++i) scores.push_back(PlayerScore[i]);
    if (scores.size() < 2) return 0;
    std::sort(scores.begin(), scores.end(), std::greater<>());
    return AddScores(scores[0], -scores[1]);
}
