// Start-up: media files, settings with their defaults and validation, the main window.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QProcess>
#include <functional>
#include <iostream>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "core/pushbutton.h"
#include "core/services.h"
#include "core/settings_store.h"
#include "core/startup.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/folders.h"
#include "platform/resources.h"
#include "support/fixtures.h"
#include "support/odd_files.h"
#include "table/frmMain.h"

namespace {

QString iniText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class StartupTest : public PlatformTest {};

}  // namespace

// A first start must work with nothing stored and leave the choices it made in the file.
TEST_F(StartupTest, FirstStartTakesTheDefaultsAndWritesBackgroundAndTextColor) {
    Main();
    EXPECT_EQ(ReadSetting("Background"), TempDir_() + "2ovdsk9.jpg");
    EXPECT_EQ(ReadSetting("TextColor"), "16777088");
    EXPECT_EQ(CurTextColor, "16777088");
    const QString ini = iniText(IniPath());
    for (const char* unwritten : {"Sound=", "DieColor", "defPlayToScore", "SortDice", "MarkScorers"})
        EXPECT_FALSE(ini.contains(QLatin1String(unwritten))) << unwritten;

    EXPECT_EQ(SndDravik, TempDir_() + "bust.wav");
    EXPECT_EQ(SndOneDie, TempDir_() + "11d.wav");
    EXPECT_EQ(SndGameOver, TempDir_() + "gameover.wav");
    EXPECT_EQ(DieColorBase, 112);
    EXPECT_EQ(PlayToScore, 5000);
    EXPECT_EQ(BreakIn, 500);
    EXPECT_FALSE(SoundOff);
    EXPECT_EQ(ComputerSpeed, 0);
    EXPECT_TRUE(SortDiceOn);
    EXPECT_TRUE(MarkScorersOn);

    EXPECT_EQ(CurPlayer, 99);
    EXPECT_EQ(FinalRoundStarter, 99);
    EXPECT_EQ(TurnScore, 0);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(DiceCode[i], "0");
        EXPECT_FALSE(OnTable[i]);
        EXPECT_FALSE(TrayUsed[i]);
    }
    EXPECT_TRUE(QFile::exists(ProgramDir() + "highscores.dat"));

    frmMain& window = MainForm();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), " Orvane Dravik 3.0");
    EXPECT_FALSE(window.cmdRoll->isEnabled());
    EXPECT_FALSE(window.cmdPassDice->isEnabled());
    EXPECT_TRUE(window.Image1->HasPicture());  // built-in picture 9
    EXPECT_EQ(window.lstHSTS->count() + window.lstBMoV->count(), 20);
}

// Every start rewrites the twenty media files from the program's own resources.
TEST_F(StartupTest, WritesTheTwentyMediaFilesOverOldOnes) {
    QFile stale(TempDir_() + "bust.wav");
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("an older and much longer file than the sound resource ............................"
                "..................................................................................");
    stale.close();
    Main();
    QStringList names{"11d.wav", "33d.wav", "moveit.wav", "passem1.wav", "passem2.wav",
                      "bust.wav", "undo.wav", "gameover.wav", "overtop.wav"};
    QList<int> ids{101, 102, 103, 104, 105, 106, 107, 108, 109};
    for (int n = 1; n <= 11; ++n) {
        names << QStringLiteral("2ovdsk%1.jpg").arg(n);
        ids << 200 + n;
    }
    for (int i = 0; i < names.size(); ++i) {
        QFile file(TempDir_() + names[i]);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << names[i].toStdString();
        const QByteArray resource = platform::LoadResData("CUSTOM", ids[i]);
        ASSERT_FALSE(resource.isEmpty()) << ids[i];
        EXPECT_EQ(file.readAll(), resource) << names[i].toStdString();
    }
    // The GIF under a .jpg name still loads as a picture.
    EXPECT_FALSE(platform::LoadPicture(TempDir_() + "2ovdsk4.jpg").isNull());
}

// Stored values are validated as they are read; a bad value never stops the start.
TEST_F(StartupTest, StoredValuesAreReadWithTheirRules) {
    struct Case {
        QStringList ini;
        Integer goal, breakIn, dieColor;
        Byte speed;
        bool soundOff, sort, mark;
    };
    const std::vector<Case> cases{
        {{"defPlayToScore=7000", "defBreakInScore=750"}, 5000, 500, 112, 0, false, true, true},
        {{"defPlayToScore=10000", "defBreakInScore=1000", "DieColor=130"}, 10000, 1000, 130, 0, false, true, true},
        {{"DIECOLOR=  &H76", "ComputerFast=2", "SoundFXOFF=-1"}, 5000, 500, 118, 2, true, true, true},
        {{"DieColor=0", "ComputerFast=1.5", "SortDice=0", "MarkScorers=0"}, 5000, 500, 112, 2, false, false, false},
        {{"DieColor=150", "ComputerFast=2.5", "SoundFXOFF=True", "SortDice=-1"}, 5000, 500, 150, 2, false, true, true},
        // Faces that do not exist fall back to the default colour; a speed beyond a byte to Normal.
        {{"DieColor=999", "ComputerFast=70000", "defPlayToScore=junk"}, 5000, 500, 112, 0, false, true, true},
        {{"defPlayToScore=10000.4", "defBreakInScore=999.5"}, 10000, 1000, 112, 0, false, true, true},
    };
    for (const Case& c : cases) {
        ClearSharedState();
        WriteIni(c.ini);
        Main();
        const std::string label = c.ini.join(", ").toStdString();
        EXPECT_EQ(PlayToScore, c.goal) << label;
        EXPECT_EQ(BreakIn, c.breakIn) << label;
        EXPECT_EQ(DieColorBase, c.dieColor) << label;
        EXPECT_EQ(ComputerSpeed, c.speed) << label;
        EXPECT_EQ(bool(SoundOff), c.soundOff) << label;
        EXPECT_EQ(bool(SortDiceOn), c.sort) << label;
        EXPECT_EQ(bool(MarkScorersOn), c.mark) << label;
        UnloadMainForm();
    }
}

TEST_F(StartupTest, StoredSoundPathsAreKeptAndNotWrittenBack) {
    WriteIni({"DravikSound=/home/me/boing.wav", "UndoSound=/x/undo me.wav"});
    Main();
    EXPECT_EQ(SndDravik, "/home/me/boing.wav");
    EXPECT_EQ(SndUndo, "/x/undo me.wav");
    EXPECT_EQ(SndMoveDie, TempDir_() + "moveit.wav");
}

// The branded picture beside the program is the first-start background, with yellow labels.
TEST_F(StartupTest, BrandedPictureBesideTheProgramIsTakenOnFirstStart) {
    QDir().mkpath(ProgramDir() + "Background");
    ASSERT_TRUE(QFile::copy(":/custom/204", ProgramDir() + "Background/Orvane.gif"));
    Main();
    EXPECT_EQ(ReadSetting("Background"), ProgramDir() + "Background/Orvane.gif");
    EXPECT_EQ(ReadSetting("TextColor"), "65535");
    EXPECT_EQ(CurTextColor, "65535");
    EXPECT_TRUE(MainForm().Image1->HasPicture());
    EXPECT_EQ(MainForm().Label1->ForeColor(), QColor(255, 255, 0));
}

// "(None)" shows no picture; empty labels and the excepted captions stay navy.
TEST_F(StartupTest, NoBackgroundAndTheLabelColourRule) {
    WriteIni({"Background=(None)", "TextColor=&HFF"});
    Main();
    frmMain& window = MainForm();
    EXPECT_FALSE(window.Image1->HasPicture());
    const QColor navy(0, 0, 128), red(255, 0, 0);
    EXPECT_EQ(window.Label1->ForeColor(), red);
    EXPECT_EQ(window.lblMnuGame->ForeColor(), red);
    EXPECT_EQ(window.lblPlayer->ForeColor(), navy);     // empty at start
    EXPECT_EQ(window.lblTurnScore->ForeColor(), navy);  // empty at start
    EXPECT_EQ(window.lblSampleDice->ForeColor(), navy);
    for (platform::Label* swatch : window.lblColor) EXPECT_EQ(swatch->ForeColor(), navy);
    EXPECT_EQ(ReadSetting("Background"), "(None)");
}

// A picture that cannot be read leaves the table without one.
TEST_F(StartupTest, MissingOrBrokenBackgroundShowsNoPicture) {
    QFile junk(ProgramDir() + "not-a-picture.jpg");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is text, not a picture");
    junk.close();
    for (const QString& path : {ProgramDir() + "not-a-picture.jpg", ProgramDir() + "gone.jpg"}) {
        ClearSharedState();
        WriteIni({"Background=" + path});
        Main();
        EXPECT_FALSE(MainForm().Image1->HasPicture()) << path.toStdString();
        UnloadMainForm();
    }
}

// The trays take the start-up colour of the dice: dark red for "Clocks", black for a stray base.
TEST_F(StartupTest, TraysAndBoxesTakeTheStartupDiceColour) {
    const std::vector<std::pair<QString, QColor>> cases{
        {"112", QColor(166, 2, 2)}, {"124", QColor(192, 0, 0)}, {"118", QColor(0, 0, 128)},
        {"150", QColor(0, 0, 0)},   {"130", QColor(0, 0, 0)},
    };
    for (const auto& [stored, colour] : cases) {
        ClearSharedState();
        WriteIni({"DieColor=" + stored});
        Main();
        frmMain& window = MainForm();
        EXPECT_EQ(window.picTray1->BackColor(), colour) << stored.toStdString();
        EXPECT_EQ(window.picTray2->BackColor(), colour) << stored.toStdString();
        for (int box : {0, 5, 10, 15}) EXPECT_EQ(window.Picture1[box]->BackColor(), colour);
        UnloadMainForm();
    }
}

// Garbage in the settings file, and folders that cannot be written, must not stop the program.
TEST_F(StartupTest, StartsWithGarbageSettingsAndUnwritableFolders) {
    QFile ini(IniPath());
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    QByteArray junk;
    for (int i = 0; i < 4096; ++i) junk.append(char((i * 7919) % 256));
    ini.write(junk);
    ini.close();
    QFile scores(ProgramDir() + "highscores.dat");  // a damaged one is said once, with its copy
    ASSERT_TRUE(scores.open(QIODevice::WriteOnly) && scores.write(junk) == junk.size());
    scores.close();
    Main();
    EXPECT_TRUE(MainForm().isVisible());
    EXPECT_EQ(PlayToScore, 5000);
    const QStringList copies = QDir(ProgramDir()).entryList({"highscores-damaged-*.dat"});
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(dialogs.Texts().filter("was damaged").filter(ProgramDir() + copies[0]).size(), 1);
    UnloadMainForm();

    // 50 MB of an empty key over and over, which start-up fills in: every read and write is one pass.
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Info]\r\n" + QByteArray("TextColor=\r\n").repeated((50 << 20) / 12) + "defPlayToScore=10000\r\n");
    ini.close();
    ClearSharedState();
    Main();
    EXPECT_TRUE(MainForm().isVisible());
    EXPECT_EQ(PlayToScore, 10000);
    EXPECT_EQ(ReadSetting("TextColor"), "16777088");
    EXPECT_LT(QFileInfo(IniPath()).size(), 1000);
    UnloadMainForm();

    // A plain file where the folders should be: nothing can be written under them.
    const QString blocker = root.path() + "/blocker";
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    platform::OverrideFolders(blocker + "/config", blocker + "/temp", blocker + "/program");
    ClearSharedState();
    Main();
    EXPECT_TRUE(MainForm().isVisible());
    EXPECT_EQ(MainForm().lstHSTS->count(), 10);  // the built-in lists, though not stored
    EXPECT_EQ(DieColorBase, 112);
}

// The built-in sounds and pictures live in the temporary folder. When they cannot be written
// there, nor in a folder of the game's own in it (where another user holds a name, say), one message
// says so and where, and the labels stay readable on the bare table.
TEST_F(StartupTest, MediaThatCannotBeWrittenAreSaidOnceAndTheTableStaysReadable) {
    const QString plainFile = root.path() + "/plain", victim = root.path() + "/player's own";
    ASSERT_TRUE(MakePlainFile(plainFile) && MakePlainFile(victim));
    std::unique_ptr<ReadOnlyFolder> readOnly;
    std::unique_ptr<PipeWatchdog> watchdog;
    struct Case {
        const char* what;
        QString temp;
        std::function<QString(const QString&)> prepare;  // gives why the case cannot run here
        bool said, picture, own = false;  // own: in the game's own folder
    };
    const std::vector<Case> cases{
        {"writable", root.path() + "/t1/", [](const QString&) { return QString(); }, false, true},
        {"under a plain file", plainFile + "/temp/", [](const QString&) { return QString(); }, true, false},
        {"read-only", root.path() + "/t2/",
         [&](const QString& temp) {
             readOnly = std::make_unique<ReadOnlyFolder>(temp);
             return readOnly->Reason();
         },
         true, false},
        {"read-only, holding the media already", root.path() + "/t3/",
         [&](const QString& temp) {
             Main();  // an earlier start wrote them
             UnloadMainForm();
             readOnly = std::make_unique<ReadOnlyFolder>(temp);
             return readOnly->Reason();
         },
         false, true},
        {"a pipe where a sound goes", root.path() + "/t4/",
         [&](const QString& temp) {
             if (!MakePipe(temp + "11d.wav")) return QStringLiteral("no pipe");
             watchdog = std::make_unique<PipeWatchdog>(QStringList{temp + "11d.wav"});
             return QString();
         },
         false, true, true},
        // Links and a hard link to a file of the player's where media go: never written through.
        {"another user's link where a sound goes", root.path() + "/t5/",
         [&](const QString& temp) {
             WriteIni({"OneDieSound=" + temp + "11d.wav"});
             QDir().mkdir(platform::OwnFolderIn(temp));  // the player's from an earlier start, open to all
             ::chmod(QFile::encodeName(platform::OwnFolderIn(temp)), 0777);
             if (!QFile::link(victim, temp + "11d.wav")) return QStringLiteral("no link");
             const bool given = ::lchown(QFile::encodeName(temp + "11d.wav"), AsAnotherUser::Id, 0) == 0;
             return given ? QString() : QStringLiteral("only root can give a link to another user");
         },
         false, true, true},
        {"the player's own link and a hard link", root.path() + "/t6/",
         [&](const QString& temp) {
             const bool made =
                 QFile::link(victim, temp + "11d.wav") && QFile(victim).link(temp + "2ovdsk9.jpg");
             return made ? QString() : QStringLiteral("no links");
         },
         false, true},
        {"another user's copy of a sound, and folder at the game's own name", root.path() + "/t7/",
         [&](const QString& temp) {
             const QByteArray own = QFile::encodeName(platform::OwnFolderIn(temp));
             const bool made = QFile::copy(":/custom/106", temp + "bust.wav") && ::mkdir(own, 0700) == 0 &&
                               ::mkdir(own.chopped(1) + "-before", 0777) == 0;  // the player's, from a start before
             const bool given = !::lchown(QFile::encodeName(temp + "bust.wav"), AsAnotherUser::Id, 0);
             return made && given && !::lchown(own, AsAnotherUser::Id, 0) ? QString() : "only root can give them away";
         },
         false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.temp.startsWith(plainFile)) ASSERT_TRUE(QDir().mkpath(c.temp));
        platform::OverrideFolders(ConfigDir(), c.temp, ProgramDir());
        QFile::remove(IniPath());
        ClearSharedState();
        const QString skip = c.prepare(c.temp);
        if (!skip.isEmpty()) {
            std::cout << "[ SKIPPED  ] " << c.what << ": " << skip.toStdString() << "\n";
            continue;
        }
        ClearSharedState();
        dialogs.shown.clear();
        Main();
        EXPECT_EQ(dialogs.shown.size(), c.said ? 1u : 0u);
        if (c.said && !dialogs.shown.empty()) {
            EXPECT_EQ(dialogs.shown[0].text,
                      "The game's sounds and background pictures could not be written to the temporary "
                      "folder:\n" + c.temp + "\n\nThe game goes on without them.");
            EXPECT_EQ(dialogs.shown[0].icon, platform::Icon::Exclamation);
        }
        frmMain& window = MainForm();
        EXPECT_EQ(window.Image1->HasPicture(), c.picture);
        // Dark grey, as with no picture, where pale cyan would stand on the bare table.
        const QColor labels = c.picture ? QColor(128, 255, 255) : QColor(64, 64, 64);
        EXPECT_EQ(window.Label1->ForeColor(), labels);
        EXPECT_EQ(window.lblMnuGame->ForeColor(), labels);
        // What a first start stores stays the same, for the starts that can write the media.
        EXPECT_EQ(ReadSetting("Background"), (c.own ? TempDir : c.temp) + "2ovdsk9.jpg");
        EXPECT_EQ(TempDir.startsWith(platform::OwnFolderIn(c.temp).chopped(1)), c.own);
        EXPECT_LE(QDir(c.temp).entryList({"OrvaneDravik3-*-*"}, QDir::Dirs).size(), 1);  // none made anew
        EXPECT_EQ(ReadSetting("TextColor"), "16777088");
        EXPECT_EQ(platform::WaveDurationMs(SndOneDie) > 0, c.picture);
        if (c.own) EXPECT_EQ(QFileInfo(TempDir).permissions() & 0x77, 0);  // nothing for group or others
        EXPECT_EQ(QFileInfo(victim).size(), 0);
        UnloadMainForm();
        readOnly.reset();
        if (watchdog) EXPECT_FALSE(watchdog->Finish()) << "start-up waited on a pipe";
        watchdog.reset();
    }
}

// Another user who owns the temporary folder keeps swapping pipes in at a sound's and the background's
// names, and the game's own bytes back: no start may wait on a pipe, however the swaps fall.
TEST_F(StartupTest, PipesAnotherUserSwapsInAtMediaNamesAreNeverWaitedOn) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can act as another user";
    Main();  // the copies that user takes over
    ASSERT_EQ(QProcess::execute("sh", {"-c", "chmod 755 \"$0\" && chown -R nobody: \"$0/temp\"", root.path()}), 0);
    QProcess swapper;  // as that user: each name's copy and a pipe put aside, then the pipe in and the copy back
    swapper.start("setpriv", {"--reuid=nobody", "--regid=nogroup", "--clear-groups", "perl", "-MPOSIX", "-e",
                              R"(chdir shift; for (@ARGV) { link $_, ".$_"; mkfifo ".$_.p", 0644 } $| = print "on";
                                 while (1) { for $n (@ARGV) { link($_, ".i"), rename(".i", $n) for ".$n.p", ".$n" } })",
                              TempDir_(), "bust.wav", "2ovdsk9.jpg"});
    ASSERT_TRUE(swapper.waitForReadyRead()) << swapper.readAllStandardError().toStdString();
    PipeWatchdog watchdog({TempDir_() + ".bust.wav.p", TempDir_() + ".2ovdsk9.jpg.p"});
    for (int start = 0; start < 100 || (dialogs.shown.empty() && start < 1000); ++start) {  // until a pipe was met
        Main();
        PlaySoundFile(SndDravik);
        platform::Pause(5000);
    }
    EXPECT_FALSE(watchdog.Finish()) << "a start waited on another user's pipe";
    EXPECT_GT(dialogs.shown.size(), 0u) << "no start met a pipe: the swaps did not happen";
    swapper.kill();
    swapper.waitForFinished();
}

// Files named like the settings or high-score file are the player's copies as much as leftovers of a
// killed save: a start removes none of them.
TEST_F(StartupTest, CopiesBesideTheSettingsAndHighScoreFilesStay) {
    const QString files[] = {IniPath() + ".kTzqWb", IniPath() + ".BackUp", IniPath() + ".myCopy",
                             ProgramDir() + "highscores.dat.OldTop", ProgramDir() + "highscores.dat.AbCdEf"};
    for (const QString& path : files) {
        QFile file(path);
        ASSERT_TRUE(
            file.open(QIODevice::WriteOnly) &&
            file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    Main();
    for (const QString& path : files) EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
}
