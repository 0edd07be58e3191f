#pragma once
// File-name helpers, the file-existence test and writing embedded resources to files.
#include <QByteArray>
#include <QString>

// The name after the last '/' (all of path when it has none), cut before its first '.'.
QString GetFileTitle(const QString& path);

// The name after the last '/' (all of path when it has none).
QString GetFileName(const QString& path);

// True only for an existing normal file (a symbolic link counts as its target); false for folders,
// missing paths and anything that fails.
bool FileExists(const QString& path);

// Error numbers of ExtractResource.
constexpr qint32 ErrResourceNotFound = 326;
constexpr qint32 ErrPermissionDenied = 70;
constexpr qint32 ErrPathFileAccess = 75;
constexpr qint32 ErrDeviceIo = 57;

// Writes the bytes to a new file at fileName, in place of the player's own file or link there; anything
// else at the name (another user's, a folder, a pipe) is an error. 0 on success, else an error number.
qint32 WriteFileBytes(const QString& fileName, const QByteArray& data);

// Writes the raw bytes of the embedded resource of that type and id to fileName, replacing the file.
// 0 on success, otherwise one of the error numbers above (an empty or missing resource writes nothing).
qint32 ExtractResource(int resId, const QString& resType, const QString& fileName);

// The temporary folder, ending in '/'.
QString GetTempFolder();
