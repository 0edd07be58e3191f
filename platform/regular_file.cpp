#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace platform {

bool IsReadableRegularFile(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxSize) {
    if (path.isEmpty()) return std::nullopt;
    const QByteArray name = QFile::encodeName(path);
    constexpr int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(name.constData(), flags | O_NOFOLLOW);
    struct stat link;
    if (fd < 0 && errno == ELOOP && ::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode) &&
        link.st_uid == ::geteuid())
        fd = ::open(name.constData(), flags);
    if (fd < 0) return std::nullopt;
    struct stat info;
    std::optional<QByteArray> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= maxSize) {
        QByteArray content(qsizetype(info.st_size), Qt::Uninitialized);
        qsizetype got = 0;
        bool failed = false;
        while (got < content.size() && !failed) {
            const ssize_t n = ::read(fd, content.data() + got, size_t(content.size() - got));
            if (n == 0) break;  // the file shrank meanwhile: what it still held
            if (n > 0) got += n;
            failed = n < 0 && errno != EINTR;
        }
        if (!failed) bytes = content.left(got);
    }
    ::close(fd);
    return bytes;
}

}  // namespace platform
