#include "platform/folders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {
namespace {
QString overriddenConfig, overriddenTemp, overriddenProgram;

QString withSlash(QString path) {
    if (!path.isEmpty() && !path.endsWith('/')) path += '/';
    return path;
}

QByteArray ownFolderName() { return "OrvaneDravik3-" + QByteArray::number(::geteuid()); }
}  // namespace

QString ConfigFolder() {
    if (!overriddenConfig.isEmpty()) return withSlash(overriddenConfig);
    QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    // A relative path is ignored, as the XDG base directory rules say.
    if (!QDir::isAbsolutePath(xdg)) xdg = QDir::homePath() + "/.config";
    return withSlash(xdg);
}

QString TempFolder() {
    if (!overriddenTemp.isEmpty()) return withSlash(overriddenTemp);
    // Qt gives an empty path when TMPDIR names no folder; then, and when it cannot be written, the
    // system's own serves. Never the working folder.
    const QFileInfo temp(QDir::tempPath());
    return withSlash(temp.isDir() && temp.isWritable() ? temp.filePath() : QStringLiteral("/tmp"));
}

QString OwnFolderIn(const QString& folder) {
    return withSlash(folder) + QString::fromLatin1(ownFolderName()) + '/';
}

QString MakeOwnFolder(const QString& folder) {
    const int parent = ::open(QFile::encodeName(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (parent < 0) return {};
    const uid_t player = ::geteuid();
    // Others cannot rename the player's folder away where only root or the player may write, or where
    // the sticky bit lets each entry's owner alone: then the path keeps naming the folder checked here.
    struct stat holder;
    const bool safe = ::fstat(parent, &holder) == 0 && (holder.st_uid == 0 || holder.st_uid == player) &&
                      ((holder.st_mode & S_ISVTX) || !(holder.st_mode & (S_IWGRP | S_IWOTH)));
    // Whether name there is a folder of the player's (no link), that only the player can enter.
    const auto owned = [&](const QByteArray& name) {
        struct stat own;
        const int fd = ::openat(parent, name.constData(), O_PATH | O_NOFOLLOW | O_DIRECTORY | O_CLOEXEC);
        bool ok = fd >= 0 && ::fstat(fd, &own) == 0 && S_ISDIR(own.st_mode) && own.st_uid == player;
        if (ok && (own.st_mode & 0777) != 0700)
            ok = ::fchmodat(parent, name.constData(), 0700, 0) == 0 && ::fstat(fd, &own) == 0 &&
                 (own.st_mode & 0777) == 0700;
        if (fd >= 0) ::close(fd);
        return ok;
    };
    QByteArray name = ownFolderName();
    if (safe) ::mkdirat(parent, name.constData(), 0700);  // else it is there from an earlier start
    bool ok = safe && owned(name);
    // Another user holds the name: one of the player's under a name no one could take first, made by
    // an earlier start or now.
    const QStringList earlier = safe && !ok ? QDir(folder).entryList({QFile::decodeName(name) + "-??????"}, QDir::Dirs) : QStringList();
    for (auto other = earlier.begin(); !ok && other != earlier.end(); ++other) ok = owned(name = QFile::encodeName(*other));
    QByteArray unique = QFile::encodeName(withSlash(folder)) + ownFolderName() + "-XXXXXX";
    if (safe && !ok && ::mkdtemp(unique.data())) {
        ok = true;
        name = unique.mid(unique.lastIndexOf('/') + 1);
    }
    ::close(parent);
    return ok ? withSlash(folder) + QFile::decodeName(name) + '/' : QString();
}

QString ProgramFolder() {
    if (!overriddenProgram.isEmpty()) return withSlash(overriddenProgram);
    return withSlash(QCoreApplication::applicationDirPath());
}

QString BesideProgram(const QString& name) {
    const QString folder = ProgramFolder();
    return folder.isEmpty() ? QString() : folder + name;
}

void OverrideFolders(const QString& config, const QString& temp, const QString& program) {
    overriddenConfig = config;
    overriddenTemp = temp;
    overriddenProgram = program;
}

}  // namespace platform
