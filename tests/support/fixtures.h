#pragma once
// Test fixtures: a program with its folders in a temporary directory, the
// virtual clock, recorded sounds and scripted dialogs.
#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/sound.h"

class frmMain;

// The platform stand-ins replaced, the shared state cleared; nothing started.
class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString ConfigDir() const { return root.path() + "/config/"; }
    QString TempDir_() const { return root.path() + "/temp/"; }
    QString ProgramDir() const { return root.path() + "/program/"; }
    QString IniPath() const { return ConfigDir() + "OrvaneDravik3.ini"; }
    // Writes the settings file before the program starts ("Key=Value" lines of section Info).
    void WriteIni(const QStringList& lines);

    QTemporaryDir root;
    platform::VirtualClock clock;
    platform::RecordingSound sound;
    platform::ScriptedDialogs dialogs;
    int programEnded = 0;  // how often the program would have ended at once
};

// The program started (Main has run): the main window is loaded and shown.
class TableTest : public PlatformTest {
protected:
    void SetUp() override;
    frmMain& form();
};
