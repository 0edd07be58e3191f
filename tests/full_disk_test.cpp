// Saves on a real file system that has run out of space: the old file stays and the save says so.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <functional>
#include <string>

#include "core/highscore_file.h"
#include "core/settings_store.h"
#include "platform/folders.h"

namespace {

// A small tmpfs mounted over a temporary folder for the test's life, unmounted in every case.
class SmallDisk {
public:
    SmallDisk() {
        if (geteuid() != 0) {
            whyNot = "mounting a tmpfs needs root";
        } else if (::mount("tmpfs", mountPoint().constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k")) {
            whyNot = std::string("mount -t tmpfs failed: ") + std::strerror(errno);
        }
    }
    ~SmallDisk() {
        if (whyNot.empty()) ::umount2(mountPoint().constData(), MNT_DETACH);
    }
    bool Mounted() const { return whyNot.empty(); }
    QString Path() const { return dir.path() + '/'; }

    // Writes a file until the disk takes no more.
    void Fill() const {
        QFile filler(Path() + "filler");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {}
    }
    void Free() const { QFile::remove(Path() + "filler"); }

    std::string whyNot;

private:
    QByteArray mountPoint() const { return QFile::encodeName(dir.path()); }
    QTemporaryDir dir;
};

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList highScores(int round) {
    QStringList entries;
    for (int i = 0; i < 20; ++i) entries << QStringLiteral("Player of round %1¤%2").arg(round).arg(3000 - i);
    return entries;
}

class FullDiskTest : public ::testing::Test {
protected:
    void TearDown() override {
        Settings().Open(QString(), QString());
        platform::OverrideFolders({}, {}, {});
    }
};

}  // namespace

TEST_F(FullDiskTest, FailedSavesKeepTheOldFileAndReportFailure) {
    SmallDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << "no small disk to fill: " << disk.whyNot;
    platform::OverrideFolders(disk.Path(), disk.Path(), disk.Path());
    Settings().Open(disk.Path() + "OrvaneDravik3.ini", "Info");

    const struct {
        const char* writer;
        QString file;
        std::function<bool(int round)> save;
    } writers[] = {
        {"settings store", disk.Path() + "OrvaneDravik3.ini",
         [](int round) {
             bool saved = true;
             for (const char* key : {"Background", "TextColor", "DieColor", "defPlayerNameString", "NoHS"})
                 saved = WriteSetting(key, QStringLiteral("value of round %1").arg(round)) && saved;
             return saved;
         }},
        {"high-score file", disk.Path() + "highscores.dat",
         [](int round) { return WriteHighScoreFile(highScores(round)) == SaveResult::Saved; }},
    };
    for (const auto& w : writers) {
        SCOPED_TRACE(w.writer);
        ASSERT_TRUE(w.save(1));
        const QByteArray saved = bytesOf(w.file);
        ASSERT_GT(saved.size(), 100);

        disk.Fill();
        EXPECT_FALSE(w.save(2));
        EXPECT_EQ(bytesOf(w.file), saved);
        const QStringList leftovers = QDir(disk.Path()).entryList({QFileInfo(w.file).fileName() + ".*"});
        EXPECT_EQ(leftovers, QStringList()) << "a temporary file was left behind";

        disk.Free();
        EXPECT_TRUE(w.save(2));
        EXPECT_NE(bytesOf(w.file), saved);
    }
    EXPECT_EQ(ReadSetting("NoHS"), "value of round 2");
    EXPECT_EQ(ReadHighScoreFile(), highScores(2));
}
