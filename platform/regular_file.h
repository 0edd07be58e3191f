#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// True for a regular file (or a link to one) that may be read. False for folders, pipes,
// devices, sockets, missing and unreadable files: opening those can block or never end.
bool IsReadableRegularFile(const QString& path);

// The whole content of a regular file of at most maxSize bytes, read through one descriptor that
// was opened without blocking: a pipe or device put at the name meanwhile is never waited on. A link
// is followed only when it is the player's own. Nothing when the file is missing, unreadable, of
// another kind or too big.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxSize);

}  // namespace platform
