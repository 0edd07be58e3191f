#pragma once
// The high-score file "highscores.dat" beside the program: the single-turn top ten then the winning
// margin top ten, one "name¤score" line each ended by CR LF, passed through ScrambleText, then a plain
// CR LF. One byte per character (Latin-1).
#include <QString>
#include <QStringList>

#include "core/safe_save.h"

// Codes 0..127 move up by 128, codes 128..255 down by 127. Characters beyond Latin-1 become '?' first.
QString ScrambleText(const QString& text);
// Codes 129..255 move down by 128, codes 0..127 up by 127, and 128 reads as 255 (the inverse for every
// code but 0, which no name holds).
QString UnscrambleText(const QString& text);

// Beside the program when the file is there or can be made there; else in the settings folder.
QString HighScoreFilePath();

// The twenty built-in entries: ten single-turn entries, then ten margin entries.
QStringList BuiltInHighScores();

// Every save and read goes through SaveLocked and ReadLocked: two games on one file (a shared install)
// never tear it or lose each other's saves.

// Replaces the file with the built-in lists, saved as SaveWholeFile does. A damaged file is first
// copied as ReadHighScoreFile copies it; one that cannot be copied stays as it is.
SaveResult ResetHighScores();

// Replaces the file with these twenty entries as ResetHighScores does; the file stays as it is when the
// count is not twenty. CR and LF are left out of the entries.
SaveResult WriteHighScoreFile(const QStringList& twentyEntries);

// Saves the entries that lists holds beyond base (the lists as this game last read or saved them) into
// the file's lists as they are now, each where it ranks, so that no entry another game saved meanwhile
// is lost; otherwise as WriteHighScoreFile. saved, when given, receives the twenty entries that the
// file holds afterwards, also after a save that failed (untouched when it could not be read).
SaveResult MergeHighScoreFile(const QStringList& base, const QStringList& lists, QStringList* saved = nullptr);

// For a message after a save of the file that failed: what the file holds now.
QString HighScoreFileAfterFailure(SaveResult result);

// The twenty entries of the file. A missing file is written with the built-in lists, which are returned.
// In a damaged file the entries that can still be read keep their places and the built-in entries fill
// the others; the damaged file is copied to "highscores-damaged-<date>-<time>.dat" beside it (in the
// settings file's folder when the program's folder takes no new file), once for the same bytes, and
// then rewritten with those entries. newCopy, when given, is set to the path of a copy that this read
// made. A file that cannot be read gives the built-in lists and is left alone.
QStringList ReadHighScoreFile(QString* newCopy = nullptr);
