#include "core/files.h"

#include <QFile>
#include <QFileInfo>

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
    // Only a regular file is replaced: opening a pipe to write waits for a reader.
    const QFileInfo target(fileName);
    if (fileName.isEmpty() || (target.exists() && !target.isFile())) return ErrPathFileAccess;
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return file.error() == QFileDevice::PermissionsError ? ErrPermissionDenied : ErrPathFileAccess;
    const bool written = file.write(data) == data.size();
    file.close();
    return written && file.error() == QFileDevice::NoError ? 0 : ErrDeviceIo;
}

qint32 ExtractResource(int resId, const QString& resType, const QString& fileName) {
    const QByteArray data = platform::LoadResData(resType, resId);
    return data.isEmpty() ? ErrResourceNotFound : WriteFileBytes(fileName, data);
}

QString GetTempFolder() { return platform::TempFolder(); }
