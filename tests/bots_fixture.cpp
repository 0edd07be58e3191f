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
    Quitting = GameEnded = false;
    IsDravik = turnState == "p";  // "p" follows a throw that scored nothing
    BotDone = true;
    CurPlayer = 0;
    PlayerScore[0] = Integer(banked);
    TurnScore = Integer(turnScore);
    TurnState = turnState;
    const int n = int(tableFaces.size());
    for (int i = 0; i < 6; ++i) {
        DieFace[i] = TableFace[i] = i < n ? Integer(tableFaces[i]) : Integer(0);
        OnTable[i] = i < n;
        BotPicked[i] = false;
        form().DrawDie(i, TableFace[i]);
        if (i >= n) DieFace[i] = NotThrown;
    }
    DiceCode = ClassifyDice(DieFace, n);
    EmptyRow();
    SetAside(std::vector<int>(std::size_t(6 - n), 1));
    form().picTray1->setEnabled(true);
}

void BotTest::Script(const std::vector<std::vector<int>>& throws) {
    dice = ScriptedDice();
    for (const auto& faces : throws) dice.QueueThrow(faces, ComputerSpeed < 2);
    dice.Install();
}

BotTest::Look BotTest::Now() const {
    return {CurPlayer, PlayerScore[0], counter.throws, RowFaces()};
}

void BotTest::Observe() {
    if (!playing) return;
    ++yields;
    if (MainForm().picTray1->isEnabled()) trayEnabledWhilePlaying = true;
    const Look now = Now();
    QString move;
    if (now.seat != last.seat) {
        move = now.banked != last.banked ? QString("banked %1").arg(now.banked - last.banked) : "passed";
    } else if (now.throws != last.throws) {
        move = "threw";
    } else {
        QStringList taken;
        for (std::size_t k = 0; k < now.row.size(); ++k)
            if (now.row[k] != 0 && last.row[k] == 0) taken << QString::number(now.row[k]);
        if (!taken.isEmpty()) move = "took " + taken.join(' ');
    }
    last = now;
    if (!move.isEmpty()) {
        moves << move;
        if (stopAtFirstMove) Quitting = true;
    }
    if (atYield) atYield();
    if (yields > 20000) {  // a player that never ends its turn, or never stops waiting
        watchdogFired = Quitting = true;
        OptionsOpen = false;
    }
}

QString BotTest::FirstMove() {
    stopAtFirstMove = true;
    const QStringList made = WholeTurn();
    stopAtFirstMove = Quitting = false;
    return made.value(0, "nothing");
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
