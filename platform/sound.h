#pragma once
#include <QString>
#include <QStringList>

// Sound effects: one at a time. A request while a sound still plays is
// dropped; a missing or unreadable file plays nothing and reports failure.
namespace platform {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    bool Play(const QString& path);
    virtual void Beep() = 0;

protected:
    // Starts playback of a checked WAV file; the base class keeps the timing.
    virtual void Start(const QString& path) = 0;

private:
    quint32 busyUntil = 0;
    bool busy = false;
};

SoundPlayer& sound();
void SetSound(SoundPlayer* replacement);  // nullptr: the speakers again

// Length in milliseconds of a RIFF/WAVE file from its header, -1 when it is not one.
int WaveDurationMs(const QString& path);

// For tests: records what would have been heard.
class RecordingSound : public SoundPlayer {
public:
    void Beep() override { ++beeps; }
    QStringList played;  // sounds actually started
    int beeps = 0;

protected:
    void Start(const QString& path) override { played << path; }
};

}  // namespace platform
