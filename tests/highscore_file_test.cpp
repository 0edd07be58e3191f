#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <numeric>

#include "core/highscore_file.h"
#include "platform/folders.h"
#include "support/odd_files.h"

namespace {

class HighScoreFileTest : public ::testing::Test {
protected:
    void SetUp() override { platform::OverrideFolders(dir.path(), dir.path(), dir.path()); }
    void TearDown() override { platform::OverrideFolders("", "", ""); }

    QByteArray fileBytes() const {
        QFile file(HighScoreFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void putFile(const QByteArray& bytes) const {
        QFile file(HighScoreFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(HighScoreFileTest, SubstitutionMovesTheHalvesOfTheCodeTable) {
    const struct { char16_t plain; int stored; } cases[] = {
        {0, 128}, {255, 128}, {13, 141}, {10, 138}, {u'0', 176}, {u'A', 193}, {u'¤', 37}, {127, 255},
        {128, 1}, {u'€', u'?' + 128},  // beyond Latin-1
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScrambleText(QString(QChar(c.plain))), QString(QChar(c.stored))) << int(c.plain);
    QString every;
    for (int code = 0; code < 255; ++code) every += QChar(code);
    EXPECT_EQ(UnscrambleText(ScrambleText(every)), every);
}

TEST_F(HighScoreFileTest, ResetWritesTheBuiltInListsAndSavingUsesTheSameLayout) {
    putFile(QByteArray(5000, 'x'));
    ResetHighScores();
    const QByteArray reset = fileBytes();
    ASSERT_GT(reset.size(), 2);
    EXPECT_EQ(quint8(reset[0]), 'M' + 128);
    EXPECT_EQ(quint8(reset[5]), 37);  // "Marta¤1500"
    EXPECT_EQ(reset.right(2), "\r\n");
    EXPECT_EQ(reset.count("\x8D\x8A"), 20);  // scrambled CR LF after each entry
    const QStringList builtIn = ReadHighScoreFile();
    EXPECT_EQ(builtIn, BuiltInHighScores());
    ASSERT_EQ(builtIn.size(), 20);
    EXPECT_EQ(builtIn[0] + builtIn[9], "Marta¤1500Paloma¤1050");
    EXPECT_EQ(builtIn[10] + builtIn[19], "Oskar¤1500Tilde¤1050");

    ASSERT_TRUE(WriteHighScoreFile(builtIn));
    EXPECT_EQ(fileBytes(), reset);
    QStringList lists = builtIn;
    lists[0] = "Zoë Ünal ¤x¤-32768";
    ASSERT_TRUE(WriteHighScoreFile(lists));
    EXPECT_EQ(fileBytes().size(), lists.join("").size() + 2 * 20 + 2);  // one byte per character
    EXPECT_EQ(ReadHighScoreFile(), lists);
    QStringList broken = lists;
    broken[1] = "Ann¤1234\n";  // a line end is no part of an entry
    ASSERT_TRUE(WriteHighScoreFile(broken));
    lists[1] = "Ann¤1234";
    EXPECT_EQ(ReadHighScoreFile(), lists);
    EXPECT_FALSE(WriteHighScoreFile(lists.mid(0, 19)));
    EXPECT_EQ(ReadHighScoreFile(), lists);
}

// A damaged file loses nothing that can still be read: readable entries keep their places, the built-in
// entries fill the others, the old bytes stay in a copy beside it, and the file is written in its own
// form again. A line the reader takes is written back in the form it takes.
TEST_F(HighScoreFileTest, DamagedFilesKeepWhatCanBeReadAndACopy) {
    QStringList earned;
    for (int i = 0; i < 20; ++i) earned << QStringLiteral("Earned %1¤%2").arg(i).arg(4000 - 10 * i);
    const QString plain = earned.join("\r\n") + "\r\n";
    const auto stored = [](const QString& text) { return (ScrambleText(text) + "\r\n").toLatin1(); };
    const QByteArray good = stored(plain);
    const QStringList builtIn = BuiltInHighScores();
    const auto earnedBut = [&](QList<int> builtInPlaces) {
        QStringList lists = earned;
        for (int place : builtInPlaces) lists[place] = builtIn[place];
        return lists;
    };
    QByteArray binary;
    for (int i = 0; i < 3000; ++i) binary += char(i * 91);
    QList<int> all(20), margins(10);
    std::iota(all.begin(), all.end(), 0);
    std::iota(margins.begin(), margins.end(), 10);
    QStringList strayLf = earned;
    strayLf[4] = "Ann¤1234";

    const struct { const char* damage; QByteArray content; QStringList lists; } cases[] = {
        {"last 3 bytes cut", good.chopped(3), earned},
        {"last 5 bytes cut", good.chopped(5), earnedBut({19})},
        {"19 entries", stored(plain.left(plain.indexOf("Earned 19"))), earnedBut({19})},
        {"10 entries", stored(plain.left(plain.indexOf("Earned 10"))), earnedBut(margins)},
        {"one bad score", stored(QString(plain).replace("¤3970", "¤39x0")), earnedBut({3})},
        {"LF only", stored(earned.join("\n") + "\n").replace("\r\n", "\n"), earned},
        {"unscrambled", plain.toLatin1() + "\r\n", earned},
        {"stray LF before CR LF", stored(QString(plain).replace("Earned 4¤3960", "Ann¤1234\n")), strayLf},
        {"binary", binary, builtIn},
        {"empty", "", builtIn},
    };
    QDir folder(dir.path());
    const QStringList copyNames{"highscores-damaged-*.dat"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.damage);
        const QStringList copiesBefore = folder.entryList(copyNames);
        putFile(c.content);
        EXPECT_EQ(ReadHighScoreFile(), c.lists);
        EXPECT_EQ(fileBytes(), stored(c.lists.join("\r\n") + "\r\n"));
        EXPECT_EQ(ReadHighScoreFile(), c.lists);

        QStringList copies = folder.entryList(copyNames);
        for (const QString& earlier : copiesBefore) copies.removeOne(earlier);
        if (c.content.isEmpty()) {
            EXPECT_TRUE(copies.isEmpty());
            continue;
        }
        ASSERT_EQ(copies.size(), 1);
        QFile copy(folder.filePath(copies[0]));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), c.content);
    }
    for (const QString& name : folder.entryList(copyNames)) QFile::remove(folder.filePath(name));

    // A damaged file that cannot be rewritten is copied once, however often it is read.
    putFile(binary);
    {
        ReadOnlyFolder readOnly(HighScoreFilePath());
        ASSERT_TRUE(readOnly.Ok()) << readOnly.Reason().toStdString();
        for (int read = 0; read < 3; ++read) EXPECT_EQ(ReadHighScoreFile(), builtIn);
        EXPECT_EQ(folder.entryList(copyNames).size(), 1);
        EXPECT_EQ(fileBytes(), binary);
    }
    for (const QString& name : folder.entryList(copyNames)) QFile::remove(folder.filePath(name));

    QFile::remove(HighScoreFilePath());
    ResetHighScores();
    const QByteArray rebuilt = fileBytes();
    QFile::remove(HighScoreFilePath());
    EXPECT_EQ(ReadHighScoreFile(), builtIn);
    EXPECT_EQ(fileBytes(), rebuilt);
    EXPECT_TRUE(folder.entryList(copyNames).isEmpty());

    platform::OverrideFolders(dir.path(), dir.path(), dir.filePath("missing/folder"));
    EXPECT_FALSE(WriteHighScoreFile(builtIn));
    EXPECT_EQ(ReadHighScoreFile(), builtIn);
}

// A shared install: the program folder takes no new file, but the high-score file is the players' to
// write. Saves go into the file itself.
TEST_F(HighScoreFileTest, AFileThePlayerMayWriteInAFolderTheyMayNotIsSavedInPlace) {
    ResetHighScores();
    const auto permit = [](const QString& path, int everyone) {  // for owner, group and others alike
        ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions::fromInt(everyone * 0x1111)));
    };
    permit(dir.path(), QFile::ReadOther | QFile::ExeOther);
    permit(HighScoreFilePath(), QFile::ReadOther | QFile::WriteOther);
    QStringList lists = BuiltInHighScores();
    lists[0] = "Ann¤1600";
    {
        AsAnotherUser player;
        EXPECT_TRUE(WriteHighScoreFile(lists));
        EXPECT_EQ(ReadHighScoreFile(), lists);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"highscores.dat"});
    permit(dir.path(), QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
}
