#include "platform/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {
namespace {
QString overriddenConfig, overriddenTemp, overriddenProgram;

QString withSlash(QString path) {
    if (!path.isEmpty() && !path.endsWith('/')) path += '/';
    return path;
}
}  // namespace

QString ConfigFolder() {
    if (!overriddenConfig.isEmpty()) return withSlash(overriddenConfig);
    QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (xdg.isEmpty()) xdg = QDir::homePath() + "/.config";
    return withSlash(xdg);
}

QString TempFolder() {
    if (!overriddenTemp.isEmpty()) return withSlash(overriddenTemp);
    // Qt gives an empty path when TMPDIR names no folder; then, and when it cannot be written, the
    // system's own serves. Never the working folder.
    const QFileInfo temp(QDir::tempPath());
    return withSlash(temp.isDir() && temp.isWritable() ? temp.filePath() : QStringLiteral("/tmp"));
}

QString ProgramFolder() {
    if (!overriddenProgram.isEmpty()) return withSlash(overriddenProgram);
    return withSlash(QCoreApplication::applicationDirPath());
}

void OverrideFolders(const QString& config, const QString& temp, const QString& program) {
    overriddenConfig = config;
    overriddenTemp = temp;
    overriddenProgram = program;
}

}  // namespace platform
