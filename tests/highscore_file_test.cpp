#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <numeric>

#include "core/highscore_file.h"
#include "platform/folders.h"
#include "platform/regular_file.h"
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
    QString every;  // no name holds code 0, which shares its byte with 255
    for (int code = 1; code <= 255; ++code) every += QChar(code);
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

    ASSERT_EQ(WriteHighScoreFile(builtIn), SaveResult::Saved);
    EXPECT_EQ(fileBytes(), reset);
    QStringList lists = builtIn;
    lists[0] = "Zoë Ünal ¤x¤-32768";
    ASSERT_EQ(WriteHighScoreFile(lists), SaveResult::Saved);
    EXPECT_EQ(fileBytes().size(), lists.join("").size() + 2 * 20 + 2);  // one byte per character
    EXPECT_EQ(ReadHighScoreFile(), lists);
    QStringList broken = lists;
    broken[1] = "Ann¤1234\n";  // a line end is no part of an entry
    ASSERT_EQ(WriteHighScoreFile(broken), SaveResult::Saved);
    lists[1] = "Ann¤1234";
    EXPECT_EQ(ReadHighScoreFile(), lists);
    EXPECT_EQ(WriteHighScoreFile(lists.mid(0, 19)), SaveResult::Unchanged);
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

    // A program folder that is missing, or takes no file and has none: the player's lists go to the settings folder.
    const QString config = dir.filePath("config/"), program = dir.filePath("program/");
    ASSERT_TRUE(QDir().mkpath(config) && QDir().mkpath(program));
    ReadOnlyFolder readOnly(program);
    if (!readOnly.Ok()) GTEST_SKIP() << readOnly.Reason().toStdString();
    for (const QString& programFolder : {dir.filePath("missing/folder"), program}) {
        platform::OverrideFolders(config, dir.path(), programFolder);
        EXPECT_EQ(WriteHighScoreFile(earned), SaveResult::Saved);
        EXPECT_EQ(ReadHighScoreFile(), earned);
        EXPECT_TRUE(QFile::remove(config + "highscores.dat"));
    }
}

// Starts work in a child process as the player ("nobody" when the suite is root, who then owns neither
// folder nor file) or as another user, both members of the group games (60) only, with at most limit
// bytes to a file as "ulimit -f" sets it.
pid_t startAsPlayer(const std::function<SaveResult()>& work, rlim_t limit = RLIM_INFINITY, uid_t user = 65534) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize{limit, limit};
        const gid_t games = 60;
        if (::setrlimit(RLIMIT_FSIZE, &fileSize) != 0 ||
            (::geteuid() == 0 && (::setgroups(1, &games) || ::setgid(user) || ::setuid(user))))
            ::_exit(99);
        ::_exit(int(work()));
    }
    return child;
}
SaveResult resultOf(pid_t child) {
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) ? SaveResult(WEXITSTATUS(status))
                                                                        : SaveResult(-1);
}

// Two games on one file in a shared install, each saving its entries on one list as the table does,
// while a third game reads: no read meets a torn file, no save drops the other game's entries.
TEST_F(HighScoreFileTest, TwoGamesSavingAtOnceLoseNothing) {
    const QString program = dir.filePath("program/");
    ASSERT_TRUE(QDir().mkpath(program));
    platform::OverrideFolders(dir.path() + "/", dir.path(), program);
    ASSERT_EQ(ResetHighScores(), SaveResult::Saved);
    ASSERT_EQ(::chmod(QFile::encodeName(HighScoreFilePath()), 0666), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(program), 0555), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()), 0777), 0);
    const int saves = 30;
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    const auto game = [&](int list) {
        return [list, start] {
            char go;
            QStringList base = ::read(start[0], &go, 1) == 1 ? ReadHighScoreFile() : QStringList();
            for (int i = 0; i < saves; ++i) {
                QStringList lists = base;
                lists.insert(list, QStringLiteral("Game %1 %2¤%3").arg(list).arg(i).arg(2000 + i));
                lists.removeAt(list + 10);
                if (MergeHighScoreFile(base, lists, &base) != SaveResult::Saved) return SaveResult::Unchanged;
            }
            return SaveResult::Saved;
        };
    };
    const pid_t games[] = {startAsPlayer(game(0)), startAsPlayer(game(10)), startAsPlayer([] {
        for (int read = 0; read < 5000 && ReadHighScoreFile().filter(QString("Game")).size() < 20; ++read) {
            QString copy;
            ReadHighScoreFile(&copy);
            if (!copy.isEmpty()) return SaveResult::Damaged;
        }
        return SaveResult::Saved;
    })};
    ASSERT_EQ(::write(start[1], "go", 2), 2);  // both games at once
    for (pid_t child : games) EXPECT_EQ(resultOf(child), SaveResult::Saved);
    ::close(start[0]);
    ::close(start[1]);
    QStringList wanted;
    for (int list : {0, 10})
        for (int i = saves - 1; i >= saves - 10; --i) wanted << QStringLiteral("Game %1 %2¤%3").arg(list).arg(i).arg(2000 + i);
    EXPECT_EQ(ReadHighScoreFile(), wanted);
    EXPECT_TRUE(QDir(dir.path()).entryList({"highscores-damaged-*"}).isEmpty());
    ::chmod(QFile::encodeName(program), 0755);
}

// Injected by rows of the save table below and by the top-ten checks: the next so many syncs fail with
// SyncError; after PassingWrites more, the next so many pwrites fail with EIO.
int FailingSyncs = 0, SyncError = EIO, FailingWrites = 0, PassingWrites = 0;
extern "C" int fsync(int fd) {
    if (FailingSyncs > 0 && FailingSyncs--) return errno = SyncError, -1;
    return int(::syscall(SYS_fsync, fd));
}
extern "C" ssize_t pwrite(int fd, const void* bytes, size_t size, off_t at) {
    if (FailingWrites > 0 && PassingWrites-- <= 0 && FailingWrites--) return errno = EIO, -1;
    return ::syscall(SYS_pwrite64, fd, bytes, size, at);
}

// Where the program's folder takes no new file (a shared install) or keeps another user's file (a sticky
// folder), saves go into the file itself: it then holds the new lists or, when the write fails, the old
// ones, whole. A damaged file is first copied where the player can write, once; without a copy it stays.
// A link at the file's name is followed only when it is the player's or its folder owner's.
TEST_F(HighScoreFileTest, SavesInPlaceLeaveTheOldOrTheNewListsWhole) {
    const auto stored = [](const QStringList& lists) {
        return (ScrambleText(lists.join("\r\n") + "\r\n") + "\r\n").toLatin1();
    };
    const QStringList builtIn = BuiltInHighScores();
    QStringList longer = builtIn, shorter = builtIn;
    longer[0] = "A player with a much longer name¤1600";
    shorter[0] = "Al¤1600";
    const QByteArray damaged = stored(builtIn).replace(ScrambleText("¤1450").toLatin1(), "??");
    const QString program = dir.filePath("program/"), config = dir.filePath("config/"), other = dir.filePath("other/");
    const auto write = [](const QStringList& lists, int failingSyncs = 0, int error = EIO) {
        return [=] { return FailingSyncs = failingSyncs, SyncError = error, WriteHighScoreFile(lists); };
    };
    const auto saves = [](const QStringList& lists) {
        return [=] {
            for (int save = 0; save < 1000; ++save) WriteHighScoreFile(lists);
            return SaveResult::Saved;
        };
    };
    const auto read = [] {
        ReadHighScoreFile();
        return ReadHighScoreFile() == BuiltInHighScores() ? SaveResult::Saved : SaveResult::Unchanged;
    };
    // The file's bytes go to other/<target>, in a folder of folderOwner's, and a link of owner's takes
    // the file's name; with viaLink, through a second link of owner's there.
    const auto linked = [&](const char* target, uid_t owner, uid_t folderOwner, bool viaLink = false) {
        return [=] {
            const QString file = other + target, link = viaLink ? other + "link" : file;
            return QDir().mkpath(other) && ::chown(QFile::encodeName(other), folderOwner, folderOwner) == 0 &&
                   QFile::rename(HighScoreFilePath(), file) && (!viaLink || QFile::link(file, link)) &&
                   QFile::link(link, HighScoreFilePath()) &&
                   ::lchown(QFile::encodeName(HighScoreFilePath()), owner, owner) == 0 &&
                   ::lchown(QFile::encodeName(link), owner, owner) == 0;
        };
    };
    const auto ownedBy = [&](uid_t owner, std::function<bool()> then) {
        return [=] { return ::chown(QFile::encodeName(program), owner, owner) == 0 && then(); };
    };
    const uid_t root = 0, player = 65534, another = 1234, games = 60;
    const struct {
        const char* title;
        int folderMode, configMode;
        QByteArray before;
        std::function<SaveResult()> work;
        rlim_t limit;
        SaveResult result;
        QByteArray after;  // of the file the name leads to, or of another's file
        int copies = 0;  // of the damaged bytes, in the settings file's folder
        std::function<bool()> arrange = nullptr;  // as root, before the work
        const char* file = "program/highscores.dat";
        std::function<SaveResult()> meanwhile = nullptr;  // as another user, during the work
    } cases[] = {
        {"shared install", 0555, 0755, stored(builtIn), write(longer), RLIM_INFINITY, SaveResult::Saved, stored(longer)},
        {"shorter lists", 0555, 0755, stored(builtIn), write(shorter), RLIM_INFINITY, SaveResult::Saved, stored(shorter)},
        {"size limit", 0555, 0755, stored(builtIn), write(longer), 250, SaveResult::Unchanged, stored(builtIn)},
        {"size limit 0", 0555, 0755, stored(builtIn), write(longer), 0, SaveResult::Unchanged, stored(builtIn)},
        {"shorter, size limit 100", 0555, 0755, stored(longer), write(builtIn), 100, SaveResult::Unchanged, stored(longer)},
        {"sync fails once", 0555, 0755, stored(builtIn), write(longer, 1), RLIM_INFINITY, SaveResult::Unchanged, stored(builtIn)},
        {"nothing to sync", 0777, 0755, stored(builtIn), write(longer, 9, EINVAL), RLIM_INFINITY, SaveResult::Saved, stored(longer)},
        {"the file is root's", 0777, 0755, stored(builtIn), write(longer), RLIM_INFINITY, SaveResult::Unchanged,
         stored(builtIn), 0, [&] { return ::chmod(QFile::encodeName(HighScoreFilePath()), 0644) == 0; }},
        {"sticky folder", 01777, 0755, stored(builtIn), write(longer), RLIM_INFINITY, SaveResult::Saved, stored(longer)},
        {"root's file in the player's folder", 0755, 0755, stored(builtIn), write(longer), RLIM_INFINITY,
         SaveResult::Saved, stored(longer), 0, ownedBy(player, [] { return true; })},
        {"group install, members by turns", 0775, 0755, stored(builtIn), write(longer), RLIM_INFINITY, SaveResult::Saved,
         stored(longer), 0, [&] {
             const QByteArray file = QFile::encodeName(HighScoreFilePath());
             return ::chown(QFile::encodeName(program), root, games) == 0 && ::chmod(QFile::encodeName(program), 0775) == 0 &&
                    ::chown(file, root, games) == 0 && ::chmod(file, 0664) == 0 &&
                    resultOf(startAsPlayer(write(shorter), RLIM_INFINITY, another)) == SaveResult::Saved;
         }},
        {"a second name", 0777, 0755, stored(builtIn), write(longer), RLIM_INFINITY, SaveResult::Saved, stored(longer), 0,
         [&] {
             return QDir().mkpath(other) && ::chown(QFile::encodeName(HighScoreFilePath()), player, player) == 0 &&
                    ::link(QFile::encodeName(HighScoreFilePath()), QFile::encodeName(other + "second")) == 0;
         },
         "other/second"},
        {"damaged, read", 0555, 0777, damaged, read, RLIM_INFINITY, SaveResult::Saved, stored(builtIn), 1},
        {"damaged, no copy", 0555, 0555, damaged, write(longer), RLIM_INFINITY, SaveResult::Unchanged, damaged},
        {"root's link", 0555, 0755, stored(builtIn), write(longer), RLIM_INFINITY, SaveResult::Saved, stored(longer), 0,
         linked("scores.dat", root, root), "other/scores.dat"},
        {"root's link to a link", 0555, 0755, stored(builtIn), write(longer), RLIM_INFINITY, SaveResult::Saved,
         stored(longer), 0, linked("scores.dat", root, root, true), "other/scores.dat"},
        {"the folder owner's link", 0555, 0755, stored(builtIn), write(longer), RLIM_INFINITY, SaveResult::Saved,
         stored(longer), 0, ownedBy(another, linked("scores.dat", another, another)), "other/scores.dat"},
        {"the player's link", 0755, 0755, stored(builtIn), write(longer), RLIM_INFINITY, SaveResult::Saved, stored(longer),
         0, ownedBy(player, linked("dotfiles.dat", player, player)), "other/dotfiles.dat"},
        {"another's link swapped in", 01777, 0755, stored(builtIn), saves(longer), RLIM_INFINITY, SaveResult::Saved,
         stored(builtIn), 0, [&] { return linked("notes.txt", another, player)() && QFile::copy(other + "notes.txt", program + "spare") &&
                                          ::chown(QFile::encodeName(program + "spare"), another, another) == 0; },
         "other/notes.txt", [&] {
             while (::renameat2(AT_FDCWD, QFile::encodeName(HighScoreFilePath()), AT_FDCWD,
                                QFile::encodeName(program + "spare"), RENAME_EXCHANGE) == 0) {}
             return SaveResult::Damaged;
         }},
        {"another's dangling link", 01777, 0755, stored(builtIn), read, RLIM_INFINITY, SaveResult::Saved, "", 0,
         [&] { return linked("new.dat", another, player)() && QFile::remove(other + "new.dat"); }, "other/new.dat"},
    };
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()), 0755), 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        if (c.arrange && ::geteuid() != 0) continue;  // other users' links need root
        for (const QString& folder : {program, config, other}) QDir(folder).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(program) && QDir().mkpath(config));
        platform::OverrideFolders(config, dir.path(), program);
        putFile(c.before);
        ASSERT_EQ(::chmod(QFile::encodeName(HighScoreFilePath()), 0666), 0);
        ASSERT_TRUE(!c.arrange || c.arrange());
        ASSERT_EQ(::chmod(QFile::encodeName(program), c.folderMode), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(config), c.configMode), 0);
        const QByteArray path = QFile::encodeName(dir.filePath(c.file));
        struct stat owner, ownerAfter;  // a save keeps who owns the file
        const bool had = ::stat(path, &owner) == 0;
        const pid_t meanwhile = c.meanwhile ? startAsPlayer(c.meanwhile, RLIM_INFINITY, another) : 0;
        EXPECT_EQ(resultOf(startAsPlayer(c.work, c.limit)), c.result);
        if (meanwhile) EXPECT_TRUE(::kill(meanwhile, SIGKILL) == 0 && resultOf(meanwhile) == SaveResult(-1));
        if (had && ::stat(path, &ownerAfter) == 0)
            EXPECT_TRUE(owner.st_uid == ownerAfter.st_uid && owner.st_gid == ownerAfter.st_gid) << ownerAfter.st_uid;
        QFile after(dir.filePath(c.file));
        EXPECT_EQ(after.open(QIODevice::ReadOnly) ? after.readAll() : "", c.after);
        EXPECT_EQ(QDir(program).entryList({"highscores.dat*"}, QDir::Files | QDir::System), QStringList{"highscores.dat"});
        const QStringList copies = QDir(config).entryList({"highscores-damaged-*.dat"});
        ASSERT_EQ(copies.size(), c.copies);
        if (c.copies) EXPECT_EQ(*platform::ReadRegularFile(config + copies[0], 1000), damaged);
        ::chmod(QFile::encodeName(program), 0755);
    }
}
