#include "support/odd_files.h"

#include <QFile>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

bool MakePipe(const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0; }

bool MakePlainFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

PipeWatchdog::PipeWatchdog(const QStringList& pipes, int limitMs) : pipes_(pipes) {
    std::signal(SIGPIPE, SIG_IGN);  // a released writer gets an error, not the signal
    thread_ = std::thread([this, limitMs] {
        std::unique_lock lock(mutex_);
        if (done_.wait_for(lock, std::chrono::milliseconds(limitMs), [this] { return finished_; })) return;
        released_ = true;
        while (!finished_) {
            for (const QString& pipe : pipes_) {
                // Opening both ends lets a waiting reader or writer through; closing gives the reader
                // its end of file.
                const int fd = ::open(QFile::encodeName(pipe).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
                if (fd < 0) continue;
                char buffer[4096];
                while (::read(fd, buffer, sizeof buffer) > 0) {
                }
                ::close(fd);
            }
            done_.wait_for(lock, std::chrono::milliseconds(20), [this] { return finished_; });
        }
    });
}

bool PipeWatchdog::Finish() {
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
    done_.notify_all();
    if (thread_.joinable()) thread_.join();
    return released_;
}

PipeWatchdog::~PipeWatchdog() { Finish(); }

ReadOnlyFolder::ReadOnlyFolder(const QString& path) : path_(path) {
    const QByteArray native = QFile::encodeName(path);
    if (::geteuid() != 0) {
        if (::chmod(native.constData(), 0555) != 0) reason_ = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    if (::mount(native.constData(), native.constData(), nullptr, MS_BIND, nullptr) != 0) {
        reason_ = QStringLiteral("root cannot bind-mount here: ") + QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    mounted_ = true;
    if (::mount(nullptr, native.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        reason_ = QStringLiteral("root cannot remount read-only: ") + QString::fromLocal8Bit(std::strerror(errno));
}

ReadOnlyFolder::~ReadOnlyFolder() {
    const QByteArray native = QFile::encodeName(path_);
    if (mounted_)
        ::umount2(native.constData(), MNT_DETACH);
    else if (::geteuid() != 0)
        ::chmod(native.constData(), 0755);
}
