#pragma once
// Seat 0 a computer player of a chosen style against the person "Bob" (seat 1), the dice
// scripted, and a clock that notes at every yield what the player did since the last one:
// "threw", "took 1 5", "banked 350" or "passed" (a pass that banks nothing).
#include <QStringList>
#include <functional>
#include <vector>

#include "core/types.h"
#include "turn_fixture.h"

// A virtual clock that hands every yield to the test first.
class HookedClock : public platform::VirtualClock {
public:
    void Yield() override {
        if (atYield) atYield();
        VirtualClock::Yield();
    }
    std::function<void()> atYield;
};

// Counts the throws by the "Rolling..." that the status line paints at each of them.
class ThrowCounter : public QObject {
public:
    int throws = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

enum Style : Byte { Normal = 1, Cautious = 2, Fearless = 3, Simple = 4, Random = 5, Genius = 6, Moron = 7 };

class BotTest : public TurnTest {
protected:
    void SetUp() override;

    void Seat(Byte style, int speed = 2);
    // A turn as its throws and picks left it: the faces on the table at positions 0.. (the
    // other dice set aside), the turn score and the seat's banked score; nothing marked picked.
    void Lay(const QString& turnState, const std::vector<int>& tableFaces, int turnScore, int banked = 1000);
    // The throws the player will make, in place of any scripted before.
    void Script(const std::vector<std::vector<int>>& throws);

    // Plays seat 0's turn up to its first move, then stops it as a closing program would.
    QString FirstMove();
    // Plays the turn, and every computer turn after it, to the end.
    QStringList WholeTurn();

    HookedClock botClock;
    ThrowCounter counter;
    std::function<void()> atYield;  // a person's action, a panel closing ...
    int yields = 0;                 // since the turn began
    bool trayEnabledWhilePlaying = false;
    bool watchdogFired = false;

private:
    struct Look {
        int seat = 0, banked = 0, throws = 0;
        std::vector<int> row;
        bool operator==(const Look&) const = default;
    };
    Look Now() const;
    void Observe();

    QStringList moves;
    Look last;
    bool stopAtFirstMove = false, playing = false;
};

// Faces that score nothing, n = 1..6.
std::vector<int> NoScore(int n);
