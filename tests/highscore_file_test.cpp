#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/highscore_file.h"
#include "platform/folders.h"

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
    EXPECT_FALSE(WriteHighScoreFile(lists.mid(0, 19)));
    EXPECT_EQ(ReadHighScoreFile(), lists);
}

TEST_F(HighScoreFileTest, UnusableFilesAreRebuiltFromTheBuiltInLists) {
    ResetHighScores();
    const QByteArray rebuilt = fileBytes();
    const QString plain = BuiltInHighScores().join("\r\n") + "\r\n";
    QByteArray binary;
    for (int i = 0; i < 3000; ++i) binary += char(i * 91);
    const QByteArray cases[] = {
        "", binary, plain.toLatin1(),
        (ScrambleText(plain.left(plain.lastIndexOf("Tilde"))) + "\r\n").toLatin1(),  // nineteen lines
        (ScrambleText(QString(plain).replace("1050", "lots")) + "\r\n").toLatin1(),
        (ScrambleText(QString(plain).replace("¤1500", "1500")) + "\r\n").toLatin1(),
    };
    for (const QByteArray& content : cases) {
        putFile(content);
        EXPECT_EQ(ReadHighScoreFile(), BuiltInHighScores()) << content.left(30).toHex().toStdString();
        EXPECT_EQ(fileBytes(), rebuilt);
    }
    QFile::remove(HighScoreFilePath());
    EXPECT_EQ(ReadHighScoreFile(), BuiltInHighScores());
    EXPECT_EQ(fileBytes(), rebuilt);

    platform::OverrideFolders(dir.path(), dir.path(), dir.filePath("missing/folder"));
    EXPECT_FALSE(WriteHighScoreFile(BuiltInHighScores()));
    EXPECT_EQ(ReadHighScoreFile(), BuiltInHighScores());
}
