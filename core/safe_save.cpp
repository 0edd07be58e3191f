#include "core/safe_save.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

bool SaveWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // A buffered write fails only when it is flushed, and commit() would still put the short
    // temporary file in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

int RemoveSaveLeftovers(const QStringList& files, const QDateTime& before) {
    int removed = 0;
    for (const QString& path : files) {
        const QFileInfo target(path);
        // QSaveFile's temporary name: the file's name, a dot and six random letters. Six letters
        // that read as a word ("backup", "BACKUP", "Backup") may be the player's own copy and stay;
        // the few leftovers whose random letters fall that way stay too.
        const QRegularExpression ours(QRegularExpression::anchoredPattern(
            QRegularExpression::escape(target.fileName()) + QStringLiteral("\\.[A-Za-z]{6}")));
        static const QRegularExpression word(
            QRegularExpression::anchoredPattern(QStringLiteral(".*\\.([a-z]{6}|[A-Z]{6}|[A-Z][a-z]{5})")));
        const QFileInfoList candidates = target.absoluteDir().entryInfoList(
            {target.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::NoSymLinks);
        for (const QFileInfo& leftover : candidates) {
            if (!ours.match(leftover.fileName()).hasMatch() || word.match(leftover.fileName()).hasMatch() ||
                leftover.lastModified() >= before)
                continue;
            if (QFile::remove(leftover.filePath())) ++removed;
        }
    }
    return removed;
}
