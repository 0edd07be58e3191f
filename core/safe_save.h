#pragma once
// Saving a whole file so that it is either replaced by its complete new content or left as it was,
// and clearing away the temporary files of saves that were killed half-way.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// Replaces the file with exactly these bytes. False, with the old file untouched, when anything
// fails: the folder cannot be written, the disk is full, the new file cannot be put in place.
bool SaveWholeFile(const QString& path, const QByteArray& bytes);

// Removes the temporary files that saves of these files leave behind when the program is killed in
// the middle ("name.XXXXXX", six random letters of both cases, beside the file), when last written
// before the moment given. Nothing else is touched, nor a name whose letters read as a word.
// Returns how many were removed.
int RemoveSaveLeftovers(const QStringList& files, const QDateTime& before);
