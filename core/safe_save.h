#pragma once
// Saving a whole file so that it holds either its complete new content or its old content.
#include <QByteArray>
#include <QString>

// What a save left in the file.
enum class SaveResult {
    Saved,      // the new bytes
    Unchanged,  // the old bytes (or still no file)
    Damaged,    // a failed write could not be undone: parts of both
};

// Replaces the file with exactly these bytes, through a new file put in its place. Where that cannot
// be done (a folder that takes no new file, a sticky folder that keeps another user's file) but the
// file itself may be written, the file is written in place: the new bytes over the old ones, then cut
// to length. A kill at any moment then leaves the old or the new bytes (maybe with blank lines after
// them), never a cut file, as long as the file fits in one memory page; a write that fails puts the old
// bytes back.
SaveResult SaveWholeFile(const QString& path, const QByteArray& bytes);

// For a message after a save that failed: what the file holds now. kept says it for Unchanged.
QString FailedSaveNote(SaveResult result, const QString& kept);
