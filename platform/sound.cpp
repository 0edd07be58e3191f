#include "platform/sound.h"

#include <QApplication>
#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

#include "platform/clock.h"

namespace platform {

int WaveDurationMs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return -1;
    quint32 byteRate = 0;
    // Walk the chunks: "fmt " gives the byte rate, "data" the length.
    for (int guard = 0; guard < 64; ++guard) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8) return -1;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        const QByteArray id = chunk.left(4);
        if (id == "fmt ") {
            const QByteArray fmt = file.read(qMin<quint32>(size, 64));
            if (fmt.size() < 12) return -1;
            byteRate = qFromLittleEndian<quint32>(fmt.constData() + 8);
            file.skip(qint64(size) - fmt.size() + (size & 1));  // the rest, and the pad byte of an odd size
        } else if (id == "data") {
            if (byteRate == 0) return -1;
            return int((quint64(size) * 1000 + byteRate - 1) / byteRate);
        } else {
            file.skip(size + (size & 1));
        }
    }
    return -1;
}

bool SoundPlayer::Play(const QString& path) {
    const quint32 now = TickCount();
    if (busy && qint32(busyUntil - now) > 0) return false;
    const int length = WaveDurationMs(path);
    if (length < 0) return false;
    busy = true;
    busyUntil = now + quint32(length);
    Start(path);
    return true;
}

namespace {

class Speakers : public SoundPlayer {
public:
    void Beep() override { QApplication::beep(); }

protected:
    void Start(const QString& path) override {
        if (!effect) effect = new QSoundEffect(qApp);
        const QUrl url = QUrl::fromLocalFile(path);
        effect->stop();
        if (effect->source() != url) effect->setSource(url);
        effect->play();
    }

private:
    QSoundEffect* effect = nullptr;
};

SoundPlayer* current = nullptr;

}  // namespace

SoundPlayer& sound() {
    static Speakers speakers;
    return current ? *current : speakers;
}

void SetSound(SoundPlayer* replacement) { current = replacement; }

}  // namespace platform
