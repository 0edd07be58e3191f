#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>

namespace platform {

bool IsReadableRegularFile(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

int OpenRegularFile(const QString& path, int access) {
    if (path.isEmpty()) return -1;
    const QByteArray name = QFile::encodeName(path);
    const int flags = access | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(name.constData(), flags | O_NOFOLLOW);
    struct stat link;
    if (fd < 0 && errno == ELOOP && ::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode) &&
        link.st_uid == ::geteuid())
        fd = ::open(name.constData(), flags);
    struct stat info;
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

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
    const int fd = OpenRegularFile(path, O_RDONLY);
    if (fd < 0) return std::nullopt;
    std::optional<QByteArray> bytes = ReadOpenFile(fd, maxSize);
    ::close(fd);
    return bytes;
}

}  // namespace platform
