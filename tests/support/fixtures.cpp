#include "support/fixtures.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include "core/settings_store.h"
#include "core/startup.h"
#include "core/state.h"
#include "platform/folders.h"
#include "platform/keys.h"
#include "platform/process.h"
#include "platform/random.h"
#include "table/frmMain.h"
#include "windows/frmNewGame.h"
#include "windows/frmScorePad.h"
#include "windows/frmWelcome.h"

void PlatformTest::SetUp() {
    ASSERT_TRUE(root.isValid());
    for (const QString& dir : {ConfigDir(), TempDir_(), ProgramDir()}) QDir().mkpath(dir);
    platform::OverrideFolders(ConfigDir(), TempDir_(), ProgramDir());
    platform::SetClock(&clock);
    platform::SetSound(&sound);
    platform::SetDialogs(&dialogs);
    platform::SetEndProgram([this] { ++programEnded; });
    platform::SetRandomSource({});
    platform::Randomize(12345);
    platform::SetKeyDown(Qt::Key_Up, false);
    ClearSharedState();
    HoldWelcomeWindow(true);  // it would greet at the table's first activation, in the middle of a test
}

void PlatformTest::TearDown() {
    UnloadNewGame();
    UnloadMainForm();
    UnloadScorePad();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // windows that unloaded themselves
    platform::SetRandomSource({});
    platform::SetEndProgram({});
    platform::SetDialogs(nullptr);
    platform::SetSound(nullptr);
    platform::SetClock(nullptr);
    platform::OverrideFolders({}, {}, {});
    HoldWelcomeWindow(false);
    Settings().Open(QString(), QString());
}

void PlatformTest::WriteIni(const QStringList& lines) {
    QFile file(IniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Info]\n");
    for (const QString& line : lines) file.write(line.toUtf8() + "\n");
}

void TableTest::SetUp() {
    PlatformTest::SetUp();
    Main();
}

frmMain& TableTest::form() { return MainForm(); }
