#pragma once
#include <QtGlobal>
#include <vector>

// Pacing of the game. Pause blocks the thread without handling window events,
// Yield handles the pending ones, Rest handles them too but first waits for one when
// there are none, TickCount counts milliseconds.
namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void Pause(int ms) = 0;
    virtual void Yield() = 0;
    virtual void Rest() { Yield(); }
    virtual quint32 TickCount() = 0;
};

// The clock in use; SetClock(nullptr) goes back to the wall clock.
Clock& clock();
void SetClock(Clock* replacement);

// Whatever waits to be painted is painted first, so that it shows during the pause.
void Pause(int ms);
inline void Yield() { clock().Yield(); }
inline void Rest() { clock().Rest(); }
inline quint32 TickCount() { return clock().TickCount(); }

// A clock for tests: pauses return at once, advance the time and are recorded; a rest
// is a counted yield.
class VirtualClock : public Clock {
public:
    void Pause(int ms) override;
    void Yield() override;
    void Rest() override;
    quint32 TickCount() override { return quint32(now); }

    void Advance(int ms) { now += quint64(ms); }
    long long TotalPaused() const;
    void ClearRecord() {
        pauses.clear();
        rests = 0;
    }

    std::vector<int> pauses;
    quint64 now = 100000;
    int yields = 0;
    int rests = 0;
};

}  // namespace platform
