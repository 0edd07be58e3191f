#include "core/settings_store.h"

#include <QByteArrayView>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <limits>
#include <optional>

#include "core/safe_save.h"
#include "platform/regular_file.h"

namespace {

constexpr QByteArrayView ByteOrderMark("\xEF\xBB\xBF");

// The whole file, read under its shared lock; empty when it does not exist yet, or when the name is a
// link that may not be followed. False when it exists but cannot be read, or is no regular file
// (opening a pipe waits for a writer).
bool readBytes(const platform::PathTarget& target, QByteArray& bytes) {
    constexpr qint64 anySize = std::numeric_limits<qsizetype>::max();
    bool missing = false;
    std::optional<QByteArray> read = target.Valid() ? ReadLocked(target, anySize, &missing, 200) : QByteArray();
    // A save holds the lock for moments. One held for longer (a game stopped in a debugger, another
    // user's flock) is not waited out at every read: the file is read as it is.
    if (!read && !missing) read = platform::ReadRegularFile(target, anySize);
    if (read) bytes = *std::move(read);
    return read.has_value() || missing;
}

// One leading byte-order mark belongs to the file, not to its first line.
QByteArrayView leadingMark(QByteArrayView bytes) {
    return bytes.startsWith(ByteOrderMark) ? ByteOrderMark : QByteArrayView();
}

// Calls visit with each line of the text, without its '\n' (a '\r' before it stays in the line),
// until visit returns false.
template <typename Visit>
void forEachLine(QByteArrayView text, Visit visit) {
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0) end = text.size();
        if (!visit(text.sliced(start, end - start))) return;
        start = end + 1;
    }
}

QByteArrayView withoutCr(QByteArrayView line) { return line.endsWith('\r') ? line.chopped(1) : line; }

// UTF-8 to text, keeping a leading U+FEFF (QString::fromUtf8 drops it).
QString fromUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    return decoder(bytes);
}

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

// A key's or section's name as the file spells it (blanks around it dropped), folded to one case.
// Plain ASCII makes no text on the way, so that a scan of a huge file stays quick.
QString foldedName(QByteArrayView raw) {
    const QByteArrayView bytes = raw.trimmed();
    return (isAscii(bytes) ? QString::fromLatin1(bytes) : fromUtf8(raw).trimmed()).toCaseFolded();
}

// A key or section name as the file may spell it: around blanks, in any case.
class Name {
public:
    explicit Name(const QString& name) : folded_(name.toCaseFolded()), bytes_(name.toUtf8()) {}
    bool SpelledBy(QByteArrayView raw) const {
        const QByteArrayView bytes = raw.trimmed();
        if (isAscii(bytes_) && isAscii(bytes)) return bytes.compare(bytes_, Qt::CaseInsensitive) == 0;
        return foldedName(raw) == folded_;
    }

private:
    QString folded_;
    QByteArray bytes_;
};

// For a "[Name]" line, whether it names the section; nothing for any other line.
std::optional<bool> sectionLine(QByteArrayView line, const Name& section) {
    const QByteArrayView text = line.trimmed();
    const qsizetype close = text.indexOf(']');
    if (!text.startsWith('[') || close < 0) return std::nullopt;
    return section.SpelledBy(text.sliced(1, close - 1));
}

// Position of the '=' when the line is "Key=..." for the key; -1 otherwise.
qsizetype valueStart(QByteArrayView line, const Name& key) {
    const qsizetype equals = line.indexOf('=');
    return equals >= 0 && key.SpelledBy(line.first(equals)) ? equals : -1;
}

// The first value of every key in the lines of the section (in all of its parts), by folded name.
QHash<QString, QString> sectionValues(QByteArrayView text, const Name& section) {
    QHash<QString, QString> values;
    bool inSection = false;
    forEachLine(text, [&](QByteArrayView raw) {
        const QByteArrayView line = withoutCr(raw);
        if (const std::optional<bool> ours = sectionLine(line, section)) {
            inSection = *ours;
        } else if (const qsizetype equals = inSection ? line.indexOf('=') : -1; equals >= 0) {
            const QString name = foldedName(line.first(equals));
            if (!values.contains(name)) values.insert(name, fromUtf8(line.sliced(equals + 1)));
        }
        return true;
    });
    return values;
}

bool usableKey(const QString& key) {
    return !key.trimmed().isEmpty() && !key.contains(u'=') && !key.contains(u'\n') && !key.contains(u'\r')
           && !key.trimmed().startsWith(u'[');
}

// The file's bytes with the key's value set: the lines copied, the first line of the key replaced and
// any later ones dropped; a new key goes after the last non-empty line of the first matching section.
QByteArray withValue(const QByteArray& bytes, const QString& sectionName, const QString& keyName, const QString& value) {
    const QByteArrayView mark = leadingMark(bytes);
    const QByteArrayView text = QByteArrayView(bytes).sliced(mark.size());
    const qsizetype firstEnd = text.indexOf('\n');
    const QByteArray eol = text.first(firstEnd < 0 ? text.size() : firstEnd).endsWith('\r') ? "\r\n" : "\n";
    const QByteArray utf8Value = value.toUtf8();
    const Name section(sectionName), key(keyName);
    QByteArray out;
    out.reserve(bytes.size() + utf8Value.size() + sectionName.size() + keyName.size() + 8);
    out += mark;
    qsizetype insertAt = -1;
    bool found = false, inSection = false, firstSection = true;
    forEachLine(text, [&](QByteArrayView raw) {
        const QByteArrayView line = withoutCr(raw);
        if (const std::optional<bool> ours = sectionLine(line, section)) {
            if (inSection) firstSection = false;
            inSection = *ours;
            out += raw;
            out += '\n';
            if (inSection && firstSection) insertAt = out.size();
            return true;
        }
        if (const qsizetype equals = inSection ? valueStart(line, key) : -1; equals >= 0) {
            if (!found) {
                out += line.first(equals + 1);
                out += utf8Value + eol;
            }
            found = true;
            return true;
        }
        out += raw;
        out += '\n';
        if (inSection && firstSection && !line.trimmed().isEmpty()) insertAt = out.size();
        return true;
    });
    if (!found) {
        const QByteArray entry = keyName.trimmed().toUtf8() + '=' + utf8Value + eol;
        if (insertAt >= 0) out.insert(insertAt, entry);
        else out += '[' + sectionName.toUtf8() + ']' + eol + entry;
    }
    return out;
}

}  // namespace

void SettingsStore::Open(const QString& filePath, const QString& section) {
    path_ = filePath;
    section_ = section;
    snapshot_.reset();
}

void SettingsStore::SelectKey(const QString& key) { key_ = key; }

QString SettingsStore::Read() const {
    QByteArray bytes;
    if (path_.isEmpty() || !usableKey(key_) || !readBytes(platform::PathTarget(path_), bytes)) return {};
    if (!snapshot_ || snapshot_->bytes != bytes) {
        const QHash<QString, QString> values =
            sectionValues(QByteArrayView(bytes).sliced(leadingMark(bytes).size()), Name(section_));
        snapshot_ = Snapshot{bytes, values};
    }
    return snapshot_->values.value(key_.toCaseFolded());
}

bool SettingsStore::Write(const QString& value) {
    if (path_.isEmpty() || !usableKey(key_) || value.contains(u'\n') || value.contains(u'\r')) return false;
    // The file is read and saved where the name led once, under its lock from the read to the save: a
    // second game of the player's changing another key meanwhile keeps its key.
    QDir().mkpath(QFileInfo(path_).absolutePath());
    const platform::PathTarget target(path_);
    if (!target.Valid()) return false;
    QByteArray before;
    std::optional<QByteArray> held;
    const SaveResult saved = SaveLocked(
        target, std::numeric_limits<qsizetype>::max(),
        [&](const std::optional<QByteArray>& old) {
            before = old.value_or(QByteArray());
            return std::optional(withValue(before, section_, key_, value));
        },
        &held);
    // Damage stays as long as the file holds it, also when a key is changed in the damaged bytes.
    if (saved == SaveResult::Damaged) damaged_ = held.value_or(QByteArray());
    else if (saved == SaveResult::Saved && damaged_ == before) damaged_ = held;
    if (saved != SaveResult::Saved) return false;
    if (snapshot_ && snapshot_->bytes == before) {  // the file as read before, with this one key changed
        snapshot_->bytes = *held;
        snapshot_->values.insert(key_.trimmed().toCaseFolded(), value);
    } else {
        snapshot_.reset();
    }
    return true;
}

bool SettingsStore::WriteInteger(Integer value) { return Write(QString::number(value)); }
bool SettingsStore::WriteLong(qint32 value) { return Write(QString::number(value)); }
bool SettingsStore::WriteBoolean(Boolean value) { return Write(QString::number(value ? -1 : 0)); }

bool SettingsStore::Damaged() const {
    QByteArray bytes;
    return damaged_ && (!readBytes(platform::PathTarget(path_), bytes) || bytes == *damaged_);
}

SettingsStore& Settings() {
    static SettingsStore store;
    return store;
}

QString ReadSetting(const QString& key) {
    Settings().SelectKey(key);
    return Settings().Read();
}

bool WriteSetting(const QString& key, const QString& value) {
    Settings().SelectKey(key);
    return Settings().Write(value);
}

QString SettingsFileAfterFailure() {
    return FailedSaveNote(Settings().Damaged() ? SaveResult::Damaged : SaveResult::Unchanged,
                          QStringLiteral("Whatever the settings file could not take keeps its old value there."));
}
