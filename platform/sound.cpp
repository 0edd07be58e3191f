#include "platform/sound.h"

#include <fcntl.h>
#include <pulse/simple.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QtEndian>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <iterator>
#include <limits>
#include <memory>
#include <optional>
#include <system_error>
#include <thread>

#include "platform/clock.h"
#include "platform/regular_file.h"

namespace platform {
namespace {

struct WaveFormat {
    quint16 tag = 0, channels = 0, blockAlign = 0, bits = 0;
    quint32 sampleRate = 0, byteRate = 0;
    quint32 speakers = 0;  // the extensible format's channel mask; 0 when the file gives none
    qint64 dataStart = 0, dataBytes = 0;  // only the bytes present
};

// The format chunk and where the sound data lies; nothing when it is not a RIFF/WAVE file.
std::optional<WaveFormat> ReadWaveFormat(QFile& file) {
    if (!file.seek(0)) return {};
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return {};
    WaveFormat wave;
    for (int guard = 0; guard < 64; ++guard) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8) return {};
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        const QByteArray id = chunk.left(4);
        if (id == "fmt ") {
            const QByteArray fmt = file.read(qMin<quint32>(size, 64));
            if (fmt.size() < 14) return {};
            wave.tag = qFromLittleEndian<quint16>(fmt.constData());
            wave.channels = qFromLittleEndian<quint16>(fmt.constData() + 2);
            wave.sampleRate = qFromLittleEndian<quint32>(fmt.constData() + 4);
            wave.byteRate = qFromLittleEndian<quint32>(fmt.constData() + 8);
            wave.blockAlign = qFromLittleEndian<quint16>(fmt.constData() + 12);
            wave.bits = fmt.size() >= 16 ? qFromLittleEndian<quint16>(fmt.constData() + 14) : 0;
            if (wave.tag == 0xFFFE && fmt.size() >= 26) {
                wave.speakers = qFromLittleEndian<quint32>(fmt.constData() + 20);
                wave.tag = qFromLittleEndian<quint16>(fmt.constData() + 24);
            }
            file.skip(qint64(size) - fmt.size() + (size & 1));  // the rest, and the pad byte of an odd size
        } else if (id == "data") {
            // A streamed file may claim more than it holds.
            wave.dataStart = file.pos();
            wave.dataBytes = qMin<qint64>(size, qMax<qint64>(0, file.size() - wave.dataStart));
            return wave;
        } else {
            file.skip(size + (size & 1));
        }
    }
    return {};
}

bool IsPcm(const WaveFormat& wave) { return wave.tag == 1 || wave.tag == 3; }

// Outside this a file is damaged: a sound server refuses it or holds it for hours.
bool PlayableRate(const WaveFormat& wave) { return wave.sampleRate >= 1000 && wave.sampleRate <= 384000; }

// Opens a regular file without blocking and without following another user's link: a pipe or
// device at the name (swapped in at any time) is never waited on.
bool OpenWave(const QString& path, QFile& file) {
    const int fd = OpenRegularFile(path, O_RDONLY);
    if (fd >= 0 && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) return true;
    if (fd >= 0) ::close(fd);
    return false;
}

int DurationMs(QFile& file) {
    const std::optional<WaveFormat> wave = ReadWaveFormat(file);
    if (!wave || !PlayableRate(*wave)) return -1;
    const quint64 bytes = quint64(wave->dataBytes);
    quint64 ms = 0;
    if (IsPcm(*wave)) {  // whole frames at the sample rate, as a player counts them
        if (wave->blockAlign == 0) return -1;
        ms = (bytes / wave->blockAlign * 1000 + wave->sampleRate - 1) / wave->sampleRate;
    } else {
        if (wave->byteRate == 0) return -1;
        ms = (bytes * 1000 + wave->byteRate - 1) / wave->byteRate;
    }
    return ms > quint64(std::numeric_limits<int>::max()) ? -1 : int(ms);
}

}  // namespace

int WaveDurationMs(const QString& path) {
    QFile file;
    return OpenWave(path, file) ? DurationMs(file) : -1;
}

bool SoundPlayer::Play(const QString& path) {
    if (Playing()) return false;
    QFile wave;  // the one open of the file: checked, measured and played through it
    if (!OpenWave(path, wave)) return false;
    const int length = DurationMs(wave);
    if (length < 0) return false;
    return Start(path, wave, length);
}

bool RecordingSound::Playing() { return busy && qint32(busyUntil - TickCount()) > 0; }

bool RecordingSound::Start(const QString& path, QFile&, int lengthMs) {
    busy = true;
    busyUntil = TickCount() + quint32(lengthMs);
    played << path;
    return true;
}

namespace {

// The sound server's sample format for a WAV file; nothing for a coding it does not take.
std::optional<pa_sample_spec> ServerFormat(const WaveFormat& wave) {
    pa_sample_spec spec{PA_SAMPLE_INVALID, wave.sampleRate, quint8(qMin<quint16>(wave.channels, 255))};
    if (wave.tag == 1 && wave.bits == 8) spec.format = PA_SAMPLE_U8;
    if (wave.tag == 1 && wave.bits == 16) spec.format = PA_SAMPLE_S16LE;
    if (wave.tag == 1 && wave.bits == 24) spec.format = PA_SAMPLE_S24LE;
    if (wave.tag == 1 && wave.bits == 32) spec.format = PA_SAMPLE_S32LE;
    if (wave.tag == 3 && wave.bits == 32) spec.format = PA_SAMPLE_FLOAT32LE;
    if (wave.tag == 6 && wave.bits == 8) spec.format = PA_SAMPLE_ALAW;
    if (wave.tag == 7 && wave.bits == 8) spec.format = PA_SAMPLE_ULAW;
    if (!pa_sample_spec_valid(&spec) || wave.blockAlign != pa_frame_size(&spec)) return {};
    return spec;
}

// The WAV's own speakers, which the server mixes down to its own: channel by channel the next speaker
// named in the channel mask, in the extensible format's order; without a mask the first speakers of
// that order (a single channel: mono). A channel beyond the named speakers goes to none of them.
pa_channel_map Layout(const WaveFormat& wave) {
    static constexpr pa_channel_position_t order[] = {
        PA_CHANNEL_POSITION_FRONT_LEFT,      PA_CHANNEL_POSITION_FRONT_RIGHT,
        PA_CHANNEL_POSITION_FRONT_CENTER,    PA_CHANNEL_POSITION_LFE,
        PA_CHANNEL_POSITION_REAR_LEFT,       PA_CHANNEL_POSITION_REAR_RIGHT,
        PA_CHANNEL_POSITION_FRONT_LEFT_OF_CENTER, PA_CHANNEL_POSITION_FRONT_RIGHT_OF_CENTER,
        PA_CHANNEL_POSITION_REAR_CENTER,     PA_CHANNEL_POSITION_SIDE_LEFT,
        PA_CHANNEL_POSITION_SIDE_RIGHT,      PA_CHANNEL_POSITION_TOP_CENTER,
        PA_CHANNEL_POSITION_TOP_FRONT_LEFT,  PA_CHANNEL_POSITION_TOP_FRONT_CENTER,
        PA_CHANNEL_POSITION_TOP_FRONT_RIGHT, PA_CHANNEL_POSITION_TOP_REAR_LEFT,
        PA_CHANNEL_POSITION_TOP_REAR_CENTER, PA_CHANNEL_POSITION_TOP_REAR_RIGHT};
    constexpr unsigned named = std::size(order);
    const quint32 given = wave.speakers & ((1u << named) - 1);
    pa_channel_map map;
    if (wave.channels == 1 && given == 0) return *pa_channel_map_init_mono(&map);
    pa_channel_map_init(&map);
    map.channels = quint8(wave.channels);
    for (unsigned channel = 0, bit = 0, aux = 0; channel < wave.channels; ++channel) {
        while (given != 0 && bit < named && !(given >> bit & 1)) ++bit;
        map.map[channel] = bit < named ? order[bit++] : pa_channel_position_t(PA_CHANNEL_POSITION_AUX0 + aux++);
    }
    return map;
}

// Each sound plays on a thread of its own, so that it starts and ends whatever the
// user-interface thread does, and connects to the server afresh: one that went away and
// came back is found again, and without one nothing is heard. The thread reads the file
// as it plays, through a copy of the descriptor that was checked; the user-interface thread
// only checks its header.
class Speakers : public SoundPlayer {
public:
    void Beep() override { QApplication::beep(); }

    // Until the server has played the last sample; a server that stalls is given up on
    // two seconds after the sound should have ended.
    bool Playing() override { return last && !last->ended && Clock::now() < last->givenUpAt; }

    bool Start(const QString&, QFile& file, int lengthMs) override {
        if (last && !last->ended) return false;  // one given up on is still stuck in the server
        const std::optional<WaveFormat> wave = ReadWaveFormat(file);
        const std::optional<pa_sample_spec> spec = wave ? ServerFormat(*wave) : std::nullopt;
        if (!spec) return false;
        const qint64 bytes = wave->dataBytes - wave->dataBytes % wave->blockAlign;
        if (bytes == 0) return false;
        const int fd = ::fcntl(file.handle(), F_DUPFD_CLOEXEC, 0);
        if (fd < 0) return false;
        auto sound = std::make_shared<Sound>(Clock::now() + std::chrono::milliseconds(lengthMs + 2000));
        try {
            std::thread([spec = *spec, layout = Layout(*wave), fd, start = wave->dataStart, bytes, sound] {
                PlayToTheEnd(spec, layout, fd, start, bytes, *sound);
                ::close(fd);
                sound->ended = true;
            }).detach();
        } catch (const std::system_error&) {  // no thread to be had
            ::close(fd);
            return false;
        }
        last = sound;
        return true;
    }

private:
    using Clock = std::chrono::steady_clock;

    struct Sound {
        explicit Sound(Clock::time_point givenUpAt) : givenUpAt(givenUpAt) {}
        const Clock::time_point givenUpAt;  // from then on it is not to be heard any more
        std::atomic<bool> ended = false;
        bool Abandoned() const { return Clock::now() >= givenUpAt; }
    };

    // A tenth of a second ahead keeps a late turn of this thread from cutting a gap into the
    // sound; it ends when its last sample has been played, after the drain.
    static void PlayToTheEnd(const pa_sample_spec& spec, const pa_channel_map& layout, int fd, qint64 start,
                             qint64 bytes, const Sound& sound) {
        pa_buffer_attr buffer;
        buffer.maxlength = buffer.prebuf = buffer.minreq = buffer.fragsize = quint32(-1);
        buffer.tlength = quint32(qMin<qint64>(bytes, qint64(pa_usec_to_bytes(100000, &spec))));
        int error = 0;
        pa_simple* stream = pa_simple_new(nullptr, "Orvane Dravik 3", PA_STREAM_PLAYBACK, nullptr, "sound", &spec,
                                          &layout, &buffer, &error);
        if (!stream) return;
        // A hundredth of a second at a time: a write held up by a stalled server finishes when the
        // server goes on, and is heard even when the sound was given up on meanwhile.
        QByteArray data(qsizetype(pa_usec_to_bytes(10000, &spec)), Qt::Uninitialized);
        bool written = true;
        for (qint64 at = start, end = start + bytes; at < end && written;) {
            const ssize_t got = ::pread(fd, data.data(), size_t(qMin(end - at, qint64(data.size()))), at);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) break;  // the file was cut short meanwhile
            written = !sound.Abandoned() && pa_simple_write(stream, data.constData(), std::size_t(got), &error) == 0;
            at += got;
        }
        if (written && pa_simple_drain(stream, &error) == 0) {
            const pa_usec_t left = pa_simple_get_latency(stream, &error);  // in the server's own buffer
            if (left != pa_usec_t(-1))
                std::this_thread::sleep_for(std::chrono::microseconds(qMin<pa_usec_t>(left, 500000)));
        }
        pa_simple_free(stream);
    }

    std::shared_ptr<Sound> last;  // the last sound started
};

SoundPlayer* current = nullptr;

}  // namespace

SoundPlayer& sound() {
    static Speakers speakers;
    return current ? *current : speakers;
}

void SetSound(SoundPlayer* replacement) { current = replacement; }

}  // namespace platform
