#pragma once
#include <QString>

namespace platform {

// True for a regular file (or a link to one) that may be read. False for folders, pipes,
// devices, sockets, missing and unreadable files: opening those can block or never end.
bool IsReadableRegularFile(const QString& path);

}  // namespace platform
