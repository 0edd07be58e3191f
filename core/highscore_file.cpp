#include "core/highscore_file.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>

#include "core/state.h"
#include "platform/folders.h"

namespace {

constexpr int EntryCount = 20;
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

bool writeText(const QString& plain) {
    QSaveFile file(HighScoreFilePath());
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write((ScrambleText(plain) + LineEnd).toLatin1());
    return file.commit();
}

// "name¤score" with a whole number that fits an Integer after the last '¤'.
bool isEntry(const QString& line) {
    static const QRegularExpression score(QStringLiteral("^-?[0-9]{1,5}$"));
    const qsizetype separator = line.lastIndexOf(ListSeparator);
    if (separator < 0 || !score.match(line.mid(separator + 1)).hasMatch()) return false;
    const int value = line.mid(separator + 1).toInt();
    return value >= -32768 && value <= 32767;
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

void ResetHighScores() {
    QString plain = BuiltInText;
    writeText(plain.replace(u'|', LineEnd));
}

bool WriteHighScoreFile(const QStringList& twentyEntries) {
    if (twentyEntries.size() != EntryCount) return false;
    QString plain;
    for (QString entry : twentyEntries) plain += entry.replace(u'\r', u' ').replace(u'\n', u' ') + LineEnd;
    return writeText(plain);
}

QStringList ReadHighScoreFile() {
    QFile file(HighScoreFilePath());
    if (file.open(QIODevice::ReadOnly)) {
        const QStringList lines = UnscrambleText(QString::fromLatin1(file.readAll())).split(LineEnd);
        if (lines.size() >= EntryCount && std::all_of(lines.begin(), lines.begin() + EntryCount, isEntry))
            return lines.mid(0, EntryCount);
    }
    ResetHighScores();
    return BuiltInHighScores();
}
