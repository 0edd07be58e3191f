#pragma once
// A computer seat at the table: seat 0 is a computer player of a chosen style and seat 1
// the person "Bob". The dice are scripted, and a clock notes at every yield what the
// player did since the last one: "threw", "took 1 5", "banked 350" or "passed" (a pass
// that banks nothing).
#include <QObject>
#include <QStringList>
#include <array>
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

// Style codes.
enum Style : Byte { Normal = 1, Cautious = 2, Fearless = 3, Simple = 4, Random = 5, Genius = 6, Moron = 7 };

class BotTest : public TurnTest {
protected:
    void SetUp() override;

    // Seat 0 becomes a computer seat of this style; Ridiculous speed unless told.
    void Seat(Byte style, int speed = 2);
    // The turn as a throw and picks left it: the faces on the table at positions 0.. (the
    // other positions not thrown, their dice set aside), the turn score and the seat's banked
    // score. Nothing is marked as picked by the player yet.
    void Lay(const QString& turnState, const std::vector<int>& tableFaces, int turnScore, int banked = 1000);
    // A throw of these faces, should the player throw next (in place of any throw scripted before).
    void Script(const std::vector<int>& faces);

    // Plays seat 0's turn up to its first move and stops it there (by closing time, which the
    // test then takes back). "nothing" when the player made no move.
    QString FirstMove();
    // Plays the seat's turn, and every computer turn after it, to the end: the moves made.
    QStringList WholeTurn();

    HookedClock botClock;
    ThrowCounter counter;
    std::function<void()> atYield;  // also run at every yield (a person's action, a panel closing ...)
    int yields = 0;                 // since the turn began
    bool trayEnabledWhilePlaying = false;
    bool watchdogFired = false;

private:
    struct Look {
        int seat = 0;
        std::array<int, 9> banked{};
        int throws = 0;
        std::vector<int> row;
        bool operator==(const Look&) const = default;
    };
    Look Now() const;
    static QString Describe(const Look& before, const Look& after);
    void Observe();

    QStringList moves;
    Look last;
    bool stopAtFirstMove = false;
    bool playing = false;
};

// Faces that score nothing, n = 1..6.
std::vector<int> NoScore(int n);
