// The Simple and Moron computer players: each reads the turn state and acts at once.
#include <initializer_list>

#include "core/state.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "table/computer_players.h"
#include "table/frmMain.h"

namespace {

bool In(const QString& state, std::initializer_list<const char*> states) {
    for (const char* one : states)
        if (state == QLatin1String(one)) return true;
    return false;
}

// Each step returns false when the program is closing: the turn then ends where it stands.
bool Throw(frmMain& form) {
    if (Quitting) return false;
    form.cmdRoll_Click();
    bots::ThrowPause();
    platform::Yield();
    return true;
}

bool Pass(frmMain& form) {
    BotDone = true;
    if (Quitting) return false;
    form.cmdPassDice_Click();
    platform::Yield();
    return true;
}

// Clicks every position whose code scores (unthrown positions and dice already taken
// included, which only costs the pause). With `oneUnit`, stops after the click that
// leaves a non-scoring die on the table.
bool ClickScorers(frmMain& form, bool oneUnit) {
    for (int i = 0; i < 6; ++i) {
        if (DiceCode[i] == QStringLiteral("0")) continue;
        if (Quitting) return false;
        bots::ClickDie(form, i);
        if (oneUnit) {
            bool nonScorerOnTable = false;
            for (int j = 0; j < 6; ++j)
                if (DiceCode[j] == QStringLiteral("0") && OnTable[j]) nonScorerOnTable = true;
            if (nonScorerOnTable) break;
        }
    }
    platform::Yield();
    return true;
}

// Simple: takes every scoring die, then banks from "rp" a turn of more than 350.
bool SimpleStep(frmMain& form) {
    const QString state = TurnState;
    if (In(state, {"s", "rs", "sp", "rsp"})) return ClickScorers(form, false);
    if (state == QStringLiteral("r")) return Throw(form);
    if (state == QStringLiteral("p")) return Pass(form);
    if (state == QStringLiteral("rp")) return TurnScore > 350 ? Pass(form) : Throw(form);
    platform::Yield();
    return true;
}

// Moron: takes one scoring unit, throws while it cannot bank, banks at the first chance.
bool MoronStep(frmMain& form) {
    const QString state = TurnState;
    if (state == QStringLiteral("s")) return ClickScorers(form, true);
    if (In(state, {"r", "rs"})) return Throw(form);
    if (In(state, {"p", "sp", "rsp", "rp"})) return Pass(form);
    platform::Yield();
    return true;
}

template <typename Step>
void PlayTurn(frmMain& form, Step step) {
    if (Quitting) return;
    form.picTray1->setEnabled(false);
    BotDone = false;
    while (!BotDone) {
        bots::WaitWhileOptionsOpen();
        if (BotDone) break;  // a new game took the table while play was paused
        bots::CyclePause();
        if (!step(form)) return;
    }
    if (!Quitting && !GameEnded) form.picTray1->setEnabled(true);
}

}  // namespace

void frmMain::Bot_Simple() { PlayTurn(*this, SimpleStep); }
void frmMain::Bot_Moron() { PlayTurn(*this, MoronStep); }
