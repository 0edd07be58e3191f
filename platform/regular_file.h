#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// Where a path leads, decided once through descriptors: the folder that holds the file, open, and the
// file's name there, which is no link (it may be missing). Every link on the way, in the folder part
// too, is followed as the kernel follows it with protected_symlinks on: in a sticky folder that everyone
// may write, only the player's own links and those of the folder's owner; anywhere else, every link. At
// most 40 links on the whole path. A link not to be followed, a longer chain or a folder that cannot be
// opened leaves the path leading nowhere: nothing is read or written through it.
class PathTarget {
public:
    explicit PathTarget(const QString& path);
    ~PathTarget();
    PathTarget(const PathTarget&) = delete;
    PathTarget& operator=(const PathTarget&) = delete;

    bool Valid() const { return folder_ >= 0; }
    int Folder() const { return folder_; }
    const char* Name() const { return name_.constData(); }
    // Whether nothing at all stands at the name (so that a file may be made there).
    bool Missing() const;
    // A descriptor of the regular file there, opened with these access flags, without blocking (a pipe
    // or device put at the name is never waited on) and never through a link. -1 when it is missing,
    // refused or of another kind. The caller closes it.
    int Open(int access) const;

private:
    int folder_ = -1;
    QByteArray name_;
};

// True for a regular file (or a link to one that may be followed) that may be read. False for folders,
// pipes, devices, sockets, missing and unreadable files: opening those can block or never end.
bool IsReadableRegularFile(const QString& path);

// PathTarget(path).Open(access).
int OpenRegularFile(const QString& path, int access);

// The whole content of an open file of at most maxSize bytes, read from its start. Nothing when it is
// bigger or cannot be read.
std::optional<QByteArray> ReadOpenFile(int fd, qint64 maxSize);

// ReadOpenFile on the descriptor of target.Open(O_RDONLY): nothing when the file is missing,
// unreadable, of another kind or too big.
std::optional<QByteArray> ReadRegularFile(const PathTarget& target, qint64 maxSize);
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxSize);

// fsync, where a file system that has nothing to sync (EINVAL) counts as synced.
bool SyncFile(int fd);

}  // namespace platform
