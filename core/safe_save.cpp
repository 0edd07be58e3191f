#include "core/safe_save.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform/regular_file.h"

namespace {

constexpr qint64 MaxInPlaceSize = 64 * 1024 * 1024;

bool writeAll(int fd, const QByteArray& bytes) { return ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size(); }

enum class Written { Whole, NoFile, Failed };

// Writes the bytes to a new file in the folder, flushes and closes it, and gives it a name of its own
// beside name (set in temporary). Where the file system allows, the file has no name until it is whole
// (O_TMPFILE), so that a kill leaves nothing behind. like, when given, is the file it is to replace: the
// new one takes its owner, group and permissions. NoFile when the folder takes no new file, or when the
// new one cannot have that owner and group.
Written writeTemporary(int folder, const QByteArray& name, const QByteArray& bytes, const struct stat* like,
                       QByteArray& temporary) {
    static const bool namedByDescriptor = ::access("/proc/self/fd", X_OK) == 0;
    const auto pickName = [&] { temporary = name + '.' + QByteArray::number(QRandomGenerator::global()->generate64(), 36); };
    int fd = namedByDescriptor ? ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666) : -1;
    const bool unnamed = fd >= 0;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        pickName();
        fd = ::openat(folder, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return Written::NoFile;
    bool named = !unnamed;
    if (like) {
        // A group the player belongs to can be given; another owner only by root.
        if (::fchown(fd, like->st_uid, like->st_gid) != 0) (void)::fchown(fd, uid_t(-1), like->st_gid);
        struct stat made;
        if (::fstat(fd, &made) != 0 || made.st_uid != like->st_uid || made.st_gid != like->st_gid) {
            if (named) ::unlinkat(folder, temporary.constData(), 0);
            ::close(fd);
            return Written::NoFile;
        }
        (void)::fchmod(fd, like->st_mode & 0777);
    }
    bool whole = writeAll(fd, bytes) && platform::SyncFile(fd);
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; whole && !named && attempt < 100; ++attempt) {
        pickName();
        named = ::linkat(AT_FDCWD, self.constData(), folder, temporary.constData(), AT_SYMLINK_FOLLOW) == 0;
        whole = named || errno == EEXIST;
    }
    whole = ::close(fd) == 0 && whole && named;
    if (!whole && named) ::unlinkat(folder, temporary.constData(), 0);
    return whole ? Written::Whole : Written::Failed;
}

// Writes bytes from the start of the file in one call, with line ends after them up to length so that
// nothing of a longer old content is left, then cuts the file to the bytes. A kill between the two
// leaves the bytes and blank lines. A short write counts as failed: writing on from a size limit would
// end the program.
bool overwrite(int fd, QByteArray bytes, qint64 length) {
    const qint64 size = bytes.size();
    bytes.append(std::max<qint64>(length - size, 0), '\n');
    return ::pwrite(fd, bytes.constData(), size_t(bytes.size()), 0) == bytes.size() && ::ftruncate(fd, size) == 0;
}

// After a failed write: whether the file holds the old bytes again, read back rather than judged by the
// writes (a size limit cuts a write of bytes that are there already).
SaveResult heldAfterFailure(int fd, const QByteArray& old) {
    (void)::ftruncate(fd, old.size());
    platform::SyncFile(fd);
    return platform::ReadOpenFile(fd, MaxInPlaceSize) == old ? SaveResult::Unchanged : SaveResult::Damaged;
}

SaveResult writeInPlace(const platform::PathTarget& target, const QByteArray& bytes, int openFile) {
    const int fd = openFile >= 0 ? ::fcntl(openFile, F_DUPFD_CLOEXEC, 0) : target.Open(O_RDWR);
    if (fd < 0) return SaveResult::Unchanged;
    const std::optional<QByteArray> old = platform::ReadOpenFile(fd, MaxInPlaceSize);
    if (!old) {
        ::close(fd);
        return SaveResult::Unchanged;
    }
    // Grow first, with blank lines: a full disk or a size limit stops the save here, before any old
    // byte has changed.
    const qint64 length = std::max(old->size(), bytes.size());
    const QByteArray growth(length - old->size(), '\n');
    SaveResult result = SaveResult::Saved;
    if (!growth.isEmpty() && ::pwrite(fd, growth.constData(), size_t(growth.size()), old->size()) != growth.size()) {
        result = heldAfterFailure(fd, *old);
    } else if (!overwrite(fd, bytes, length) || !platform::SyncFile(fd)) {
        overwrite(fd, *old, length);
        result = heldAfterFailure(fd, *old);
    }
    // An error that only the close reports: the old bytes go back through a new descriptor.
    if (::close(fd) != 0 && result == SaveResult::Saved)
        return writeInPlace(target, *old, openFile) == SaveResult::Saved ? SaveResult::Unchanged : SaveResult::Damaged;
    return result;
}

// The file opened and locked (LOCK_SH to read; LOCK_EX to save, open for writing too where it may be, as
// NFS asks) while the name still leads to it. -1 when the file is missing (missing is then set), cannot
// be opened, or stays locked for about waitMs.
int lockedFile(const platform::PathTarget& target, int how, bool& missing, int waitMs = 5000) {
    missing = false;
    int fd = -1;
    for (int tries = 0; tries < waitMs; ++tries) {
        if (fd < 0) {
            fd = how == LOCK_EX ? target.Open(O_RDWR) : -1;
            if (fd < 0) fd = target.Open(O_RDONLY);  // still to be read
            if (fd < 0) {
                missing = target.Missing();
                return -1;
            }
        }
        if (::flock(fd, how | LOCK_NB) != 0 && errno != ENOLCK) {
            if (errno != EWOULDBLOCK && errno != EINTR) break;
            ::usleep(1000);
            continue;
        }
        struct stat held, named;
        if (::fstat(fd, &held) == 0 && ::fstatat(target.Folder(), target.Name(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino)
            return fd;
        ::close(fd);
        fd = -1;
    }
    if (fd >= 0) ::close(fd);
    return -1;
}

}  // namespace

SaveResult SaveWholeFile(const platform::PathTarget& target, const QByteArray& bytes, int openFile) {
    struct stat there;
    const bool exists = target.Valid() && ::fstatat(target.Folder(), target.Name(), &there, AT_SYMLINK_NOFOLLOW) == 0;
    if (!target.Valid() || (exists ? !S_ISREG(there.st_mode) : errno != ENOENT)) return SaveResult::Unchanged;
    // A file the player may not write (read-only, or another user's) is not replaced either.
    if (exists && ::faccessat(target.Folder(), target.Name(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0)
        return SaveResult::Unchanged;
    // A rename would leave the file's other names with the old bytes: such a file is written in place.
    QByteArray temporary;
    const Written written = exists && there.st_nlink > 1
                                ? Written::NoFile
                                : writeTemporary(target.Folder(), target.Name(), bytes, exists ? &there : nullptr, temporary);
    if (written == Written::Failed) return SaveResult::Unchanged;
    if (written == Written::Whole) {
        if (::renameat(target.Folder(), temporary.constData(), target.Folder(), target.Name()) == 0) return SaveResult::Saved;
        ::unlinkat(target.Folder(), temporary.constData(), 0);
    }
    // No new file like the old one could be made, or it could not take the old one's place.
    return exists ? writeInPlace(target, bytes, openFile) : SaveResult::Unchanged;
}

int CreateWholeFile(const platform::PathTarget& target, const QByteArray& bytes) {
    QByteArray temporary;
    if (!target.Valid() || writeTemporary(target.Folder(), target.Name(), bytes, nullptr, temporary) != Written::Whole) return EIO;
    const char* from = temporary.constData();
    int error = 0;
    if (::renameat2(target.Folder(), from, target.Folder(), target.Name(), RENAME_NOREPLACE) != 0) {
        error = errno;  // a file system that cannot rename so may still link
        if (error == EINVAL) error = ::linkat(target.Folder(), from, target.Folder(), target.Name(), 0) == 0 ? 0 : errno;
        ::unlinkat(target.Folder(), from, 0);
    }
    return error;
}

QString FailedSaveNote(SaveResult result, const QString& kept) {
    return result == SaveResult::Damaged
               ? QStringLiteral("The file could not be put back as it was and may be damaged.")
               : kept;
}

std::optional<QByteArray> ReadLocked(const platform::PathTarget& target, qint64 maxSize, bool* missing, int waitMs) {
    bool none = false;
    const int fd = lockedFile(target, LOCK_SH, none, waitMs);
    if (missing) *missing = none;
    if (fd < 0) return std::nullopt;
    std::optional<QByteArray> bytes = platform::ReadOpenFile(fd, maxSize);
    ::close(fd);
    return bytes;
}

SaveResult SaveLocked(const platform::PathTarget& target, qint64 maxSize, const FileChange& change,
                      std::optional<QByteArray>* held) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        bool missing = false;
        if (const int fd = lockedFile(target, LOCK_EX, missing); fd >= 0) {
            const std::optional<QByteArray> old = platform::ReadOpenFile(fd, maxSize);
            const std::optional<QByteArray> bytes = old ? change(old) : std::nullopt;
            const SaveResult result = bytes ? SaveWholeFile(target, *bytes, fd) : SaveResult::Unchanged;
            if (held) *held = result == SaveResult::Saved ? bytes : result == SaveResult::Unchanged ? old : platform::ReadOpenFile(fd, maxSize);
            ::close(fd);
            return result;
        }
        if (!missing) break;
        const std::optional<QByteArray> bytes = change(std::nullopt);
        if (!bytes) break;
        if (CreateWholeFile(target, *bytes) == 0) {
            if (held) *held = bytes;
            return SaveResult::Saved;
        }
        if (target.Missing()) break;  // made by another game meanwhile: that one is changed
    }
    return SaveResult::Unchanged;
}
