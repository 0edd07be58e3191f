#include "core/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "platform/folders.h"
#include "platform/resources.h"

QString GetFileTitle(const QString& path) {
    const QString name = GetFileName(path);
    const qsizetype dot = name.indexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString GetFileName(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }

bool FileExists(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

qint32 WriteFileBytes(const QString& fileName, const QByteArray& data) {
    if (fileName.isEmpty()) return ErrPathFileAccess;
    const QByteArray name = QFile::encodeName(fileName);
    const auto failure = [] {
        return errno == EACCES || errno == EPERM ? ErrPermissionDenied : ErrPathFileAccess;
    };
    // Only the player's own file or link is replaced, and it is removed first: a link is never
    // followed, nor a file linked to another name written into. Another user's file, a folder, a
    // pipe or a device stays as it is.
    struct stat there;
    if (::lstat(name.constData(), &there) == 0) {
        if (there.st_uid != ::geteuid() || !(S_ISREG(there.st_mode) || S_ISLNK(there.st_mode)))
            return ErrPermissionDenied;
        if (::unlink(name.constData()) != 0) return failure();
    }
    // A new file: O_EXCL refuses whatever may have been put at the name meanwhile.
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return failure();
    // An error that only the close reports fails the write too; a cut file is not left behind.
    const bool written = ::write(fd, data.constData(), size_t(data.size())) == data.size();
    if (::close(fd) == 0 && written) return 0;
    ::unlink(name.constData());
    return ErrDeviceIo;
}

qint32 ExtractResource(int resId, const QString& resType, const QString& fileName) {
    const QByteArray data = platform::LoadResData(resType, resId);
    return data.isEmpty() ? ErrResourceNotFound : WriteFileBytes(fileName, data);
}

QString GetTempFolder() { return platform::TempFolder(); }
