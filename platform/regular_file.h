#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// True for a regular file (or a link to one) that may be read. False for folders, pipes,
// devices, sockets, missing and unreadable files: opening those can block or never end.
bool IsReadableRegularFile(const QString& path);

// A descriptor of a regular file opened with these access flags, without blocking (a pipe or device put
// at the name is never waited on) and through a link only when the link is the player's own. -1 when
// the file is missing, refused or of another kind. The caller closes it.
int OpenRegularFile(const QString& path, int access);

// The whole content of an open file of at most maxSize bytes, read from its start. Nothing when it is
// bigger or cannot be read.
std::optional<QByteArray> ReadOpenFile(int fd, qint64 maxSize);

// ReadOpenFile on the descriptor of OpenRegularFile(path, O_RDONLY): nothing when the file is missing,
// unreadable, of another kind or too big.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxSize);

}  // namespace platform
