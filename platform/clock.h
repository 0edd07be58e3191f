#pragma once
#include <QtGlobal>
#include <vector>

// Pacing of the game. Pause blocks the thread without handling window events,
// Yield handles the pending ones, TickCount counts milliseconds.
namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void Pause(int ms) = 0;
    virtual void Yield() = 0;
    virtual quint32 TickCount() = 0;
};

// The clock in use; SetClock(nullptr) goes back to the wall clock.
Clock& clock();
void SetClock(Clock* replacement);

// Whatever waits to be painted is painted first, so that it shows during the pause.
void Pause(int ms);
inline void Yield() { clock().Yield(); }
inline quint32 TickCount() { return clock().TickCount(); }

// A clock for tests: pauses return at once, advance the time and are recorded.
class VirtualClock : public Clock {
public:
    void Pause(int ms) override;
    void Yield() override;
    quint32 TickCount() override { return quint32(now); }

    void Advance(int ms) { now += quint64(ms); }
    long long TotalPaused() const;
    void ClearRecord() { pauses.clear(); }

    std::vector<int> pauses;
    quint64 now = 100000;
    int yields = 0;
};

}  // namespace platform
