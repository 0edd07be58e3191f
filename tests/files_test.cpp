#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <optional>

#include "core/files.h"
#include "platform/folders.h"
#include "platform/resources.h"

// Background names in the options panel are file titles; sound paths show as file names.
TEST(FilesTest, FileTitleAndFileName) {
    const struct { const char* path; const char* title; const char* name; } cases[] = {
        {"/pics/my.photo.jpg", "my", "my.photo.jpg"}, {"/pics/noext", "noext", "noext"},
        {"name.gif", "name", "name.gif"}, {"/a/b.wav", "b", "b.wav"}, {"b.wav", "b", "b.wav"},
        {"/dotted.dir/file", "file", "file"}, {"/folder/", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetFileTitle(c.path), c.title) << c.path;
        EXPECT_EQ(GetFileName(c.path), c.name) << c.path;
    }
}

TEST(FilesTest, FileExistsOnlyForNormalFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile(dir.filePath("a.txt")).open(QIODevice::WriteOnly));
    EXPECT_TRUE(FileExists(dir.filePath("a.txt")));
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(dir.filePath("missing.txt")));
    EXPECT_FALSE(FileExists(""));
}

TEST(FilesTest, WritingResourceBytesReplacesTheFileOrGivesAnErrorNumber) {
    QTemporaryDir dir;
    const QString target = dir.filePath("out.wav");
    EXPECT_EQ(ExtractResource(9999, "CUSTOM", target), ErrResourceNotFound);
    EXPECT_FALSE(QFile::exists(target));

    ASSERT_EQ(WriteFileBytes(target, QByteArray(1000, 'x')), 0);
    const QByteArray bytes("RIFF\0\x01\xff", 7);
    EXPECT_EQ(WriteFileBytes(target, bytes), 0);
    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), bytes);  // the longer old file leaves no tail
    for (const QString& bad : {dir.path(), dir.filePath("no/folder/x"), target + "/x", QString("/dev/full")})
        EXPECT_NE(WriteFileBytes(bad, bytes), 0) << bad.toStdString();

    if (platform::LoadResData("CUSTOM", 101).isEmpty()) GTEST_SKIP() << "no resources built in";
    EXPECT_EQ(ExtractResource(101, "CUSTOM", target), 0);
    EXPECT_EQ(QFileInfo(target).size(), platform::LoadResData("CUSTOM", 101).size());
}

// Neither TMPDIR naming no folder nor a relative XDG_CONFIG_HOME may send files into the working folder.
TEST(FilesTest, TemporaryFolderFallsBackToTheSystemsOwn) {
    const std::optional<QByteArray> tmpdir =
        qEnvironmentVariableIsSet("TMPDIR") ? std::optional(qgetenv("TMPDIR")) : std::nullopt;
    qputenv("TMPDIR", "/no/such/folder");
    EXPECT_EQ(GetTempFolder(), "/tmp/");
    tmpdir ? qputenv("TMPDIR", *tmpdir) : qunsetenv("TMPDIR");
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");  // unset and empty mean the same
    qputenv("XDG_CONFIG_HOME", "cfg");
    EXPECT_EQ(platform::ConfigFolder(), QDir::homePath() + "/.config/");
    qputenv("XDG_CONFIG_HOME", config);
}
