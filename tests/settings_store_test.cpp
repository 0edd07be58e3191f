#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/settings_store.h"

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { store.Open(path, "Info"); }

    QByteArray fileBytes() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void putFile(const QByteArray& bytes) const {
        QDir().mkpath(dir.filePath("cfg"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString read(const QString& key) {
        store.SelectKey(key);
        return store.Read();
    }

    QTemporaryDir dir;
    QString path = dir.filePath("cfg/OrvaneDravik3.ini");
    SettingsStore store;
};

}  // namespace

// The set-up dialog reads its style defaults under a differently cased key than it writes them.
TEST_F(SettingsStoreTest, FirstWriteCreatesTheFileAndKeysIgnoreCase) {
    EXPECT_EQ(read("defPlayerStyleString"), "");
    EXPECT_EQ(fileBytes(), "<missing>");
    ASSERT_TRUE(store.Write("0¤3¤99¤"));
    EXPECT_EQ(read("defPlayerstyleString"), "0¤3¤99¤");
    ASSERT_TRUE(store.Write("1¤"));
    EXPECT_EQ(fileBytes(), "[Info]\ndefPlayerStyleString=1\xC2\xA4\n");
}

TEST_F(SettingsStoreTest, ValuesReadBackAsWritten) {
    store.SelectKey("Background");
    for (const QString value : {"/x y/¤=a=b", "  padded  ", "", "Ünïcödé ✓"}) {
        ASSERT_TRUE(store.Write(value));
        EXPECT_EQ(store.Read(), value);
    }
    EXPECT_FALSE(store.Write("two\nlines"));
    store.WriteInteger(-32768);
    EXPECT_EQ(store.Read(), "-32768");
    store.WriteLong(16777088);
    EXPECT_EQ(store.Read(), "16777088");
    store.WriteBoolean(Boolean(true));
    EXPECT_EQ(store.Read(), "-1");
    store.WriteBoolean(Boolean(false));
    EXPECT_EQ(store.Read(), "0");
}

TEST_F(SettingsStoreTest, OtherSectionsAndLinesArePreserved) {
    putFile("; kept\r\n[Other]\r\nTextColor=1\r\n\r\n[INFO]\r\nSortDice=0\r\nsortdice=dup\r\nodd line\r\n\r\n"
            "[Last]\r\nB = 2\r\n");
    store.SelectKey("TextColor");
    ASSERT_TRUE(store.Write("5"));
    store.SelectKey("SORTDICE");
    ASSERT_TRUE(store.Write("-1"));
    EXPECT_EQ(fileBytes(), "; kept\r\n[Other]\r\nTextColor=1\r\n\r\n[INFO]\r\nSortDice=-1\r\nodd line\r\n"
                           "TextColor=5\r\n\r\n[Last]\r\nB = 2\r\n");
    store.Open(path, "last");
    EXPECT_EQ(read("b"), " 2");
}

TEST_F(SettingsStoreTest, DamagedFilesReadWhatParses) {
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) binary += char(i * 37);
    const struct { QByteArray content; const char* value; } cases[] = {
        {"", ""}, {binary, ""}, {"[Info]\nKey=Val", "Val"}, {"[Info\nKey=1\n", ""},
        {"\xEF\xBB\xBF[Info]\r\nKey=1\r\n", "1"}, {binary + "\n[Info]\n=\n  key  =x\n", "x"},
    };
    for (const auto& c : cases) {
        putFile(c.content);
        EXPECT_EQ(read("Key"), c.value) << c.content.left(40).toStdString();
        ASSERT_TRUE(store.Write("new"));
        EXPECT_EQ(read("Key"), "new");
    }
}

TEST_F(SettingsStoreTest, UnwritablePlacesFailQuietly) {
    putFile("[Info]\n");
    for (const QString& place : {path + "/file/under/a/file.ini", dir.path()}) {
        store.Open(place, "Info");
        store.SelectKey("Key");
        EXPECT_FALSE(store.Write("1"));
        EXPECT_EQ(store.Read(), "");
    }
}

TEST_F(SettingsStoreTest, ProgramStoreConveniences) {
    Settings().Open(path, "Info");
    ASSERT_TRUE(WriteSetting("NoHS", "Null"));
    EXPECT_EQ(ReadSetting("nohs"), "Null");
}
