#pragma once
// Saving a whole file so that it is either replaced by its complete new content or left as it was.
#include <QByteArray>
#include <QString>

// Replaces the file with exactly these bytes. False, with the old file untouched, when anything
// fails: the folder cannot be written, the disk is full, the new file cannot be put in place. In a
// folder that takes no new file, a file the player may write is written in place instead; false when
// that fails, and the file may then be cut short.
bool SaveWholeFile(const QString& path, const QByteArray& bytes);
