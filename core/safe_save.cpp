#include "core/safe_save.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSaveFile>
#include <algorithm>

#include "platform/regular_file.h"

namespace {

constexpr qint64 MaxInPlaceSize = 64 * 1024 * 1024;

// Writes bytes from the start of the file in one call, with line ends after them up to length so that
// nothing of a longer old content is left, then cuts the file to the bytes. A kill between the two
// leaves the bytes and blank lines. A short write counts as failed: writing on from a size limit would
// end the program.
bool overwrite(int fd, QByteArray bytes, qint64 length) {
    const qint64 size = bytes.size();
    bytes.append(std::max<qint64>(length - size, 0), '\n');
    return ::pwrite(fd, bytes.constData(), size_t(bytes.size()), 0) == bytes.size() && ::ftruncate(fd, size) == 0;
}

SaveResult writeInPlace(const QString& path, const QByteArray& bytes) {
    const int fd = platform::OpenRegularFile(path, O_RDWR);
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
    if (!growth.isEmpty() && ::pwrite(fd, growth.constData(), size_t(growth.size()), old->size()) != growth.size()) {
        const bool cut = ::ftruncate(fd, old->size()) == 0;
        ::close(fd);
        return cut ? SaveResult::Unchanged : SaveResult::Damaged;
    }
    SaveResult result = SaveResult::Saved;
    if (!overwrite(fd, bytes, length) || ::fsync(fd) != 0)
        result = overwrite(fd, *old, length) && ::fsync(fd) == 0 ? SaveResult::Unchanged : SaveResult::Damaged;
    // An error that only the close reports: the old bytes go back through a new descriptor.
    if (::close(fd) != 0 && result == SaveResult::Saved)
        return writeInPlace(path, *old) == SaveResult::Saved ? SaveResult::Unchanged : SaveResult::Damaged;
    return result;
}

}  // namespace

SaveResult SaveWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        // A buffered write fails only when it is flushed, and an error that the disk reports late only
        // at the sync, both of which commit() would ignore and put the short file in place anyway.
        if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(int(file.handle())) != 0) {
            file.cancelWriting();
            return SaveResult::Unchanged;
        }
        if (file.commit()) return SaveResult::Saved;
        if (file.error() != QFileDevice::RenameError) return SaveResult::Unchanged;
    }
    // No new file could be made, or it could not take the old one's place.
    return writeInPlace(path, bytes);
}

QString FailedSaveNote(SaveResult result, const QString& kept) {
    return result == SaveResult::Damaged
               ? QStringLiteral("The file could not be put back as it was and may be damaged.")
               : kept;
}
