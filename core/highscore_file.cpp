#include "core/highscore_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "core/files.h"
#include "core/safe_save.h"
#include "core/state.h"
#include "platform/folders.h"
#include "platform/regular_file.h"

namespace {

constexpr int EntryCount = 20;
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
// the settings file's folder; never over an earlier copy. Bytes that an earlier copy holds already are
// not copied again. The path is empty when no copy could be made.
struct Copy {
    QString path;
    bool made = false;  // by this call
};
Copy keepCopy(const QByteArray& bytes) {
    const QStringList folders{platform::ProgramFolder(), platform::ConfigFolder()};
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
            if (QFileInfo(copy).exists() || QFileInfo(copy).isSymLink()) continue;
            if (WriteFileBytes(copy, bytes) == 0) return {copy, true};
            break;
        }
    }
    return {};
}

// Saves the entries. Nothing overwrites a damaged file before its bytes are kept in a copy (whose path
// goes to newCopy when this made it): where none can be made, or the file cannot be read, it stays.
SaveResult writeEntries(const QStringList& entries, QString* newCopy = nullptr) {
    const QString path = HighScoreFilePath();
    if (FileExists(path)) {
        const std::optional<QByteArray> old = platform::ReadRegularFile(path, MaxFileSize);
        if (!old) return SaveResult::Unchanged;
        if (!old->isEmpty() && !isWhole(*old)) {
            const Copy copy = keepCopy(*old);
            if (copy.path.isEmpty()) return SaveResult::Unchanged;
            if (copy.made && newCopy) *newCopy = copy.path;
        }
    }
    QString plain;
    for (QString entry : entries) plain += entry.remove(u'\r').remove(u'\n') + LineEnd;
    return SaveWholeFile(path, (ScrambleText(plain) + LineEnd).toLatin1());
}

}  // namespace

QString ScrambleText(const QString& text) {
    return substitute(text, [](char16_t c) { return char16_t(c < 128 ? c + 128 : c - 127); });
}

QString UnscrambleText(const QString& text) {
    return substitute(text, [](char16_t d) { return char16_t(d >= 128 ? d - 128 : d + 127); });
}

QString HighScoreFilePath() { return platform::ProgramFolder() + QStringLiteral("highscores.dat"); }

QStringList BuiltInHighScores() { return BuiltInText.split(u'|', Qt::SkipEmptyParts); }

SaveResult ResetHighScores() { return writeEntries(BuiltInHighScores()); }

SaveResult WriteHighScoreFile(const QStringList& twentyEntries) {
    return twentyEntries.size() == EntryCount ? writeEntries(twentyEntries) : SaveResult::Unchanged;
}

QString HighScoreFileAfterFailure(SaveResult result) {
    return FailedSaveNote(result, QStringLiteral("The file keeps the lists it had."));
}

QStringList ReadHighScoreFile(QString* newCopy) {
    const QString path = HighScoreFilePath();
    if (!FileExists(path)) {
        ResetHighScores();
        return BuiltInHighScores();
    }
    const std::optional<QByteArray> bytes = platform::ReadRegularFile(path, MaxFileSize);
    if (!bytes) return BuiltInHighScores();  // left as it is
    if (isWhole(*bytes)) return UnscrambleText(QString::fromLatin1(*bytes)).split(LineEnd).mid(0, EntryCount);

    // Damaged: nothing a player earned is lost. The old bytes stay in a copy before the file is
    // rewritten in its own form.
    const QStringList entries = recoveredEntries(*bytes);
    writeEntries(entries, newCopy);
    return entries;
}
