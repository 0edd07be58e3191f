#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/wait.h>
#include <unistd.h>

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

// Whatever the file holds, a write changes its own key only, and reads back exactly. One leading
// byte-order mark belongs to the file and stays as it was; any other is text like the rest.
TEST_F(SettingsStoreTest, DamagedFilesReadWhatParses) {
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) binary += char(i * 37);
    const QByteArray bom = "\xEF\xBB\xBF";
    const QString mark(QChar(0xFEFF));
    const struct { QByteArray content; QString key, other; } cases[] = {
        {"", "", ""},
        {binary, "", ""},
        {"[Info]\nKey=Val", "Val", ""},
        {"[Info\nKey=1\n", "", ""},
        {binary + "\n[Info]\n=\n  key  =x\n", "x", ""},
        {bom + "[Info]\r\nKey=1\r\nOther=2\r\n", "1", "2"},
        {bom + "[Info]\nKey=" + bom + "1\nOther=" + bom + "\n", mark + "1", mark},
        {bom + bom + "[Info]\nKey=1\nOther=2\n", "", ""},
        {bom + bom + "Key=0\n[Info]\nOther=2\n", "", "2"},
        {"[Info]\n" + bom + "Key=1\nKey=2\nOther=3\n", "2", "3"},
    };
    const auto leadingMarks = [&](QByteArray bytes) {
        int count = 0;
        for (; bytes.startsWith(bom); ++count) bytes.remove(0, bom.size());
        return count;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content.left(40).toHex().toStdString());
        putFile(c.content);
        EXPECT_EQ(read("Key"), c.key);
        EXPECT_EQ(read("Other"), c.other);
        store.SelectKey("Key");
        ASSERT_TRUE(store.Write(mark + "new"));
        EXPECT_EQ(read("Key"), mark + "new");
        EXPECT_EQ(read("Other"), c.other);
        EXPECT_EQ(leadingMarks(fileBytes()), leadingMarks(c.content));
    }
}

// Start-up must not stall on a huge file, whatever its shape: a key written over and over is cleaned
// in one pass. (A pass that grows with the square of the file's lines cannot finish within the
// suite's time limit.)
TEST_F(SettingsStoreTest, HugeFilesAreReadAndWrittenInOnePass) {
    const qsizetype size = 50 << 20;
    const struct { const char* shape; QByteArray head, unit; } shapes[] = {
        {"one key over and over", "[Info]\r\n", "TextColor=255\r\ntextcolor=1\r\n"},
        {"sections over and over", "", "[Info]\nTextColor=255\n[Other]\nTextColor=1\n"},
        {"one endless line", "[Info]\nTextColor=255\n", "x"},
    };
    for (const auto& s : shapes) {
        SCOPED_TRACE(s.shape);
        putFile(s.head + s.unit.repeated(size / s.unit.size()));
        EXPECT_EQ(read("TextColor"), "255");
        EXPECT_EQ(read("Missing"), "");
        store.SelectKey("TextColor");
        ASSERT_TRUE(store.Write("5"));
        EXPECT_EQ(read("TextColor"), "5");
        const QByteArray written = fileBytes();
        EXPECT_EQ(written.count("TextColor=5"), 1);
        EXPECT_EQ(written.count("TextColor=255") + written.count("textcolor=1"), 0);
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

// Two games of one player write different keys at the same moment: no key said to be saved is lost.
TEST_F(SettingsStoreTest, TwoGamesWritingAtOnceKeepEveryKey) {
    putFile("[Info]\n");
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    const auto key = [](int n) { return QString("Key%1").arg(n); };
    for (int game = 0; game < 2; ++game) {
        if (::fork() != 0) continue;
        char go;
        bool saved = ::read(start[0], &go, 1) == 1 && (Settings().Open(path, "Info"), true);
        for (int n = game; n < 300; n += 2) saved = WriteSetting(key(n), "1") && saved;
        ::_exit(saved ? 0 : 1);
    }
    ASSERT_EQ(::write(start[1], "go", 2), 2);
    for (int status = 0, game = 0; game < 2; ++game) EXPECT_TRUE(::wait(&status) > 0 && status == 0);
    int kept = 0;
    for (int n = 0; n < 300; ++n) kept += read(key(n)) == "1";
    EXPECT_EQ(kept, 300);
}

extern int FailingSyncs, FailingWrites, PassingWrites;

// A write that may have damaged the file says so while the file holds what it left, also with a key
// written into it since, and no longer once the file holds something else.
TEST_F(SettingsStoreTest, DamageIsSaidWhileTheFileHoldsIt) {
    putFile("[Info]\nKey=old value\n");
    ASSERT_EQ(::link(QFile::encodeName(path), QFile::encodeName(path + ".2")), 0);  // saved in place
    store.SelectKey("Key");
    FailingSyncs = PassingWrites = FailingWrites = 1;  // not synced, and not put back
    EXPECT_FALSE(store.Write("new"));
    FailingSyncs = PassingWrites = FailingWrites = 0;
    EXPECT_TRUE(store.Damaged());
    store.SelectKey("Other");
    EXPECT_TRUE(store.Write("1"));
    EXPECT_TRUE(store.Damaged());
    putFile("[Info]\nKey=mended\n");
    EXPECT_FALSE(store.Damaged());
}
