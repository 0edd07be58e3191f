#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <climits>

namespace platform {

namespace {

constexpr int MaxHops = 8;

// The folder part of a path and its last name; the name is empty for a path that ends in a folder.
std::pair<QByteArray, QByteArray> split(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return {".", path};
    return {slash == 0 ? QByteArray("/") : path.left(slash), path.mid(slash + 1)};
}

}  // namespace

PathTarget::PathTarget(const QString& path) {
    QByteArray rest = QFile::encodeName(path);
    int base = AT_FDCWD;
    for (int hop = 0; !rest.isEmpty() && hop <= MaxHops; ++hop) {
        const auto [folderPart, name] = split(rest);
        const int folder = ::openat(base, folderPart.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (base != AT_FDCWD) ::close(base);
        if (folder < 0) return;
        base = folder;
        if (name.isEmpty() || name == "." || name == "..") break;
        // The link is judged and read through one descriptor: one swapped in meanwhile is not read.
        const int link = ::openat(folder, name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        struct stat there, holder;
        if (link < 0 || ::fstat(link, &there) != 0 || !S_ISLNK(there.st_mode)) {
            if (link >= 0) ::close(link);
            folder_ = folder;
            name_ = name;
            return;
        }
        QByteArray target(PATH_MAX, '\0');
        const ssize_t length = ::fstat(folder, &holder) == 0 && (there.st_uid == ::geteuid() || there.st_uid == holder.st_uid)
                                   ? ::readlinkat(link, "", target.data(), size_t(target.size()))
                                   : -1;
        ::close(link);
        rest = length > 0 && length < target.size() ? target.left(length) : QByteArray();
    }
    if (base != AT_FDCWD) ::close(base);
}

PathTarget::~PathTarget() {
    if (folder_ >= 0) ::close(folder_);
}

bool PathTarget::Missing() const {
    struct stat there;
    return Valid() && ::fstatat(folder_, Name(), &there, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT;
}

int PathTarget::Open(int access) const {
    if (!Valid()) return -1;
    const int fd = ::openat(folder_, Name(), access | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    struct stat info;
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool IsReadableRegularFile(const QString& path) {
    const int fd = OpenRegularFile(path, O_RDONLY);
    if (fd >= 0) ::close(fd);
    return fd >= 0;
}

int OpenRegularFile(const QString& path, int access) { return path.isEmpty() ? -1 : PathTarget(path).Open(access); }

std::optional<QByteArray> ReadOpenFile(int fd, qint64 maxSize) {
    struct stat info;
    if (::fstat(fd, &info) != 0 || info.st_size > maxSize) return std::nullopt;
    QByteArray content(qsizetype(info.st_size), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < content.size()) {
        const ssize_t n = ::pread(fd, content.data() + got, size_t(content.size() - got), got);
        if (n == 0) break;  // the file shrank meanwhile: what it still holds
        if (n < 0 && errno != EINTR) return std::nullopt;
        got += std::max<ssize_t>(n, 0);
    }
    return content.left(got);
}

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxSize) {
    return path.isEmpty() ? std::nullopt : ReadRegularFile(PathTarget(path), maxSize);
}

std::optional<QByteArray> ReadRegularFile(const PathTarget& target, qint64 maxSize) {
    const int fd = target.Open(O_RDONLY);
    if (fd < 0) return std::nullopt;
    std::optional<QByteArray> bytes = ReadOpenFile(fd, maxSize);
    ::close(fd);
    return bytes;
}

bool SyncFile(int fd) { return ::fsync(fd) == 0 || errno == EINVAL; }

}  // namespace platform
