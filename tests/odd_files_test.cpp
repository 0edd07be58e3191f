// Pipes, folders, devices and unreadable files where a picture or a sound is expected: they show
// and play nothing, and nothing waits on them.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <optional>
#include <unistd.h>

#include "core/services.h"
#include "core/settings_store.h"
#include "core/startup.h"
#include "options_fixture.h"
#include "platform/regular_file.h"
#include "support/odd_files.h"
#include "windows/frmCustomizeSounds.h"

namespace {

class OddFilesTest : public OptionsTest {};

bool writePicture(const QString& path) {
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    return picture.save(path, "PNG");
}

}  // namespace

// A background, a player's picture or a sound that names a pipe must not stop the program for
// ever; the other kinds must not be offered or shown either.
TEST_F(OddFilesTest, OnlyRegularReadableFilesAreShownOfferedOrPlayed) {
    const QString folder = ProgramDir() + "Background/";
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(MakePipe(root.path() + "/elsewhere.pipe"));
    struct Case {
        const char* title;  // the file is folder + title + ".png"
        std::function<bool(const QString&)> make;
        bool regular;
    };
    const std::vector<Case> cases{
        {"Picture", writePicture, true},
        {"Pipe", MakePipe, false},
        {"Folder", [](const QString& path) { return QDir().mkpath(path); }, false},
        {"Device", [](const QString& path) { return QFile::link("/dev/null", path); }, false},
        {"PipeLink", [this](const QString& path) { return QFile::link(root.path() + "/elsewhere.pipe", path); },
         false},
        {"Unreadable",
         [](const QString& path) {
             return writePicture(path) && QFile::setPermissions(path, QFileDevice::WriteOwner);
         },
         false},
    };
    for (const Case& c : cases) ASSERT_TRUE(c.make(folder + c.title + ".png")) << c.title;

    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        if (std::string(c.title) == "Unreadable" && ::geteuid() == 0) {
            std::cout << "[ NOTE     ] root reads any file: the unreadable case needs another user\n";
            continue;
        }
        const QString path = folder + c.title + ".png";
        PipeWatchdog watchdog({root.path() + "/elsewhere.pipe", folder + "Pipe.png"});
        EXPECT_EQ(platform::IsReadableRegularFile(path), c.regular);

        // At start-up, as the stored background.
        UnloadMainForm();
        ClearSharedState();
        WriteIni({"Background=" + path, "DravikSound=" + path});
        Main();
        EXPECT_EQ(form().Image1->HasPicture(), c.regular);

        // In the options panel's list of the player's pictures.
        Open();
        EXPECT_EQ(form().lstSkin->findItems(c.title, Qt::MatchExactly).size(), c.regular ? 1 : 0);
        Cancel();

        // Chosen in the sounds window and tried there, and played by the game.
        sound.played.clear();
        dialogs.files = {path};
        dialogs.modalScripts.push_back([](QDialog& window) {
            auto& sounds = static_cast<frmCustomizeSounds&>(window);
            sounds.cmdBrowse->click();
            sounds.cmdTest->click();
            sounds.cmdCancel->click();
        });
        Open();
        form().cmdCustomizeSounds->click();
        Cancel();
        EXPECT_FALSE(PlaySoundFile(SndDravik));
        EXPECT_TRUE(sound.played.isEmpty());  // not even the picture: it is no sound

        EXPECT_FALSE(watchdog.Finish()) << "the program waited on a pipe";
    }
}

// The settings file and the high-score file as pipes: the game starts on its defaults and
// the built-in lists instead of waiting for a writer.
TEST_F(OddFilesTest, SettingsAndHighScoresThatArePipesAreNotWaitedOn) {
    ASSERT_TRUE(QDir().mkpath(ConfigDir()));
    ASSERT_TRUE(QDir().mkpath(ProgramDir()));
    for (const QString& path : {IniPath(), ProgramDir() + "highscores.dat"}) {
        QFile::remove(path);
        ASSERT_TRUE(MakePipe(path)) << path.toStdString();
    }
    PipeWatchdog watchdog({IniPath(), ProgramDir() + "highscores.dat"});
    UnloadMainForm();
    ClearSharedState();
    Main();
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(DieColorBase, 112);
    EXPECT_EQ(form().lstHSTS->count(), 10);
    EXPECT_FALSE(watchdog.Finish()) << "start-up waited on a pipe";
}

// Where a name leads for the player: every link on the path, in the folder part too, is followed as
// the kernel follows it with protected_symlinks on, from the folder that holds it, at most 40 in all.
TEST(LinksTest, NamesLeadWhereTheKernelLeadsThem) {
    if (::geteuid() != 0) GTEST_SKIP() << "other users' links need root";
    QTemporaryDir dir;
    ASSERT_EQ(QProcess::execute("sh", {"-c", R"(cd "$0" && mkdir private plain plain/sub sticky data && chmod 755 . &&
        chmod 1777 sticky && printf data > data/file && printf 'plain x' > plain/x && printf secret > private/secret &&
        ln -s ../data/file plain/another && ln -s ../data/file private/roots && ln -s ../data/file sticky/another &&
        ln -s ../data/file sticky/roots && ln -s ../private sticky/folder && ln -s ../private sticky/mine &&
        ln -s ../x plain/sub/up && chown -h 1234 plain/another sticky/another sticky/folder plain/sub/up &&
        chmod 700 private && chown -hR nobody private sticky/mine && chown -h 0 private/roots && c=../data/file &&
        for n in $(seq 0 40); do ln -s $c plain/c$n; c=c$n; done)", dir.path()}), 0);
    const struct { const char* path; std::optional<QByteArray> leadsTo; } cases[] = {
        {"plain/another", "data"},               // another user's link in a plain folder
        {"private/roots", "data"},               // root's link in the player's own folder
        {"sticky/roots", "data"},                // the sticky folder owner's link
        {"sticky/another", std::nullopt},        // another user's link in a sticky folder
        {"sticky/folder/secret", std::nullopt},  // ... on the way to a file
        {"sticky/mine/secret", "secret"},        // the player's own
        {"plain/sub/up", "plain x"},             // the text read from the link's folder
        {"plain/c39", "data"},                   // 40 links
        {"plain/c40", std::nullopt},             // 41
        {"plain/x/", std::nullopt},              // a file named as a folder
    };
    AsAnotherUser player;
    ASSERT_TRUE(player.switched);
    for (const auto& c : cases) EXPECT_EQ(platform::ReadRegularFile(dir.filePath(c.path), 100), c.leadsTo) << c.path;
}
