// The hidden computer-against-computer test run: seven computer seats, one of each
// style, play a series of games at full speed without sound; then a report of the
// wins and the end of the program.
#include "windows/test_run.h"

#include <array>
#include <functional>

#include "core/numeric.h"
#include "core/pushbutton.h"
#include "core/services.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/process.h"
#include "platform/twips.h"
#include "table/frmMain.h"
#include "windows/frmNewGame.h"
#include "windows/frmScorePad.h"

namespace {

struct TestSeat {
    const char* name;
    Byte style;
};
// Seat (TestNormalSeat + k) mod 7 plays entry k.
constexpr std::array<TestSeat, 7> Rotation{{{"Normal", 1},
                                            {"Cautious", 2},
                                            {"Fearless", 3},
                                            {"Simple", 4},
                                            {"Random", 5},
                                            {"Genius", 6},
                                            {"Moron", 7}}};

// The number at the start of the answer, rounded half to even; the fallback when it
// is not accepted or does not fit a 16-bit integer.
Integer AskNumber(const QString& prompt, const QString& suggested, const std::function<bool(int)>& accepted,
                  Integer fallback) {
    const QString answer = platform::dialogs().InputBox(prompt, QString(), suggested);
    const double value = RoundHalfEven(Val(answer));
    if (value < -32768 || value > 32767 || !accepted(int(value))) return fallback;
    return Integer(value);
}

// A non-negative number as it is written with room for its sign.
QString WithSignRoom(int number) { return (number >= 0 ? QStringLiteral(" ") : QString()) + QString::number(number); }

QString Report() {
    QString text = QStringLiteral("Test Run Complete.\r\n\r\nPlayer\t\t# Wins\r\n---------\t\t-----------\r\n");
    for (int seat = 0; seat <= 6; ++seat)
        text += PlayerName[seat] + QStringLiteral(":\t\t") + QString::number(TestWins[seat]) + QStringLiteral("\r\n");
    return text + QStringLiteral("\r\nExiting...");
}

void StartTestGame() {
    frmMain& main = MainForm();
    CurPlayer = 0;
    SoundOff = true;
    MarkScorersOn = false;
    SortDiceOn = false;
    NumPlayers = 7;
    for (int k = 0; k < 7; ++k) {
        const int seat = (TestNormalSeat + k) % 7;
        PlayerName[seat] = QLatin1String(Rotation[k].name);
        ComputerStyle[seat] = Rotation[k].style;
    }
    for (int seat = 0; seat < 7; ++seat) {
        IsComputer[seat] = true;
        frmScorePad& pad = ScorePad();
        pad.SetItalicName(seat, true);
        PlayerScore[seat] = 0;
        pad.lblScore[seat]->SetCaption(QStringLiteral("0"));
    }
    main.lblPlayer->SetCaption(PlayerName[CurPlayer]);
    for (int i = 0; i < 6; ++i) {
        DiceCode[i] = QStringLiteral("0");
        OnTable[i] = false;
        TrayUsed[i] = false;
    }

    ShowStatus(QStringLiteral("Roll the dice."));
    TurnState = QStringLiteral("r");
    TurnScore = 0;
    main.lblTurnScore->SetCaption(QStringLiteral("0"));
    main.lblTurnScore->repaint();
    main.cmdPassDice->setEnabled(false);
    for (int i = 0; i < 6; ++i) {
        main.picMarker[i]->hide();
        main.Picture1[i]->ClearPicture();
        main.Picture1[10 + i]->ClearPicture();
    }

    FinalRoundStarter = NoSeat;
    // However the last game left them: the last-roll line hidden, the status line at its first place.
    main.lblLastRoll->hide();
    main.lblStatus->move(main.lblStatus->x(), platform::Px(2880));
    GameEnded = false;

    if (frmNewGame* setup = NewGameIfLoaded()) {
        setup->hide();
        setup->repaint();
    }
    ShowPadForNewGame();
    main.StartComputerTurn();
}

}  // namespace

void RunComputerTest() {
    if (TestGamesPlayed == 0) {
        TestMode = true;
        ComputerSpeed = 2;
        TestGamesTotal = AskNumber(QStringLiteral("How Many Games (7 or 14) ???"), QStringLiteral("14"),
                                   [](int n) { return n == 7 || n == 14; }, 14);
        TestNormalSeat = AskNumber(QStringLiteral("Normal's Position (0-6) ???"), QStringLiteral("0"),
                                   [](int n) { return n >= 0 && n <= 6; }, 0);
        PlayToScore = AskNumber(QStringLiteral("Play to 5000 or 10000 ???"), QStringLiteral("5000"),
                                [](int n) { return n == 5000 || n == 10000; }, 5000);
        BreakIn = AskNumber(QStringLiteral("Amount needed to break in ???"), QStringLiteral("500"),
                            [](int n) { return n == 500 || n == 1000; }, 500);
    } else {
        ScorePad().setWindowTitle(QStringLiteral(" Game ") + WithSignRoom(TestGamesPlayed + 1) +
                                  QStringLiteral(" of ") + QString::number(TestGamesTotal));
    }

    const Integer played = TestGamesPlayed;
    TestGamesPlayed = Integer(played + 1);
    if (played == TestGamesTotal) {
        ScorePad().setWindowTitle(QStringLiteral(" Score Pad"));
        platform::dialogs().MsgBox(Report());
        platform::EndProgram();
        Quitting = true;  // nothing runs on should the ending return
        return;
    }
    StartTestGame();
}
