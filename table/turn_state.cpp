// What the seat may do after a throw or a pick, and the show of a throw that scores nothing.
#include <QStringList>
#include <algorithm>

#include "core/pushbutton.h"
#include "core/services.h"
#include "core/state.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "table/frmMain.h"
#include "table/scoring.h"

namespace {

bool IsNoScore(const QString& code) { return code == QStringLiteral("0"); }

bool AnyTrue(const std::array<Boolean, 6>& flags) {
    return std::any_of(flags.begin(), flags.end(), [](Boolean flag) { return bool(flag); });
}

// Some die on the table with a code for which `test` holds.
template <typename Test>
bool AnyOnTableWhere(Test test) {
    for (int i = 0; i < 6; ++i)
        if (OnTable[i] && test(DiceCode[i])) return true;
    return false;
}

// Roll and Pass are switched on for a person only; a computer seat keeps them off.
void SwitchOnForPerson(ButtonPlus* button) {
    if (!SeatIsComputer()) button->setEnabled(true);
}

void SetTurn(const char* state, const char* status) {
    ShowStatus(QLatin1String(status));
    TurnState = QLatin1String(state);
}

// The typed line of the show: "DRAVIK - P" to "DRAVIK - Passing the dice.", a
// blank arriving together with the letter after it.
QStringList TypedTexts() {
    const QString full = QStringLiteral("DRAVIK - Passing the dice.");
    const int first = QStringLiteral("DRAVIK - P").size();
    QStringList texts;
    for (int length = first; length <= full.size(); ++length)
        if (full[length - 1] != QLatin1Char(' ')) texts << full.left(length);
    return texts;
}

}  // namespace

void frmMain::SetStateAfterRoll() {
    IsDravik = std::all_of(DiceCode.begin(), DiceCode.end(), [](const QString& code) {
        return code == QStringLiteral("0") || code == QStringLiteral("99");
    });
    CanBank = SeatCanBank();
    const bool anySetAside = AnyTrue(TrayUsed);
    const bool allScore = !AnyOnTableWhere(IsNoScore);

    if (allScore) {
        SetTurn("s", "Select Dice.");
        cmdRoll->setEnabled(false);
        cmdPassDice->setEnabled(false);
    } else if (IsDravik) {
        cmdPassDice->setEnabled(false);
        cmdRoll->setEnabled(false);
        // A person's show has passed the dice before it returns; the seat now to play
        // holds "p" until it throws, acting through the Roll button the pass enabled.
        // A computer seat passes when it reads "p".
        ShowDravik();
        if (CurPlayer != NoSeat) TurnState = QStringLiteral("p");
    } else if (CanBank && anySetAside) {
        SetTurn("sp", "Select Dice or Pass Dice.");
        cmdRoll->setEnabled(false);
    } else {
        SetTurn("s", "Select Dice.");
        cmdRoll->setEnabled(false);
        cmdPassDice->setEnabled(false);
    }
}

void frmMain::SetStateAfterPick() {
    CanBank = SeatCanBank();
    const bool scoringLeft = AnyOnTableWhere([](const QString& code) { return !IsNoScore(code); });
    const bool anyOnTable = AnyTrue(OnTable);
    const bool allScore = anyOnTable && !AnyOnTableWhere(IsNoScore);

    if (allScore) {
        SetTurn("s", "Select Dice.");
        cmdRoll->setEnabled(false);
        cmdPassDice->setEnabled(false);
    } else if (!anyOnTable) {
        SetTurn("r", "All dice score - You must roll.");
        SwitchOnForPerson(cmdRoll);
        cmdPassDice->setEnabled(false);
    } else if (!scoringLeft) {
        SwitchOnForPerson(cmdRoll);
        if (CanBank) {
            SetTurn("rp", "Roll or pass the dice.");
            SwitchOnForPerson(cmdPassDice);
        } else {
            SetTurn("r", "Roll the dice.");
            cmdPassDice->setEnabled(false);
        }
    } else {
        SwitchOnForPerson(cmdRoll);
        if (CanBank) {
            SetTurn("rsp", "Roll, select, or pass the dice.");
            SwitchOnForPerson(cmdPassDice);
        } else {
            SetTurn("rs", "Select dice or roll.");
            cmdPassDice->setEnabled(false);
        }
    }
}

void frmMain::ShowDravik() {
    const bool fast = SeatIsFastComputer();
    setCursor(Qt::WaitCursor);
    if (!fast) platform::Pause(250);
    if (!SoundOff) PlaySoundFile(SndDravik);

    for (int blink = 0; blink < 7; ++blink) {
        if (blink > 0 && !fast) platform::Pause(100);
        ShowStatus(blink % 2 == 0 ? QStringLiteral("DRAVIK !!!") : QString());
    }

    QStringList typed = TypedTexts();
    if (fast) typed = typed.mid(typed.size() - 2);
    else platform::Pause(300);
    for (int i = 0; i < typed.size(); ++i) {
        if (i > 0) platform::Pause(20);
        ShowStatus(typed[i]);
    }

    lblTurnScore->SetCaption(QStringLiteral("0"));
    lblTurnScore->repaint();

    if (SeatIsComputer()) {
        unsetCursor();
        return;
    }
    platform::Pause(300);
    unsetCursor();
    cmdPassDice_Click();
}
