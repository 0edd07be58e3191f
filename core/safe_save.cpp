#include "core/safe_save.h"

#include <QFileInfo>
#include <QSaveFile>

bool SaveWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // A folder that takes no new file (a shared install's) may still hold a file the player can
    // write: that file is then written in place, without the safety of a replace.
    file.setDirectWriteFallback(QFileInfo(path).isFile());
    if (!file.open(QIODevice::WriteOnly)) return false;
    // A buffered write fails only when it is flushed, and commit() would still put the short
    // temporary file in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
