#include "platform/folders.h"

#include <QCoreApplication>
#include <QDir>

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
    return withSlash(QDir::tempPath());
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
