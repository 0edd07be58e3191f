#pragma once
#include <QString>

// Where the program keeps its files. Every folder ends with '/'.
namespace platform {

QString ConfigFolder();   // $XDG_CONFIG_HOME, else ~/.config: the settings file
QString TempFolder();     // the media files written at every start
QString ProgramFolder();  // beside the executable: high scores, Background/, help

// Tests point the three folders somewhere else; an empty text restores the real one.
void OverrideFolders(const QString& config, const QString& temp, const QString& program);

}  // namespace platform
