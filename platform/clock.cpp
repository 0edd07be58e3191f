#include "platform/clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <numeric>

namespace platform {
namespace {

class WallClock : public Clock {
public:
    WallClock() { started.start(); }
    void Pause(int ms) override {
        if (ms > 0) QThread::msleep(ulong(ms));
    }
    void Yield() override { QCoreApplication::processEvents(QEventLoop::AllEvents); }
    void Rest() override { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); }
    quint32 TickCount() override { return quint32(started.elapsed()); }

private:
    QElapsedTimer started;
};

WallClock& wallClock() {
    static WallClock instance;
    return instance;
}
Clock* current = nullptr;

}  // namespace

Clock& clock() { return current ? *current : wallClock(); }

void Pause(int ms) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    clock().Pause(ms);
}
void SetClock(Clock* replacement) { current = replacement; }

void VirtualClock::Pause(int ms) {
    pauses.push_back(ms);
    if (ms > 0) now += quint64(ms);
}

void VirtualClock::Yield() {
    ++yields;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void VirtualClock::Rest() {
    ++rests;
    Yield();
}

long long VirtualClock::TotalPaused() const {
    return std::accumulate(pauses.begin(), pauses.end(), 0LL);
}

}  // namespace platform
