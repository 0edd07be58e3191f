#pragma once
// Real odd files for tests: named pipes that must not hang a test when a fix regresses,
// and folders that cannot be written even by root.
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <unistd.h>

// Makes a named pipe; false when it cannot.
bool MakePipe(const QString& path);

// Makes an empty regular file; false when it cannot. Nothing can be made under it.
bool MakePlainFile(const QString& path);

// Watches pipes while a test uses them. When the test has not finished within the limit,
// it releases whatever waits on them (opening and closing both ends, again and again) and
// notes that it had to: a program that blocks on a pipe then fails instead of freezing.
class PipeWatchdog {
public:
    explicit PipeWatchdog(const QStringList& pipes, int limitMs = 10000);
    ~PipeWatchdog();
    // Stops watching; true when the watchdog had to release a waiting open or read.
    bool Finish();

private:
    QStringList pipes_;
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    bool released_ = false;
    std::thread thread_;
};

// A folder or file made read-only for real: a read-only bind mount when running as root (root ignores
// permission bits), its permission bits otherwise. Undone when it goes.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path);
    ~ReadOnlyFolder();
    bool Ok() const { return reason_.isEmpty(); }
    QString Reason() const { return reason_; }  // why it could not be made read-only

private:
    QString path_;
    QString reason_;
    bool mounted_ = false;
};

// Another user for permission checks: a test run as root acts as "nobody" while this lives (root ignores
// permission bits); any other user stays as it is.
struct AsAnotherUser {
    static constexpr unsigned Id = 65534;
    const bool switched = ::geteuid() == 0 && ::setegid(Id) == 0 && ::seteuid(Id) == 0;
    ~AsAnotherUser() {
        if (switched && (::seteuid(0) != 0 || ::setegid(0) != 0)) std::abort();
    }
};
