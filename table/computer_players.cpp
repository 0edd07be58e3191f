// The style dispatch and the steps of the computer players that act on the table.
//
// Computer turns run one after the other at the same depth of the call stack. The
// outermost StartComputerTurn plays the turn it was asked for; a StartComputerTurn
// reached while that turn is still running (the pass of a computer player, a new game
// started from the end of a game, the next game of the test run) only notes that a turn
// is due and returns, so that the pass, the end of the game and the next game's start
// finish first. The outermost call then plays the seat whose turn it now is, until no
// turn is due or the program is closing. Long series of turns and games therefore
// never deepen the stack, and events keep their order: only the passing player's last
// yield comes before the next turn instead of after it.
#include <algorithm>

#include "core/state.h"
#include "platform/random.h"
#include "table/computer_players.h"
#include "table/frmMain.h"

namespace {

bool turnRunning = false;  // a computer turn is being played further up the stack
bool turnDue = false;      // a computer turn was asked for while one was running

// Style codes.
constexpr Byte Normal = 1, Cautious = 2, Fearless = 3, Simple = 4, Random = 5, Genius = 6, Moron = 7;

// Random: one draw per turn, r = Int(x * 3) + 1 in single precision.
Byte RandomStyle() {
    const float x = float(platform::Rnd());
    const int r = std::min(int(x * 3.0f) + 1, 3);  // a draw just below 1 may round up to 1 as a single
    return r == 1 ? Normal : (r == 2 ? Cautious : Fearless);
}

// Genius: Fearless when more than 1000 behind the best other seat, Cautious when more
// than 1000 ahead of it, Normal otherwise.
Byte GeniusStyle() {
    int best = 0;
    for (int seat = 0; seat < NumPlayers && seat < 8; ++seat)
        if (seat != CurPlayer) best = std::max(best, int(PlayerScore[seat]));
    const int own = PlayerScore[CurPlayer] + TurnScore;
    if (best - own > 1000) return Fearless;
    if (own - best > 1000) return Cautious;
    return Normal;
}

// Plays one turn of the seat to play by its style; other codes start nothing.
void PlayTurn(frmMain& form) {
    if (CurPlayer > 7) return;
    Byte style = ComputerStyle[CurPlayer];
    if (style == Random) style = RandomStyle();
    else if (style == Genius) style = GeniusStyle();
    switch (style) {
        case Normal: form.Bot_Normal(); break;
        case Cautious: form.Bot_Cautious(); break;
        case Fearless: form.Bot_Fearless(); break;
        case Simple: form.Bot_Simple(); break;
        case Moron: form.Bot_Moron(); break;
        default: break;
    }
}

// A turn noted while another ran is played only if the table still calls for it: a game
// started meanwhile with a person first, or a game ended, takes the turn back.
bool ComputerSeatToPlay() {
    return !GameEnded && CurPlayer < NumPlayers && CurPlayer < 8 && IsComputer[CurPlayer];
}

}  // namespace

void frmMain::StartComputerTurn() {
    if (turnRunning) {
        turnDue = true;
        return;
    }
    struct Running {
        Running() { turnRunning = true; }
        ~Running() {
            turnRunning = false;
            turnDue = false;
        }
    } running;

    PlayTurn(*this);
    while (turnDue && !Quitting) {
        turnDue = false;
        if (ComputerSeatToPlay()) PlayTurn(*this);
    }
}

Byte frmMain::CountDiceUp() {
    int up = 0;
    for (int i = 0; i < 6; ++i)
        if (DiceCode[i] != QStringLiteral("99") && !BotPicked[i]) ++up;
    return Byte(up);
}

void frmMain::RollDiceForBot() {
    BotPicked.fill(false);
    cmdRoll_Click();
    bots::ThrowPause();
}

void frmMain::PassDiceForBot() {
    BotDone = true;
    cmdPassDice_Click();
}
