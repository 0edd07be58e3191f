// Plays the hidden computer-against-computer test run (seven seats, Ridiculous speed) with the
// real main window, the real drawing and the real clock, headless, and prints how fast it went.
//
//   ovd3_benchmark [--games 7|14] [--seed N]
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <cstdlib>

#include "core/startup.h"
#include "core/state.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/folders.h"
#include "platform/keys.h"
#include "platform/process.h"
#include "platform/random.h"
#include "table/frmMain.h"
#include "windows/frmNewGame.h"

namespace {

// The real clock, with the pauses the game asks for added up and their wall time measured.
class MeasuredClock : public platform::Clock {
public:
    explicit MeasuredClock(platform::Clock& real) : real(real) {}
    void Pause(int ms) override {
        asked += ms;
        QElapsedTimer slept;
        slept.start();
        real.Pause(ms);
        inPauses += slept.nsecsElapsed();
    }
    void Yield() override { real.Yield(); }
    quint32 TickCount() override { return real.TickCount(); }

    platform::Clock& real;
    qint64 asked = 0;     // ms
    qint64 inPauses = 0;  // ns
};

// Counts the throws (the status line paints "Rolling..." at each) and the computer turns (each
// disables the table tray when it begins).
class Counter : public QObject {
public:
    Counter(frmMain& table) : table(table) {
        table.lblStatus->installEventFilter(this);
        table.picTray1->installEventFilter(this);
    }
    long throws = 0, turns = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == table.lblStatus && event->type() == QEvent::Paint &&
            table.lblStatus->Caption() == QStringLiteral("Rolling..."))
            ++throws;
        if (watched == table.picTray1 && event->type() == QEvent::EnabledChange && !table.picTray1->isEnabled())
            ++turns;
        return false;
    }

private:
    frmMain& table;
};

}  // namespace

int main(int argc, char** argv) {
    QString games = QStringLiteral("14");
    unsigned seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--games") == 0) games = QString::fromLocal8Bit(argv[i + 1]);
        else if (std::strcmp(argv[i], "--seed") == 0) seed = unsigned(std::strtoul(argv[i + 1], nullptr, 10));
    }

    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitResources();

    // A program of its own: settings, media files and high scores in a temporary folder.
    QTemporaryDir root;
    const QString config = root.path() + QStringLiteral("/config/"), temp = root.path() + QStringLiteral("/temp/"),
                  program = root.path() + QStringLiteral("/program/");
    for (const QString& folder : {config, temp, program}) QDir().mkpath(folder);
    platform::OverrideFolders(config, temp, program);
    QFile ini(config + QStringLiteral("OrvaneDravik3.ini"));
    if (ini.open(QIODevice::WriteOnly)) ini.write("[Info]\nShowWelcomeMessage=0\n");
    ini.close();

    // The four questions answered, every other box confirmed; the end of the program noted.
    platform::ScriptedDialogs dialogs;
    dialogs.inputs = {games, QStringLiteral("0"), QStringLiteral("5000"), QStringLiteral("500")};
    dialogs.modalScripts.push_back([](QDialog& window) {
        platform::SetKeyDown(Qt::Key_Up, true);
        static_cast<frmNewGame&>(window).lblComputer_DblClick();
        platform::SetKeyDown(Qt::Key_Up, false);
    });
    platform::SetDialogs(&dialogs);
    QElapsedTimer wall;
    qint64 endedAt = -1;
    platform::SetEndProgram([&] { endedAt = wall.nsecsElapsed(); });
    MeasuredClock clock(platform::clock());
    platform::SetClock(&clock);

    Main();
    platform::Randomize(seed);
    frmMain& table = MainForm();
    for (int i = 0; i < 100 && !table.windowHandle()->isExposed(); ++i) QApplication::processEvents();
    Counter counter(table);

    wall.start();
    table.ARCmdNewGame_Click();
    const double seconds = double(endedAt >= 0 ? endedAt : wall.nsecsElapsed()) / 1e9;

    const double paused = double(clock.inPauses) / 1e9, outside = seconds - paused;
    const long played = TestGamesPlayed - 1;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("Test run: %ld games, 7 seats, Ridiculous speed, goal %d, break-in %d, seed %u\n", played,
                int(PlayToScore), int(BreakIn), seed);
    std::printf("  games %ld, turns %ld, throws %ld\n", played, counter.turns, counter.throws);
    std::printf("  wall time                %8.3f s\n", seconds);
    std::printf("  the game's own pauses    %8.3f s asked, %.3f s slept (the floor)\n", double(clock.asked) / 1e3,
                paused);
    std::printf("  outside the pauses       %8.3f s\n", outside);
    std::printf("  per second of wall time  %8.2f games, %.1f turns, %.1f throws\n", played / seconds,
                counter.turns / seconds, counter.throws / seconds);
    std::printf("  per second outside them  %8.2f games, %.1f turns, %.1f throws\n", played / outside,
                counter.turns / outside, counter.throws / outside);
    std::printf("  peak memory              %8.1f MiB\n", double(usage.ru_maxrss) / 1024.0);
    return endedAt >= 0 ? 0 : 1;
}
