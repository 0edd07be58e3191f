#pragma once
// The settings store: one section of an ini-style text file (UTF-8, "[Section]" lines and
// "Key=Value" lines). Keys and section names match without regard to case. Every read goes to the
// file (one pass over its lines, made again only when its bytes have changed), every write replaces
// the file as SaveWholeFile does, keeping the other sections and lines as they were.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>

#include "core/types.h"

class SettingsStore {
public:
    // Points the store at a file and a section. The file need not exist yet.
    void Open(const QString& filePath, const QString& section);
    // The key that the next reads and writes concern.
    void SelectKey(const QString& key);

    // The selected key's value: everything after the first '=' of its line. "" when the key, the
    // section or the file is missing or unreadable.
    QString Read() const;

    // Stores a value under the selected key, creating folder, file, section and key as needed. Returns
    // false, leaving the file untouched, when it cannot be written, when no file or key is selected, or
    // when the value holds a line break (it could not be read back).
    bool Write(const QString& value);
    bool WriteInteger(Integer value);  // decimal digits, "-" when negative
    bool WriteLong(qint32 value);
    bool WriteBoolean(Boolean value);  // "-1" or "0"

    QString FilePath() const { return path_; }
    // True while the file holds what a failed write left when it could not put the file back as it
    // was (also with keys written since).
    bool Damaged() const;

private:
    // The file's bytes as last read or written, and the first value of every key of the section in
    // them, by the key's name folded to one case.
    struct Snapshot {
        QByteArray bytes;
        QHash<QString, QString> values;
    };

    QString path_;
    QString section_;
    QString key_;
    mutable std::optional<Snapshot> snapshot_;
    std::optional<QByteArray> damaged_;  // the damaged file's bytes
};

// The program's one settings store.
SettingsStore& Settings();

// Select a key of the program's store and read or write it.
QString ReadSetting(const QString& key);
bool WriteSetting(const QString& key, const QString& value);

// For a message after writes of the program's store that failed: what the settings file holds now.
QString SettingsFileAfterFailure();
