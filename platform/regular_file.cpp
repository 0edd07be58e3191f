#include "platform/regular_file.h"

#include <QFileInfo>

namespace platform {

bool IsReadableRegularFile(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

}  // namespace platform
