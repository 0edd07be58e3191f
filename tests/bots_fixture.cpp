#include "bots_fixture.h"

#include <QEvent>

#include "core/pushbutton.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/random.h"
#include "table/frmMain.h"
#include "table/scoring.h"

bool ThrowCounter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && static_cast<platform::Label*>(watched)->Caption() == "Rolling...")
        ++throws;
    return false;
}

std::vector<int> NoScore(int n) {
    const std::vector<int> faces{2, 3, 4, 6, 2, 3};
    return {faces.begin(), faces.begin() + n};
}

void BotTest::SetUp() {
    TurnTest::SetUp();
    platform::SetClock(&botClock);
    botClock.atYield = [this] { Observe(); };
    form().lblStatus->installEventFilter(&counter);
    platform::Randomize(2024);
}

void BotTest::Seat(Byte style, int speed) {
    MakeComputer(speed);
    ComputerStyle[0] = style;
}

void BotTest::Lay(const QString& turnState, const std::vector<int>& tableFaces, int turnScore, int banked) {
    Quitting = false;
    GameEnded = false;
    IsDravik = turnState == "p";  // "p" follows a throw that scored nothing
    BotDone = true;
    CurPlayer = 0;
    IsComputer[0] = true;
    PlayerScore[0] = Integer(banked);
    TurnScore = Integer(turnScore);
    TurnState = turnState;
    const int n = int(tableFaces.size());
    for (int i = 0; i < 6; ++i) {
        DieFace[i] = i < n ? Integer(tableFaces[i]) : NotThrown;
        TableFace[i] = i < n ? DieFace[i] : Integer(0);
        OnTable[i] = i < n;
        BotPicked[i] = false;
        form().DrawDie(i, TableFace[i]);
    }
    DiceCode = ClassifyDice(DieFace, n);
    EmptyRow();
    SetAside(std::vector<int>(std::size_t(6 - n), 1));
    form().cmdRoll->setEnabled(false);
    form().cmdPassDice->setEnabled(false);
    form().picTray1->setEnabled(true);
}

void BotTest::Script(const std::vector<int>& faces) {
    dice = ScriptedDice();
    dice.QueueThrow(faces, !(IsComputer[CurPlayer] && ComputerSpeed == 2));
    dice.Install();
}

BotTest::Look BotTest::Now() const {
    Look look;
    look.seat = CurPlayer;
    for (int seat = 0; seat < 9; ++seat) look.banked[seat] = PlayerScore[seat];
    look.throws = counter.throws;
    look.row = RowFaces();
    return look;
}

QString BotTest::Describe(const Look& before, const Look& after) {
    if (after.seat != before.seat) {
        const int gain = before.seat < 9 ? after.banked[before.seat] - before.banked[before.seat] : 0;
        return gain != 0 ? QString("banked %1").arg(gain) : QString("passed");
    }
    if (after.throws != before.throws) return "threw";
    QStringList taken;
    for (std::size_t k = 0; k < after.row.size(); ++k)
        if (after.row[k] != 0 && before.row[k] == 0) taken << QString::number(after.row[k]);
    return taken.isEmpty() ? QString() : "took " + taken.join(' ');
}

void BotTest::Observe() {
    if (!playing) return;
    ++yields;
    if (MainForm().picTray1->isEnabled()) trayEnabledWhilePlaying = true;
    const Look now = Now();
    if (!(now == last)) {
        const QString move = Describe(last, now);
        if (!move.isEmpty()) {
            moves << move;
            if (stopAtFirstMove) Quitting = true;
        }
        last = now;
    }
    if (atYield) atYield();
    if (yields > 20000) {  // a player that never ends its turn, or never stops waiting
        watchdogFired = true;
        Quitting = true;
        OptionsOpen = false;
    }
}

QString BotTest::FirstMove() {
    stopAtFirstMove = true;
    const QStringList made = WholeTurn();
    stopAtFirstMove = false;
    Quitting = false;
    return made.isEmpty() ? QString("nothing") : made.front();
}

QStringList BotTest::WholeTurn() {
    moves.clear();
    yields = 0;
    trayEnabledWhilePlaying = false;
    last = Now();
    playing = true;
    form().StartComputerTurn();
    playing = false;
    return moves;
}
