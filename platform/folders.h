#pragma once
#include <QString>

// Where the program keeps its files. Every folder ends with '/'.
namespace platform {

QString ConfigFolder();   // $XDG_CONFIG_HOME when absolute, else ~/.config: the settings file
QString TempFolder();     // the media files written at every start
QString ProgramFolder();  // beside the executable: high scores, Background/, help; empty when unknown
// The path of name in the program's folder; empty when that folder is unknown, never the working folder's.
QString BesideProgram(const QString& name);

// The game's own folder in folder, OrvaneDravik3-<uid>/, for the media where a name in a shared temporary
// folder is taken.
QString OwnFolderIn(const QString& folder);
// Makes it so that only the player can enter it, or takes the player's from an earlier start (its mode set
// to 0700), and gives its path. Where another user holds its name, OrvaneDravik3-<uid>-<six random
// characters>/: the player's from an earlier start, else a new one. Empty when none can be had, and when
// others could rename it away in folder.
QString MakeOwnFolder(const QString& folder);

// Tests point the three folders somewhere else; an empty text restores the real one.
void OverrideFolders(const QString& config, const QString& temp, const QString& program);

}  // namespace platform
