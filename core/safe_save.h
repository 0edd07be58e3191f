#pragma once
// Saving a whole file so that it holds either its complete new content or its old content.
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace platform {
class PathTarget;
}

// What a save left in the file.
enum class SaveResult {
    Saved,      // the new bytes
    Unchanged,  // the old bytes (or still no file)
    Damaged,    // a failed write could not be undone: parts of both
};

// Replaces the file that the path leads to (see platform::PathTarget: a link is followed only where the
// kernel's rule for shared folders would follow it) with exactly these bytes. A new file is written in
// its folder, flushed to disk and renamed onto its name, so a link put there meanwhile is replaced,
// never followed. Where that cannot be done (a folder that takes no new file, a sticky folder that keeps
// another user's file) but the file itself may be written, it is written in place: the new bytes over
// the old ones, then cut to length. A kill at any moment then leaves the old or the new bytes (maybe
// with blank lines after them), never a cut file, as long as the file fits in one memory page (4 KiB);
// a write that fails puts the old bytes back. Anything but a regular file or nothing at the name, and a
// file the player may not write, is left as it is (Unchanged). openFile, when given, is a descriptor of
// the file open for reading and writing (one that holds a lock on it): a write in place goes through it.
SaveResult SaveWholeFile(const platform::PathTarget& target, const QByteArray& bytes, int openFile = -1);

// Makes a new file where the target leads with these bytes, whole or not at all: they are written and
// flushed under a temporary name, which then takes the file's name only while nothing is there.
// Nothing is ever replaced. 0, or the error (EEXIST: the name is taken).
int CreateWholeFile(const platform::PathTarget& target, const QByteArray& bytes);

// Two games on one file: a save holds an exclusive lock (flock) on the file from its read to its save,
// and a read takes a shared one, so that no save comes between another's read and save, and no read
// meets a half-written file. The lock is taken on the file that the name still leads to once it is
// held (a save by rename leaves a waiter holding the old file), waits about 5 s at most, and is done
// without on a file system that has no locks (ENOLCK).

// The file's bytes, read under a shared lock. Nothing when the file is missing (missing is then set),
// unreadable, of another kind, bigger than maxSize or locked for longer than about waitMs.
std::optional<QByteArray> ReadLocked(const platform::PathTarget& target, qint64 maxSize, bool* missing = nullptr,
                                     int waitMs = 5000);

// Saves, as SaveWholeFile does, what change makes of the file's bytes as they are under an exclusive
// lock (nothing for a missing file); change gives nothing to leave the file as it is. A missing file is
// made only while nothing is at its name (otherwise that file is locked and changed). held, when given,
// receives the bytes that the file holds afterwards, read back after a save that may have damaged it;
// it stays empty when the file could not be read or locked.
using FileChange = std::function<std::optional<QByteArray>(const std::optional<QByteArray>& old)>;
SaveResult SaveLocked(const platform::PathTarget& target, qint64 maxSize, const FileChange& change,
                      std::optional<QByteArray>* held = nullptr);

// For a message after a save that failed: what the file holds now. kept says it for Unchanged.
QString FailedSaveNote(SaveResult result, const QString& kept);
