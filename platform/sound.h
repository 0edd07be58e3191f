#pragma once
#include <QString>
#include <QStringList>

class QFile;

// Sound effects: one at a time. A request while a sound still plays is
// dropped; a missing or unreadable file plays nothing and reports failure.
namespace platform {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    bool Play(const QString& path);
    virtual void Beep() = 0;

    // Whether the last sound started is still being heard.
    virtual bool Playing() = 0;
    // Starts a checked WAV file of the given length from `wave`, the file opened once for it (as a
    // regular file, without blocking); false when it cannot play.
    virtual bool Start(const QString& path, QFile& wave, int lengthMs) = 0;
};

SoundPlayer& sound();
void SetSound(SoundPlayer* replacement);  // nullptr: the speakers again

// Length in milliseconds of a RIFF/WAVE file from its header, never more than
// the bytes present can play; -1 when it is not a regular file or cannot play.
int WaveDurationMs(const QString& path);

// For tests: records what would have been heard; a sound lasts its length on the clock.
class RecordingSound : public SoundPlayer {
public:
    void Beep() override { ++beeps; }
    bool Playing() override;
    bool Start(const QString& path, QFile& wave, int lengthMs) override;

    QStringList played;  // sounds actually started
    int beeps = 0;

private:
    quint32 busyUntil = 0;
    bool busy = false;
};

}  // namespace platform
