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

constexpr int MaxLinks = 40;  // on the whole path, as the kernel allows

// The kernel's protected_symlinks rule: in a sticky folder that everyone may write, a link is followed
// only when it is the player's own or belongs to the folder's owner. Every other link is followed.
bool mayFollow(int folder, const struct stat& link) {
    struct stat holder;
    if (::fstat(folder, &holder) != 0) return false;
    const bool shared = (holder.st_mode & S_ISVTX) && (holder.st_mode & S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == holder.st_uid;
}

int openFolder(int base, const char* name) { return ::openat(base, name, O_PATH | O_DIRECTORY | O_CLOEXEC); }

void moveTo(int& folder, int next) {
    ::close(folder);
    folder = next;
}

// The text of the link open at fd; empty when it cannot be read.
QByteArray linkText(int fd) {
    QByteArray text(PATH_MAX, '\0');
    const ssize_t length = ::readlinkat(fd, "", text.data(), size_t(text.size()));
    return length > 0 && length < text.size() ? text.left(length) : QByteArray();
}

}  // namespace

// The path is walked name by name as the kernel walks it. Each name is opened without following it, so
// that every link met, in the folder part too, is judged and read through the descriptor it was judged
// by; its text then takes its place among the names still to walk, from the folder that holds it.
PathTarget::PathTarget(const QString& path) {
    const QByteArray whole = QFile::encodeName(path);
    if (whole.isEmpty()) return;
    QList<QByteArray> names;  // still to walk, the next one last
    bool folderOnly = false;  // the last name came with a "/" after it: it names a folder, never a file
    const auto walkAlso = [&names, &folderOnly](const QByteArray& text) {
        if (names.isEmpty()) folderOnly = text.endsWith('/') || text.endsWith("/.");
        const QList<QByteArray> parts = text.split('/');
        for (auto part = parts.rbegin(); part != parts.rend(); ++part)
            if (!part->isEmpty() && *part != ".") names.append(*part);
        return text.startsWith('/');
    };
    int folder = openFolder(AT_FDCWD, walkAlso(whole) ? "/" : ".");
    for (int links = 0; folder >= 0 && !names.isEmpty();) {
        const QByteArray name = names.takeLast();
        if (name == "..") {  // a path that ends in the folder above names no file
            moveTo(folder, names.isEmpty() ? -1 : openFolder(folder, ".."));
            continue;
        }
        const int next = ::openat(folder, name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        const bool missing = next < 0 && errno == ENOENT;
        struct stat there;
        const bool known = next >= 0 && ::fstat(next, &there) == 0;
        if (known && S_ISLNK(there.st_mode)) {
            const QByteArray text = ++links <= MaxLinks && mayFollow(folder, there) ? linkText(next) : QByteArray();
            ::close(next);
            if (text.isEmpty()) break;  // a link not to be followed leads nowhere
            if (walkAlso(text)) moveTo(folder, openFolder(AT_FDCWD, "/"));
            continue;
        }
        if (names.isEmpty() && (known || missing)) {  // the last name: a file, or one still to be made
            if (next >= 0) ::close(next);
            if (folderOnly) break;
            folder_ = folder;
            name_ = name;
            return;
        }
        const bool onTheWay = known && S_ISDIR(there.st_mode);
        if (next >= 0 && !onTheWay) ::close(next);
        moveTo(folder, onTheWay ? next : -1);
    }
    if (folder >= 0) ::close(folder);
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
