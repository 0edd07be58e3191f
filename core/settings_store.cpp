#include "core/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>

namespace {

// A line of the file as stored, without its '\n' (a '\r' before it stays in the line).
using Lines = QList<QByteArray>;

bool readLines(const QString& path, Lines& lines) {
    QFile file(path);
    if (!file.exists()) return true;
    if (!file.open(QIODevice::ReadOnly)) return false;
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    lines = bytes.split('\n');
    if (lines.last().isEmpty()) lines.removeLast();
    return true;
}

QByteArray withoutCr(const QByteArray& line) { return line.endsWith('\r') ? line.chopped(1) : line; }

// The section named by a "[Name]" line; false for any other line.
bool sectionOf(const QByteArray& line, QString& name) {
    const QByteArray text = line.trimmed();
    const qsizetype close = text.indexOf(']');
    if (!text.startsWith('[') || close < 0) return false;
    name = QString::fromUtf8(text.mid(1, close - 1)).trimmed();
    return true;
}

// Position of the '=' when the line is "Key=..." for the key; -1 otherwise.
qsizetype valueStart(const QByteArray& line, const QString& key) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 0) return -1;
    const QString name = QString::fromUtf8(line.left(equals)).trimmed();
    return name.compare(key, Qt::CaseInsensitive) == 0 ? equals : -1;
}

bool usableKey(const QString& key) {
    return !key.trimmed().isEmpty() && !key.contains(u'=') && !key.contains(u'\n') && !key.contains(u'\r')
           && !key.trimmed().startsWith(u'[');
}

}  // namespace

void SettingsStore::Open(const QString& filePath, const QString& section) {
    path_ = filePath;
    section_ = section;
}

void SettingsStore::SelectKey(const QString& key) { key_ = key; }

QString SettingsStore::Read() const {
    Lines lines;
    if (path_.isEmpty() || !usableKey(key_) || !readLines(path_, lines)) return {};
    bool inSection = false;
    for (const QByteArray& raw : lines) {
        const QByteArray line = withoutCr(raw);
        QString name;
        if (sectionOf(line, name)) {
            inSection = name.compare(section_, Qt::CaseInsensitive) == 0;
        } else if (const qsizetype equals = inSection ? valueStart(line, key_) : -1; equals >= 0) {
            return QString::fromUtf8(line.mid(equals + 1));
        }
    }
    return {};
}

bool SettingsStore::Write(const QString& value) {
    if (path_.isEmpty() || !usableKey(key_) || value.contains(u'\n') || value.contains(u'\r')) return false;
    Lines lines;
    if (!readLines(path_, lines)) return false;
    const QByteArray eol = !lines.isEmpty() && lines.first().endsWith('\r') ? "\r" : "";

    // Replace the first line of the key, drop any later ones, and note where a new key would go.
    qsizetype found = -1, insertAt = -1;
    bool inSection = false, firstSection = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = withoutCr(lines[i]);
        QString name;
        if (sectionOf(line, name)) {
            if (inSection) firstSection = false;
            inSection = name.compare(section_, Qt::CaseInsensitive) == 0;
            if (inSection && firstSection) insertAt = i + 1;
            continue;
        }
        if (!inSection) continue;
        if (firstSection && !line.trimmed().isEmpty()) insertAt = i + 1;
        const qsizetype equals = valueStart(line, key_);
        if (equals < 0) continue;
        if (found < 0) {
            found = i;
            lines[i] = line.left(equals + 1) + value.toUtf8() + eol;
        } else {
            lines.removeAt(i--);
        }
    }
    const QByteArray entry = key_.trimmed().toUtf8() + '=' + value.toUtf8() + eol;
    if (found < 0 && insertAt >= 0) {
        lines.insert(insertAt, entry);
    } else if (found < 0) {
        lines.append('[' + section_.toUtf8() + ']' + eol);
        lines.append(entry);
    }

    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(lines.join('\n') + '\n');
    return file.commit();
}

bool SettingsStore::WriteInteger(Integer value) { return Write(QString::number(value)); }
bool SettingsStore::WriteLong(qint32 value) { return Write(QString::number(value)); }
bool SettingsStore::WriteBoolean(Boolean value) { return Write(QString::number(value ? -1 : 0)); }

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
