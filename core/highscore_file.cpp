#include "core/highscore_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <functional>

#include "core/safe_save.h"
#include "core/state.h"
#include "platform/folders.h"
#include "platform/regular_file.h"

namespace {

constexpr int EntryCount = 20;
constexpr int ListSize = 10;
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;  // a bigger one is no high-score file
const QString LineEnd = QStringLiteral("\r\n");

// The built-in lists, each entry followed by '|'.
const QString BuiltInText = QStringLiteral(
    "Marta¤1500|Oskar¤1450|Brina¤1400|Tilde¤1350|Anselm¤1300|"
    "Greta¤1250|Ivo¤1200|Renata¤1150|Emil¤1100|Paloma¤1050|"
    "Oskar¤1500|Marta¤1450|Brina¤1400|Paloma¤1350|Emil¤1300|"
    "Renata¤1250|Ivo¤1200|Greta¤1150|Anselm¤1100|Tilde¤1050|");

template <typename Rule>
QString substitute(const QString& text, Rule rule) {
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t code = text[i].unicode() > 255 ? u'?' : text[i].unicode();
        result[i] = QChar(rule(code));
    }
    return result;
}

// The one form of an entry: a name without line breaks, '¤', and a whole number that fits an Integer.
bool isEntry(const QString& line) {
    static const QRegularExpression score(QRegularExpression::anchoredPattern(u"-?[0-9]{1,5}"));
    const qsizetype separator = line.lastIndexOf(ListSeparator);
    if (separator < 0 || line.contains(u'\r') || line.contains(u'\n')) return false;
    if (!score.match(QStringView(line).sliced(separator + 1)).hasMatch()) return false;
    const int value = QStringView(line).sliced(separator + 1).toInt();
    return value >= -32768 && value <= 32767;
}

// The lines of a damaged text that were ended, without the line-end debris around them. The text is cut
// at CR LF when it holds any, else at LF, else at CR. A last line that was never ended may have lost
// digits of its score and does not count.
QStringList endedLines(const QString& text) {
    const QString end = text.contains(LineEnd)  ? LineEnd
                        : text.contains(u'\n') ? QStringLiteral("\n")
                                               : QStringLiteral("\r");
    QStringList lines = text.split(end);
    const QString last = lines.takeLast();
    if (last.endsWith(u'\r') || last.endsWith(u'\n')) lines.append(last);
    static const QRegularExpression debris(QStringLiteral("^[\r\n]+|[\r\n]+$"));
    for (QString& line : lines) line.remove(debris);
    return lines;
}

// Entries that can still be read keep their places; the other places take the built-in entries that
// stand there. A file saved unscrambled is read as it is, when that reads more entries.
QStringList recoveredEntries(const QByteArray& bytes) {
    const QString stored = QString::fromLatin1(bytes);
    QStringList best;
    int bestCount = -1;
    for (const QString& text : {UnscrambleText(stored), stored}) {
        const QStringList lines = endedLines(text);
        QStringList entries = BuiltInHighScores();
        int count = 0;
        for (int i = 0; i < EntryCount && i < lines.size(); ++i) {
            if (!isEntry(lines[i])) continue;
            entries[i] = lines[i];
            ++count;
        }
        if (count > bestCount) {
            best = entries;
            bestCount = count;
        }
    }
    return best;
}

// Twenty entries, each ended by CR LF.
bool isWhole(const QByteArray& bytes) {
    const QStringList lines = UnscrambleText(QString::fromLatin1(bytes)).split(LineEnd);
    return lines.size() > EntryCount && std::all_of(lines.begin(), lines.begin() + EntryCount, isEntry);
}

// A copy of a damaged file's bytes under a dated name, beside it when its folder takes one, else in
// the settings file's folder. It appears whole or not at all, and never over an earlier copy: a second
// copy in the same second takes the next number. Bytes that an earlier copy holds already are not
// copied again. The path is empty when no copy could be made.
struct Copy {
    QString path;
    bool made = false;  // by this call
};
Copy keepCopy(const QByteArray& bytes) {
    const QStringList folders{QFileInfo(HighScoreFilePath()).path() + u'/', platform::ConfigFolder()};
    for (const QString& folder : folders) {
        for (const QFileInfo& copy : QDir(folder).entryInfoList({QStringLiteral("highscores-damaged-*.dat")},
                                                                QDir::Files | QDir::NoSymLinks)) {
            if (copy.size() == bytes.size() && platform::ReadRegularFile(copy.filePath(), bytes.size()) == bytes)
                return {copy.filePath()};
        }
    }
    const QString name = QStringLiteral("highscores-damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (const QString& folder : folders) {
        QDir().mkpath(folder);
        for (int n = 1; n <= 100; ++n) {
            const QString copy = folder + name + (n > 1 ? QStringLiteral("-%1.dat").arg(n) : QStringLiteral(".dat"));
            const int error = CreateWholeFile(platform::PathTarget(copy), bytes);
            if (error == 0) return {copy, true};
            if (error != EEXIST) break;
        }
    }
    return {};
}

// The twenty entries of a file's bytes, as read by ReadHighScoreFile.
QStringList entriesOf(const QByteArray& bytes) {
    return isWhole(bytes) ? UnscrambleText(QString::fromLatin1(bytes)).split(LineEnd).mid(0, EntryCount)
                          : recoveredEntries(bytes);
}

// The file's form of twenty entries, each without line breaks.
QByteArray bytesOf(QStringList entries) {
    QString plain;
    for (QString& entry : entries) plain += entry.remove(u'\r').remove(u'\n') + LineEnd;
    return (ScrambleText(plain) + LineEnd).toLatin1();
}

using Change = std::function<QStringList(const QStringList&)>;

// Saves the lists that change makes of the lists the file holds, read under its lock; a missing file is
// made with the built-in lists changed. Nothing overwrites a damaged file before its bytes are kept in a
// copy (whose path goes to newCopy when this made it): where none can be made, it stays. saved receives
// the lists that the file holds afterwards.
SaveResult writeEntries(const Change& change, QStringList* saved = nullptr, QString* newCopy = nullptr) {
    std::optional<QByteArray> held;
    const SaveResult result = SaveLocked(
        platform::PathTarget(HighScoreFilePath()), MaxFileSize,
        [&](const std::optional<QByteArray>& old) -> std::optional<QByteArray> {
            if (old && !old->isEmpty() && !isWhole(*old)) {
                const Copy copy = keepCopy(*old);
                if (copy.path.isEmpty()) return std::nullopt;
                if (copy.made && newCopy) *newCopy = copy.path;
            }
            return bytesOf(change(old ? entriesOf(*old) : BuiltInHighScores()));
        },
        &held);
    if (saved && held) *saved = entriesOf(*held);
    return result;
}

// The lists with the entries that mine holds beyond base, each where it ranks: below every entry with
// a score at least as high. A list keeps its best ten.
QStringList withNewEntries(const QStringList& lists, const QStringList& base, const QStringList& mine) {
    const auto score = [](const QString& entry) { return entry.section(ListSeparator, -1).toInt(); };
    QStringList result;
    for (int first = 0; first < EntryCount; first += ListSize) {
        QStringList list = lists.mid(first, ListSize), seen = base.mid(first, ListSize);
        for (const QString& entry : mine.mid(first, ListSize)) {
            if (seen.removeOne(entry)) continue;
            const auto below = std::find_if(list.begin(), list.end(),
                                            [&](const QString& other) { return score(other) < score(entry); });
            list.insert(below - list.begin(), entry);
        }
        result += list.mid(0, ListSize);
    }
    return result;
}

}  // namespace

QString ScrambleText(const QString& text) {
    return substitute(text, [](char16_t c) { return char16_t(c < 128 ? c + 128 : c - 127); });
}

QString UnscrambleText(const QString& text) {
    // 128 stands for 255 as well as for 0, and no name holds 0.
    return substitute(text, [](char16_t d) { return char16_t(d == 128 ? 255 : d >= 128 ? d - 128 : d + 127); });
}

QString HighScoreFilePath() {
    // Beside the program when a file is there or can be made there; else each player keeps one in the
    // settings folder. Never in the working folder.
    const QString beside = platform::BesideProgram(QStringLiteral("highscores.dat"));
    struct stat there;
    const bool taken = ::lstat(QFile::encodeName(beside), &there) == 0;
    const bool takesOne = ::faccessat(AT_FDCWD, QFile::encodeName(platform::ProgramFolder()), W_OK | X_OK, AT_EACCESS) == 0;
    return !beside.isEmpty() && (taken || takesOne) ? beside : platform::ConfigFolder() + QStringLiteral("highscores.dat");
}

QStringList BuiltInHighScores() { return BuiltInText.split(u'|', Qt::SkipEmptyParts); }

SaveResult ResetHighScores() {
    return writeEntries([](const QStringList&) { return BuiltInHighScores(); });
}

SaveResult WriteHighScoreFile(const QStringList& twentyEntries) {
    if (twentyEntries.size() != EntryCount) return SaveResult::Unchanged;
    return writeEntries([&](const QStringList&) { return twentyEntries; });
}

SaveResult MergeHighScoreFile(const QStringList& base, const QStringList& lists, QStringList* saved) {
    if (lists.size() != EntryCount) return SaveResult::Unchanged;
    return writeEntries([&](const QStringList& now) { return withNewEntries(now, base, lists); }, saved);
}

QString HighScoreFileAfterFailure(SaveResult result) {
    return FailedSaveNote(result, QStringLiteral("The file keeps the lists it had."));
}

QStringList ReadHighScoreFile(QString* newCopy) {
    bool missing = false;
    const std::optional<QByteArray> bytes = ReadLocked(platform::PathTarget(HighScoreFilePath()), MaxFileSize, &missing);
    if (bytes && isWhole(*bytes)) return entriesOf(*bytes);
    // Missing or damaged: written again in its own form, from what it holds once it is locked for
    // that. Nothing a player earned is lost: the old bytes of a damaged file stay in a copy.
    QStringList entries = bytes ? entriesOf(*bytes) : BuiltInHighScores();
    if (missing || bytes) writeEntries([](const QStringList& now) { return now; }, &entries, newCopy);
    return entries;  // a file that cannot be read is left alone
}
