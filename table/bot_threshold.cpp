// The Cautious, Normal and Fearless computer players: one player with three sets of constants.
#include <algorithm>
#include <array>

#include "core/state.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/process.h"
#include "table/computer_players.h"
#include "table/frmMain.h"
#include "table/scoring.h"

namespace {

struct ThresholdStyle {
    bool waitsForOptions;
    std::array<int, 5> bankAt;  // bank from "rp" at this turn score with 1..5 dice up
    int throwWithAtLeast;       // throw again from "rs" / "rsp" with at least this many dice up
    void (frmMain::*picker)();
};

const ThresholdStyle CautiousStyle{false, {250, 300, 350, 500, 700}, 5, &frmMain::PickDiceCautious};
const ThresholdStyle NormalStyle{true, {350, 400, 450, 600, 900}, 4, &frmMain::PickDiceNormal};
const ThresholdStyle FearlessStyle{true, {400, 450, 500, 1100, 1500}, 3, &frmMain::PickDiceFearless};

enum class Move {
    Pass,
    Throw,
    Pick,
    Idle,   // no action: yield and start the next cycle
    Again,  // no action: start the next cycle at once
    Leave,  // the program is closing: end the turn where it stands
};

int OwnBanked() { return PlayerScore[CurPlayer]; }
int OwnTotal() { return AddScores(PlayerScore[CurPlayer], TurnScore); }

// "rp": nothing left to take, banking allowed.
Move BankRule(frmMain& form, const ThresholdStyle& style) {
    if (FinalRoundStarter != NoSeat) {
        // The last turns: throw until strictly ahead of every banked score.
        int best = 0;
        for (int seat = 0; seat < NumPlayers && seat < 8; ++seat) best = std::max(best, int(PlayerScore[seat]));
        return best >= OwnTotal() ? Move::Throw : Move::Pass;
    }
    if (Quitting) return Move::Leave;
    NumDiceUp = form.CountDiceUp();
    if (OwnBanked() == 0) return Move::Pass;  // the break-in turn is always banked
    if (NumDiceUp >= 1 && NumDiceUp <= 5)
        return TurnScore >= style.bankAt[NumDiceUp - 1] ? Move::Pass : Move::Throw;

    platform::Yield();
    platform::dialogs().MsgBox(QStringLiteral("NumDiceUp = ") + QString::number(NumDiceUp) +
                               QStringLiteral("\r\nError 529 - Bot Click - Please contact Orvane Software."));
    form.close();
    platform::Yield();
    return Move::Again;
}

// "rs" and "rsp": scoring dice still lie on the table.
Move ContinueRule(frmMain& form, const ThresholdStyle& style) {
    if (Quitting) return Move::Leave;
    NumDiceUp = form.CountDiceUp();
    if (OwnBanked() == 0 && TurnScore >= 500) return Move::Pick;
    return NumDiceUp >= style.throwWithAtLeast ? Move::Throw : Move::Pick;
}

Move Decide(frmMain& form, const ThresholdStyle& style) {
    if (CurPlayer > 7) return Move::Idle;  // no seat to play for (a game left behind): no action, no index
    const QString& state = TurnState;
    if (state == QStringLiteral("p")) return Move::Pass;
    if (state == QStringLiteral("r")) return Move::Throw;
    if (state == QStringLiteral("s") || state == QStringLiteral("sp")) return Move::Pick;
    if (state == QStringLiteral("rp")) return BankRule(form, style);
    if (state == QStringLiteral("rs") || state == QStringLiteral("rsp")) return ContinueRule(form, style);
    return Move::Idle;
}

// A die the player picked that lies on the table again was put back by the user's undo:
// it counts as not picked, so the player takes it afresh instead of losing track of it.
void ForgetUndonePicks() {
    for (int i = 0; i < 6; ++i)
        if (OnTable[i]) BotPicked[i] = false;
}

void PlayTurn(frmMain& form, const ThresholdStyle& style) {
    if (Quitting) return;
    form.picTray1->setEnabled(false);
    BotDone = false;
    for (;;) {
        if (BotDone) {
            if (!Quitting && !GameEnded) form.picTray1->setEnabled(true);
            return;
        }
        if (style.waitsForOptions) {
            bots::WaitWhileOptionsOpen();
            if (BotDone) continue;  // a new game took the table while play was paused
        }
        bots::CyclePause();
        ForgetUndonePicks();

        const Move move = Decide(form, style);
        if (move == Move::Leave) return;
        if (move == Move::Again) continue;
        platform::Yield();
        if (move == Move::Idle) continue;
        if (Quitting) return;
        // A new game started during the yield: the move was chosen for the old one.
        if (BotDone) continue;
        switch (move) {
            case Move::Pass: form.PassDiceForBot(); break;
            case Move::Throw: form.RollDiceForBot(); break;
            default: (form.*style.picker)(); break;
        }
        platform::Yield();
    }
}

bool IsNoScore(int i) { return DiceCode[i] == QStringLiteral("0"); }
bool IsNotThrown(int i) { return DiceCode[i] == QStringLiteral("99"); }

void MarkAndClick(frmMain& form, int i) {
    BotPicked[i] = true;
    bots::ClickDie(form, i);
}

// Every scoring die of the throw that the player has not clicked yet.
void TakeEveryScorer(frmMain& form) {
    for (int i = 0; i < 6; ++i)
        if (!IsNoScore(i) && !IsNotThrown(i) && !BotPicked[i]) MarkAndClick(form, i);
}

// The first position with this code that the player has not clicked yet.
bool ClickFirst(frmMain& form, const QString& code) {
    for (int i = 0; i < 6; ++i) {
        if (DiceCode[i] == code && !BotPicked[i]) {
            MarkAndClick(form, i);
            return true;
        }
    }
    return false;
}

// Takes dice for the current throw: everything that scores when every die does or when
// fewer than `singlesFrom` dice are up; otherwise its combinations, else one 1, else
// one 5, else the three 2s.
void PickDice(frmMain& form, int singlesFrom) {
    // A game started or quit during a yield has ended the turn: the pick stops there.
    const auto yieldEndsPick = [] {
        platform::Yield();
        return bool(BotDone);
    };
    if (yieldEndsPick()) return;
    NumDiceUp = form.CountDiceUp();
    bool everyDieScores = true;
    for (int i = 0; i < 6; ++i)
        if (IsNoScore(i) && !BotPicked[i]) everyDieScores = false;
    if (everyDieScores) {
        TakeEveryScorer(form);
        return;
    }

    if (yieldEndsPick()) return;
    if (NumDiceUp < singlesFrom) {
        TakeEveryScorer(form);
        return;
    }

    if (yieldEndsPick()) return;
    bool strongGroup = false, sawOne = false, sawFive = false;
    for (int i = 0; i < 6; ++i) {
        if (IsNoScore(i) || BotPicked[i]) continue;
        const QString& code = DiceCode[i];
        if (IsGroupCode(code) && code != QStringLiteral("b")) {
            strongGroup = true;
            break;
        }
        if (code == QStringLiteral("1")) sawOne = true;
        if (code == QStringLiteral("5")) sawFive = true;
    }
    if (strongGroup) {
        // Unthrown positions are clicked too: nothing happens there but the pause.
        for (int i = 0; i < 6; ++i)
            if (!IsNoScore(i) && !BotPicked[i]) MarkAndClick(form, i);
        return;
    }

    if (yieldEndsPick()) return;
    if (sawOne) {
        ClickFirst(form, QStringLiteral("1"));
        return;
    }
    if (yieldEndsPick()) return;
    if (sawFive) {
        ClickFirst(form, QStringLiteral("5"));
        return;
    }
    if (yieldEndsPick()) return;
    if (ClickFirst(form, QStringLiteral("b"))) return;

    platform::dialogs().MsgBox(QStringLiteral("Msg 519 -- Please contact Orvane Software Tech Support."));
    platform::EndProgram();
    Quitting = true;  // nothing runs on should the ending return
}

}  // namespace

void frmMain::Bot_Cautious() { PlayTurn(*this, CautiousStyle); }
void frmMain::Bot_Normal() { PlayTurn(*this, NormalStyle); }
void frmMain::Bot_Fearless() { PlayTurn(*this, FearlessStyle); }

void frmMain::PickDiceCautious() { PickDice(*this, 5); }
void frmMain::PickDiceNormal() { PickDice(*this, 4); }
void frmMain::PickDiceFearless() { PickDice(*this, 3); }
