// Real sound: the game's own sound layer played through a private PulseAudio server whose
// null sink is recorded. These checks measure real time, so each is kept to a few seconds;
// onsets are found in the recording, not taken from the wall clock alone.
#include <pulse/error.h>
#include <pulse/simple.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <algorithm>
#include <csignal>
#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <iostream>
#include <mutex>
#include <thread>
#include <tuple>

#include "bots_fixture.h"
#include "core/files.h"
#include "core/services.h"
#include "core/state.h"
#include "platform/sound.h"
#include "support/wave_file.h"
#include "table/frmMain.h"
#include "turn_fixture.h"

namespace {

using Ms = double;
Ms WallMs() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

constexpr int Rate = 44100;  // of the sink and of the recording

// A server of the test's own: a null sink, in a temporary runtime folder, no system configuration.
class PrivateServer {
public:
    ~PrivateServer() { Stop(); }

    // Empty when the server runs, otherwise why it does not.
    QString Start() {
        const QString program = QStandardPaths::findExecutable("pulseaudio");
        if (program.isEmpty()) return "pulseaudio is not installed";
        if (!dir.isValid()) return "no temporary folder";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", dir.path());
        env.insert("PULSE_RUNTIME_PATH", dir.path() + "/runtime");
        env.insert("PULSE_STATE_PATH", dir.path() + "/state");
        env.insert("HOME", dir.path());
        process.setProcessEnvironment(env);
        process.setStandardOutputFile(dir.path() + "/log");
        process.setStandardErrorFile(dir.path() + "/log");
        // Without rewinds what the sink played once stays as the monitor recorded it.
        const QString sink = QStringLiteral("--load=module-null-sink sink_name=ovd3 rate=%1 channels=1 norewinds=1");
        process.start(program, {"-n", "--daemonize=no", "--system=no", "--use-pid-file=no", "--exit-idle-time=-1",
                                "--realtime=no", "--high-priority=no", "--log-target=stderr", sink.arg(Rate),
                                "--load=module-native-protocol-unix auth-anonymous=1 socket=" + Socket()});
        if (!process.waitForStarted(5000)) return "pulseaudio did not start: " + process.errorString();
        return {};
    }
    void Stop() {
        if (process.state() == QProcess::NotRunning) return;
        process.terminate();
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished(1000);
        }
    }
    // Stalls the server as a stopped or swapped-out one does, and lets it go on.
    void Freeze() { ::kill(pid_t(process.processId()), SIGSTOP); }
    void Thaw() { ::kill(pid_t(process.processId()), SIGCONT); }
    QString Address() const { return "unix:" + Socket(); }
    QString Log() const {
        QFile log(dir.path() + "/log");
        return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
    }

private:
    QString Socket() const { return dir.path() + "/native"; }
    QTemporaryDir dir;
    QProcess process;
};

// Records the sink's monitor on a thread of its own. Sample i was heard at origin + i / Rate:
// each read arrives after its samples played, so the earliest arrival bounds the origin.
// A stream of silence keeps the sink's latency low; idle, it renders seconds ahead.
class Recorder {
public:
    ~Recorder() { Stop(); }

    QString Start(const QString& server) {
        stopping = false;
        reads = 0;
        Restart();
        const pa_sample_spec spec{PA_SAMPLE_S16LE, Rate, 1};
        pa_buffer_attr attr;
        attr.maxlength = attr.tlength = attr.prebuf = attr.minreq = uint32_t(-1);
        attr.fragsize = attr.tlength = Rate / 100 * 2;  // 10 ms
        int error = 0;
        const QByteArray address = server.toLocal8Bit();
        for (const Ms deadline = WallMs() + 5000; !silence && WallMs() < deadline; QThread::msleep(50))
            silence = pa_simple_new(address.constData(), "ovd3 test", PA_STREAM_PLAYBACK, "ovd3", "silence", &spec,
                                    nullptr, &attr, &error);
        if (silence)
            monitor = pa_simple_new(address.constData(), "ovd3 test", PA_STREAM_RECORD, "ovd3.monitor", "monitor",
                                    &spec, nullptr, &attr, &error);
        if (!monitor) return QStringLiteral("cannot record from the server: %1").arg(pa_strerror(error));
        keeper = std::thread([this] { KeepLow(); });
        prober = std::thread([this, address] { Probe(address); });
        worker = std::thread([this] { Run(); });
        // The first samples come late (over a second); from then on in step with the clock.
        for (const Ms deadline = WallMs() + 5000; reads < 10; QThread::msleep(10))
            if (WallMs() > deadline) return "the recording does not start";
        return {};
    }
    // Forgets what was recorded so far.
    void Restart() {
        std::lock_guard<std::mutex> lock(guard);
        recording = {};
    }
    struct Recording {
        std::vector<qint16> samples;
        Ms origin = 1e300;
        std::vector<std::pair<Ms, Ms>> opening;  // from when to when the server opened a stream
    };
    std::atomic<int> probes = 0;  // streams for the probe to open, one beside each sound asked for
    Recording Take() {
        std::lock_guard<std::mutex> lock(guard);
        return recording;
    }
    void Stop() {
        stopping = true;
        if (worker.joinable()) worker.join();
        if (keeper.joinable()) keeper.join();
        if (prober.joinable()) prober.join();
        if (monitor) pa_simple_free(monitor);
        if (silence) pa_simple_free(silence);
        monitor = silence = nullptr;
    }

private:
    void Run() {
        std::vector<qint16> chunk(Rate / 200);
        int error = 0;
        while (!stopping && pa_simple_read(monitor, chunk.data(), chunk.size() * 2, &error) == 0) {
            const Ms at = WallMs();
            ++reads;
            std::lock_guard<std::mutex> lock(guard);
            recording.samples.insert(recording.samples.end(), chunk.begin(), chunk.end());
            recording.origin = std::min(recording.origin, at - recording.samples.size() * 1000.0 / Rate);
        }
    }
    void KeepLow() {
        const std::vector<qint16> chunk(Rate / 200);
        int error = 0;
        while (!stopping && pa_simple_write(silence, chunk.data(), chunk.size() * 2, &error) == 0) {
        }
    }
    // Opens a stream when asked, as a sound does, beside it: how long that takes tells how busy the
    // machine is. Only then: a stream opened over and over would itself hold up the sounds.
    void Probe(const QByteArray& address) {
        const pa_sample_spec spec{PA_SAMPLE_S16LE, Rate, 1};
        for (; !stopping; QThread::msleep(1)) {
            if (probes == 0) continue;
            --probes;
            const Ms from = WallMs();
            if (pa_simple* probe = pa_simple_new(address.constData(), "ovd3 test", PA_STREAM_PLAYBACK, "ovd3",
                                                 "probe", &spec, nullptr, nullptr, nullptr))
                pa_simple_free(probe);
            std::lock_guard<std::mutex> lock(guard);
            recording.opening.emplace_back(from, WallMs());
        }
    }
    pa_simple *monitor = nullptr, *silence = nullptr;
    std::thread worker, keeper, prober;
    std::atomic<bool> stopping = false;
    std::atomic<int> reads = 0;
    std::mutex guard;
    Recording recording;
};

// The first channel's samples of a 16-bit WAV file whose rate divides the recording's.
struct Wave {
    std::vector<double> x;
    int step = 1;  // recording samples per file sample
    Ms length = 0, audible = 0;  // the whole file; up to its last sample above the threshold
    double threshold = 0;
};

Wave ReadWave(const QString& path) {
    Wave wave;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return wave;
    const QByteArray bytes = file.readAll();
    const int fmt = int(bytes.indexOf("fmt ")), data = int(bytes.indexOf("data"));
    if (fmt < 0 || data < 0) return wave;
    const auto rate = qFromLittleEndian<quint32>(bytes.constData() + fmt + 12);
    const auto channels = qFromLittleEndian<quint16>(bytes.constData() + fmt + 10);
    const auto bits = qFromLittleEndian<quint16>(bytes.constData() + fmt + 22);
    const auto size = qFromLittleEndian<quint32>(bytes.constData() + data + 4);
    if (bits != 16 || rate == 0 || Rate % rate != 0) return wave;
    wave.step = Rate / int(rate);
    for (quint32 k = 0; k + 1 < size; k += 2 * channels)
        wave.x.push_back(qFromLittleEndian<qint16>(bytes.constData() + data + 8 + k));
    double peak = 0;
    for (double v : wave.x) peak = std::max(peak, std::abs(v));
    wave.threshold = 0.02 * peak;
    std::size_t last = 0;
    for (std::size_t k = 0; k < wave.x.size(); ++k)
        if (std::abs(wave.x[k]) > wave.threshold) last = k;
    wave.length = wave.x.size() * 1000.0 / rate;
    wave.audible = (last + 1) * 1000.0 / rate;
    return wave;
}

// A 16-bit WAV file at the recording's rate, each sample in every channel; `declared` for its header's sizes.
void WriteWave(const QString& path, const std::vector<qint16>& samples, quint32 declared, quint16 channels = 1) {
    QByteArray data;
    for (qint16 v : samples) {
        char b[2];
        qToLittleEndian(v, b);
        for (int c = 0; c < channels; ++c) data.append(b, 2);
    }
    QFile file(path);
    const WaveFormatChunk format{1, channels, Rate, Rate * 2u * channels, quint16(2 * channels), 16};
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(WaveBytes(format, data, declared));
}

// Resident memory of this process in KiB.
long ResidentKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// From the first sample above the threshold to the last.
Ms LoudMs(const std::vector<qint16>& samples, double threshold) {
    std::size_t first = samples.size(), last = 0;
    for (std::size_t i = 0; i < samples.size(); ++i)
        if (std::abs(samples[i]) > threshold) first = std::min(first, i), last = i;
    return first == samples.size() ? 0 : (last - first + 1) * 1000.0 / Rate;
}

// Where a sound was heard: its onset after the request, how long it was heard, how well it matched.
struct Heard {
    Ms late = 1e9, heard = 0;
    double correlation = 0;
};

double Correlation(const std::vector<qint16>& rec, std::size_t at, const Wave& wave, std::size_t count) {
    double xy = 0, xx = 0, yy = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t i = at + k * std::size_t(wave.step);
        const double y = i < rec.size() ? rec[i] : 0.0;
        xy += wave.x[k] * y;
        xx += wave.x[k] * wave.x[k];
        yy += y * y;
    }
    return xx > 0 && yy > 0 ? xy / std::sqrt(xx * yy) : 0.0;
}

// Looks for the sound by its first 100 ms from its request on, up to half a second later, and
// follows it up to `until` (the next request).
Heard Find(const Recorder::Recording& recording, const Wave& wave, Ms request, Ms until) {
    const auto index = [&](Ms t) { return std::size_t(std::max(0.0, (t - recording.origin) * Rate / 1000)); };
    const std::size_t head = std::min(wave.x.size(), std::size_t(Rate / wave.step / 10));
    std::size_t best = 0;
    double bestCorrelation = -1;
    const std::size_t last = std::min({index(until), index(request + 500), recording.samples.size()});
    for (std::size_t at = index(request - 20); at < last; ++at) {
        const double c = Correlation(recording.samples, at, wave, head);
        if (c > bestCorrelation) bestCorrelation = c, best = at;
    }
    Heard found;
    if (bestCorrelation < 0) return found;
    found.late = recording.origin + best * 1000.0 / Rate - request;
    found.correlation = Correlation(recording.samples, best, wave, wave.x.size());
    const std::size_t end = std::min({recording.samples.size(), index(until),
                                      best + std::size_t(wave.length * 1.1 * Rate / 1000)});
    for (std::size_t i = best; i < end; ++i)
        if (std::abs(recording.samples[i]) > wave.threshold) found.heard = (i - best + 1) * 1000.0 / Rate;
    return found;
}

// The wall clock, where the game yields a test may end the turn as a closing program would.
class StoppableWallClock : public platform::Clock {
public:
    void Pause(int ms) override {
        if (ms > 0) QThread::msleep(ulong(ms));
    }
    void Yield() override {
        if (stopWhen()) Quitting = true;
        QCoreApplication::processEvents();
    }
    quint32 TickCount() override { return quint32(WallMs()); }
    std::function<bool()> stopWhen;
};

// Passes the game's requests to the speakers and notes when each one started.
class Witness : public platform::SoundPlayer {
public:
    explicit Witness(platform::SoundPlayer& speakers) : speakers(speakers) {}
    void Beep() override {}
    bool Playing() override { return speakers.Playing(); }
    bool Start(const QString& path, QFile& wave, int lengthMs) override {
        const Ms at = WallMs();
        const bool started = speakers.Start(path, wave, lengthMs);
        if (started) starts.emplace_back(path, at);
        return started;
    }
    std::vector<std::pair<QString, Ms>> starts;

private:
    platform::SoundPlayer& speakers;
};

}  // namespace

// The real main window, wall clock and speakers, and a private server that the suite starts once.
class RealSoundTest : public BotTest {
protected:
    static void SetUpTestSuite() {
        server = new PrivateServer;
        recorder = new Recorder;
        unavailable = server->Start();
        if (unavailable.isEmpty()) unavailable = recorder->Start(server->Address());
        if (!unavailable.isEmpty()) unavailable += "\n" + server->Log();
        qputenv("PULSE_SERVER", server->Address().toLocal8Bit());
    }
    static void TearDownTestSuite() {
        delete recorder;
        delete server;
        qunsetenv("PULSE_SERVER");
    }
    void SetUp() override {
        BotTest::SetUp();
        if (!unavailable.isEmpty()) GTEST_SKIP() << "no sound server to play to: " << unavailable.toStdString();
        platform::SetClock(nullptr);
        platform::SetSound(nullptr);
        // The built-in sounds in place of the fixture's silent ones.
        QDir().mkpath(TempDir_() + "built-in");
        for (const auto& [variable, resource, name] : std::vector<std::tuple<QString*, int, QString>>{
                 {&SndOneDie, 101, "11d"}, {&SndMultiDie, 102, "33d"}, {&SndMoveDie, 103, "moveit"},
                 {&SndPassem1, 104, "passem1"}, {&SndPassem2, 105, "passem2"}, {&SndDravik, 106, "bust"},
                 {&SndUndo, 107, "undo"}, {&SndGameOver, 108, "gameover"}}) {
            *variable = Wav(name);
            ASSERT_EQ(ExtractResource(resource, "CUSTOM", *variable), 0);
        }
        recorder->Restart();
    }
    QString Wav(const QString& name) const { return TempDir_() + "built-in/" + name + ".wav"; }
    // Plays the file, then pauses the thread for its length and `gap` more.
    Ms PlayAndPause(const QString& name, int gap) {
        const Ms at = WallMs();
        ++recorder->probes;
        EXPECT_TRUE(PlaySoundFile(Wav(name))) << name.toStdString();
        platform::Pause(platform::WaveDurationMs(Wav(name)) + gap);
        return at;
    }
    // The file was heard from its request on, at once and whole, before `until`.
    void ExpectHeard(const QString& path, Ms request, Ms until) {
        const Wave wave = ReadWave(path);
        const Heard heard = Find(recording, wave, request, until);
        const std::string name = QFileInfo(path).fileName().toStdString();
        Ms busy = 0;  // a late start that the machine, not the game, is to blame for
        for (const auto& [from, to] : recording.opening)
            if (to > request && from < request + heard.late) busy = std::max(busy, to - from);
        std::cout << name << ": late " << heard.late << " ms, heard " << heard.heard << " of " << wave.audible
                  << " ms, correlation " << heard.correlation << "\n";
        EXPECT_LE(heard.late, 50 + busy) << name;
        EXPECT_GE(heard.late, -20) << name;  // the sink renders a few ms ahead
        EXPECT_NEAR(heard.heard, wave.audible, 0.05 * wave.length) << name;
        EXPECT_GE(heard.correlation, 0.95) << name;
    }

    inline static PrivateServer* server = nullptr;
    inline static Recorder* recorder = nullptr;
    inline static QString unavailable;
    Recorder::Recording recording;
};

// Each sound is heard as the game asks for it, whole, while the game's thread waits in a pause.
TEST_F(RealSoundTest, SoundsStartOnTimeAndPlayWholeWhileTheGamePauses) {
    const Wave undo = ReadWave(Wav("undo"));  // in each of 7 or 8 channels, mixed down to the sink's one:
    for (const quint16 n : {7, 8})
        WriteWave(Wav(QString::number(n)), {undo.x.begin(), undo.x.end()}, undo.x.size() * 2 * n, n);
    const QStringList names{"33d", "7", "moveit", "8", "undo", "bust"};
    std::vector<Ms> requests;
    for (const QString& name : names) requests.push_back(PlayAndPause(name, 150));
    recording = recorder->Take();
    for (std::size_t i = 0; i < requests.size(); ++i)
        ExpectHeard(Wav(names[int(i)]), requests[i], i + 1 < requests.size() ? requests[i + 1] : WallMs());
}

// No-stop: a request while a sound is heard is dropped, one after it has ended plays.
TEST_F(RealSoundTest, RequestWhileASoundIsHeardIsDropped) {
    const Ms first = WallMs();
    EXPECT_TRUE(PlaySoundFile(Wav("bust")));
    platform::Pause(300);
    const Ms dropped = WallMs();
    EXPECT_FALSE(PlaySoundFile(Wav("moveit")));
    EXPECT_FALSE(PlaySoundFile(Wav("missing")));
    platform::Pause(platform::WaveDurationMs(Wav("bust")) - 300 + 100);
    const Ms second = PlayAndPause("moveit", 150);
    recording = recorder->Take();
    ExpectHeard(Wav("bust"), first, second);
    EXPECT_LT(Find(recording, ReadWave(Wav("moveit")), dropped, second - 20).correlation, 0.5);
    ExpectHeard(Wav("moveit"), second, WallMs());
}

// A server that went away is not waited for, and is played to again once it is back.
TEST_F(RealSoundTest, ServerThatComesBackIsUsedAgain) {
    recorder->Stop();
    server->Stop();
    const Ms gone = WallMs();
    PlaySoundFile(Wav("moveit"));
    EXPECT_LT(WallMs() - gone, 100);
    platform::Pause(200);
    EXPECT_FALSE(platform::sound().Playing());
    ASSERT_EQ(server->Start(), "");
    ASSERT_EQ(recorder->Start(server->Address()), "") << server->Log().toStdString();
    const Ms back = PlayAndPause("undo", 150);
    recording = recorder->Take();
    ExpectHeard(Wav("undo"), back, WallMs());
}

// A computer player at Normal speed is heard throwing, each throw with its animation.
TEST_F(RealSoundTest, ComputerThrowsAreHeardAtNormalSpeed) {
    Seat(Normal, 0);
    Script({{2, 2, 2, 3, 4, 6}, NoScore(3)});
    platform::SoundPlayer& speakers = platform::sound();
    Witness witness(speakers);
    platform::SetSound(&witness);
    const Ms began = WallMs();
    StoppableWallClock wallClock;
    wallClock.stopWhen = [&] {  // once the second throw is over, or if the turn ran on
        const bool over =
            counter.throws >= 2 && !witness.starts.empty() && WallMs() > witness.starts.back().second + 600;
        return over || WallMs() > began + 10000;
    };
    platform::SetClock(&wallClock);
    form().StartComputerTurn();
    const Ms ended = WallMs();
    recording = recorder->Take();
    std::cout << "the turn took " << ended - began << " ms, " << counter.throws << " throws\n";
    int throwSounds = 0;
    for (std::size_t i = 0; i < witness.starts.size(); ++i) {
        const auto& [path, at] = witness.starts[i];
        std::cout << QFileInfo(path).fileName().toStdString() << " at " << at - began << " ms\n";
        if (path != SndOneDie && path != SndMultiDie) continue;
        ++throwSounds;
        ExpectHeard(path, at, i + 1 < witness.starts.size() ? witness.starts[i + 1].second : ended);
    }
    EXPECT_EQ(counter.throws, 2);
    EXPECT_EQ(throwSounds, counter.throws);
}

// A streamed file far larger than memory allows starts at once and is read while it plays.
TEST_F(RealSoundTest, LargeStreamedFileIsReadWhileItPlays) {
    std::vector<qint16> samples(Rate * 3 / 2);  // several chunks of noise, fading out
    quint32 seed = 1;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        seed = seed * 1103515245 + 12345;
        samples[i] = qint16((int(seed >> 16 & 0x3FFF) - 0x2000) * int(samples.size() - i) / int(samples.size()));
    }
    const QString whole = TempDir_() + "noise.wav", large = TempDir_() + "large.wav";
    WriteWave(whole, samples, quint32(samples.size() * 2));
    WriteWave(large, samples, 0xFFFFFFFF);
    ASSERT_TRUE(QFile(large).resize(qint64(512) << 20));  // the rest a hole: silence
    const long before = ResidentKiB();
    const Ms request = WallMs();
    ASSERT_TRUE(PlaySoundFile(large));
    EXPECT_LT(ResidentKiB() - before, 64 * 1024) << "the data was read before it played";
    platform::Pause(1800);
    recording = recorder->Take();
    ExpectHeard(whole, request, WallMs());
    // The silence would go on for an hour and a half: a server going away ends it.
    recorder->Stop();
    server->Stop();
    for (const Ms deadline = WallMs() + 2000; platform::sound().Playing() && WallMs() < deadline;)
        platform::Pause(20);
    EXPECT_FALSE(platform::sound().Playing());
    ASSERT_EQ(server->Start(), "");
    ASSERT_EQ(recorder->Start(server->Address()), "") << server->Log().toStdString();
}

// A stalled server is given up on; until its connection is done with, sounds are dropped rather than
// queued up in it, and of the one given up on no more is heard once the server goes on than what the
// server held when it stopped: nothing when the stall began before the sound.
TEST_F(RealSoundTest, SoundsGivenUpOnInAStalledServerAreNotHeardLater) {
    for (const auto& [name, stallAfter, held] : {std::tuple{"moveit", 0, 0.0}, std::tuple{"bust", 500, 100.0}}) {
        SCOPED_TRACE(name);
        if (stallAfter == 0) server->Freeze();
        EXPECT_TRUE(PlaySoundFile(Wav(name)));
        platform::Pause(stallAfter);
        if (stallAfter > 0) server->Freeze();
        for (const Ms deadline = WallMs() + platform::WaveDurationMs(Wav(name)) + 3000;
             platform::sound().Playing() && WallMs() < deadline;)
            platform::Pause(20);
        EXPECT_FALSE(platform::sound().Playing());
        EXPECT_FALSE(PlaySoundFile(Wav("undo")));
        EXPECT_FALSE(PlaySoundFile(Wav("33d")));
        recorder->Restart();
        server->Thaw();
        platform::Pause(1000);
        recording = recorder->Take();
        EXPECT_GT(recording.samples.size(), std::size_t(Rate));
        EXPECT_LE(LoudMs(recording.samples, ReadWave(Wav(name)).threshold), held) << "a stale sound was heard";
        // Played to again once the connection given up on is done with.
        recorder->Stop();
        ASSERT_EQ(recorder->Start(server->Address()), "") << server->Log().toStdString();
        const Ms back = PlayAndPause("undo", 150);
        recording = recorder->Take();
        ExpectHeard(Wav("undo"), back, WallMs());
    }
}
