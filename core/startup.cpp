#include "core/startup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTime>
#include <csignal>

#include "core/files.h"
#include "core/numeric.h"
#include "core/settings_store.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/folders.h"
#include "platform/keys.h"
#include "platform/placement.h"
#include "platform/random.h"
#include "platform/regular_file.h"
#include "platform/resources.h"
#include "table/frmMain.h"
#include "table/options_panel.h"

void InitResources() { Q_INIT_RESOURCE(resources); }

namespace {

struct MediaFile {
    int resource;
    QString name;
};

// The built-in sounds and backgrounds, written to the temporary folder in this order.
QList<MediaFile> mediaFiles() {
    QList<MediaFile> files{{101, "11d.wav"},    {102, "33d.wav"},  {103, "moveit.wav"},
                           {104, "passem1.wav"}, {105, "passem2.wav"}, {106, "bust.wav"},
                           {107, "undo.wav"},   {108, "gameover.wav"}, {109, "overtop.wav"}};
    for (int n = 1; n <= 11; ++n) files.append({200 + n, QStringLiteral("2ovdsk%1.jpg").arg(n)});
    return files;
}

// Whether the file there is the player's own, with these bytes. Read through the descriptor it was checked
// by: a pipe swapped in at the name is not waited on.
bool isOwnCopy(const QString& path, const QByteArray& bytes) {
    const int fd = platform::OpenRegularFile(path, O_RDONLY);
    struct stat info;
    const bool own = fd >= 0 && ::fstat(fd, &info) == 0 && info.st_uid == ::geteuid() &&
                     platform::ReadOpenFile(fd, bytes.size()) == bytes;
    if (fd >= 0) ::close(fd);
    return own;
}

// Writes the media files into TempDir in their order; false when one of them is not the player's own
// copy afterwards.
bool writeMediaFiles() {
    bool inPlace = true;
    for (const MediaFile& file : mediaFiles()) {
        const QString path = TempDir + file.name;
        if (ExtractResource(file.resource, QStringLiteral("CUSTOM"), path) == 0) continue;
        inPlace = inPlace && isOwnCopy(path, platform::LoadResData(QStringLiteral("CUSTOM"), file.resource));
    }
    return inPlace;
}

// A stored path of a media file, in the temporary folder or a folder of the game's own in it, names the
// copy this start wrote.
QString writtenCopy(const QString& path) {
    const QString shared = GetTempFolder(), folder = path.left(path.lastIndexOf(u'/') + 1);
    const bool ours = folder == shared || (folder.startsWith(platform::OwnFolderIn(shared).chopped(1)) &&
                                           folder.indexOf(u'/', shared.size()) == folder.size() - 1);
    for (const MediaFile& file : mediaFiles())
        if (ours && path == folder + file.name) return TempDir + file.name;
    return path;
}

QString soundOrDefault(const char* key, const char* builtIn) {
    const QString path = ReadSetting(QLatin1String(key));
    return path.isEmpty() ? TempDir + QLatin1String(builtIn) : writtenCopy(path);
}

// Dice whose face bitmaps do not all exist fall back to the default colour.
Integer checkedDieColor(Integer base) {
    if (base == 0) return 112;
    for (int face = 1; face <= 6; ++face)
        if (platform::LoadResBitmap(base + face).isNull()) return 112;
    return base;
}

void showBackground(const QString& path) {
    // A picture that cannot be read leaves the table without one.
    MainForm().Image1->SetPicture(platform::LoadPicture(path));
}

// Reads a key; when the write just before it could not be stored, the value meant.
QString writtenValue(const QString& key, const QString& meant) {
    const QString stored = ReadSetting(key);
    return stored.isEmpty() ? meant : stored;
}

}  // namespace

void Main() {
    // Under a file-size limit a write then fails, and says so, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    Quitting = false;
    platform::Randomize(unsigned(QTime::currentTime().msecsSinceStartOfDay() / 1000));
    OptionsOpen = false;
    platform::InstallKeyTracker();
    platform::KeepModalWindowsShown();

    WinDir = platform::ConfigFolder();
    TempDir = GetTempFolder();
    bool mediaInPlace = writeMediaFiles();
    // Media that are not all the player's own copies there (another user's file at a name in a shared
    // folder, say) go, all of them, to a folder of the game's own in it: the pictures stay together.
    if (const QString own = mediaInPlace ? QString() : platform::MakeOwnFolder(TempDir); !own.isEmpty()) {
        TempDir = own;
        mediaInPlace = writeMediaFiles();
    }
    if (!mediaInPlace) {
        platform::dialogs().MsgBox(
            QStringLiteral("The game's sounds and background pictures could not be written to the "
                           "temporary folder:\n%1\n\nThe game goes on without them.")
                .arg(TempDir),
            platform::Buttons::OK, platform::Icon::Exclamation);
    }

    for (int seat = 0; seat <= 7; ++seat) TestWins[seat] = 0;
    TestMode = false;
    TestGamesPlayed = 0;

    IniFile = WinDir + QStringLiteral("OrvaneDravik3.ini");
    Settings().Open(IniFile, QStringLiteral("Info"));

    SndDravik = soundOrDefault("DravikSound", "bust.wav");
    SndOneDie = soundOrDefault("OneDieSound", "11d.wav");
    SndMultiDie = soundOrDefault("MultiDieSound", "33d.wav");
    SndMoveDie = soundOrDefault("MoveDieSound", "moveit.wav");
    SndPassem1 = soundOrDefault("Passem1Sound", "passem1.wav");
    SndPassem2 = soundOrDefault("Passem2Sound", "passem2.wav");
    SndUndo = soundOrDefault("UndoSound", "undo.wav");
    SndGameOver = soundOrDefault("GameOverSound", "gameover.wav");

    DieColorBase = checkedDieColor(ToInteger(Val(ReadSetting(QStringLiteral("DieColor")))));
    PlayToScore = ToInteger(Val(ReadSetting(QStringLiteral("defPlayToScore"))));
    if (PlayToScore != 5000 && PlayToScore != 10000) PlayToScore = 5000;
    BreakIn = ToInteger(Val(ReadSetting(QStringLiteral("defBreakInScore"))));
    if (BreakIn != 500 && BreakIn != 1000) BreakIn = 500;
    SoundOff = Val(ReadSetting(QStringLiteral("SoundFXOFF"))) != 0;
    const double speed = Val(ReadSetting(QStringLiteral("ComputerFast")));
    ComputerSpeed = (speed >= -0.5 && speed < 255.5) ? ToByte(speed) : 0;
    const QString sortDice = ReadSetting(QStringLiteral("SortDice"));
    SortDiceOn = sortDice.isEmpty() || Val(sortDice) != 0;
    const QString markScorers = ReadSetting(QStringLiteral("MarkScorers"));
    MarkScorersOn = markScorers.isEmpty() || Val(markScorers) != 0;

    // Background: a stored path, "(None)", or on first start the branded
    // picture beside the program when there is one, else built-in picture 9.
    const QString background = writtenCopy(ReadSetting(QStringLiteral("Background")));
    QString shown = background;
    bool branded = false;
    if (background.isEmpty()) {
        const QString brandedPath = platform::BesideProgram(QStringLiteral("Background/Orvane.gif"));
        const QString chosen = FileExists(brandedPath) ? brandedPath : TempDir + QStringLiteral("2ovdsk9.jpg");
        branded = chosen == brandedPath;
        WriteSetting(QStringLiteral("Background"), chosen);
        shown = writtenValue(QStringLiteral("Background"), chosen);
        showBackground(shown);
    } else if (background != QStringLiteral("(None)")) {
        showBackground(background);
    }

    const QString textColor = ReadSetting(QStringLiteral("TextColor"));
    if (branded) {
        Settings().SelectKey(QStringLiteral("TextColor"));
        Settings().WriteLong(65535);
        CurTextColor = QStringLiteral("65535");
    } else if (!textColor.isEmpty()) {
        CurTextColor = textColor;
    } else {
        CurTextColor = QString::number(0xFFFF80);
        WriteSetting(QStringLiteral("TextColor"), CurTextColor);
    }

    // A built-in picture that could not be written leaves the table bare: for this run the labels
    // take the colour that goes with no picture, so that they stay readable. Nothing is stored.
    if (!mediaInPlace && shown.startsWith(TempDir) && !MainForm().Image1->HasPicture())
        CurTextColor = SwatchText(BuiltInBackgroundSwatch(0));

    MainForm().ApplyLabelColors(CurTextColor);

    for (int i = 0; i < 6; ++i) {
        DiceCode[i] = QStringLiteral("0");
        OnTable[i] = false;
        TrayUsed[i] = false;
    }
    TurnScore = 0;
    FinalRoundStarter = NoSeat;
    ScorePadInUse = false;
    CurPlayer = NoSeat;

    MainForm().show();
}
