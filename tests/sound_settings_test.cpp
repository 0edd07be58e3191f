// The sound settings window: choosing, testing and restoring the eight sounds,
// and what OK and Cancel keep.
#include <QLineEdit>
#include <QTest>

#include "core/files.h"
#include "core/settings_store.h"
#include "options_fixture.h"
#include "windows/frmCustomizeSounds.h"

namespace {

const QStringList Keys{"DravikSound", "OneDieSound", "MultiDieSound", "MoveDieSound",
                       "Passem1Sound", "Passem2Sound", "UndoSound", "GameOverSound"};

// The shared paths in the window's list order.
std::array<QString*, 8> SharedPaths() {
    return {&SndDravik,  &SndGameOver, &SndMoveDie, &SndPassem1,
            &SndPassem2, &SndMultiDie, &SndOneDie,  &SndUndo};
}

class SoundSettingsTest : public OptionsTest {
protected:
    void SetUp() override {
        OptionsTest::SetUp();
        int n = 0;
        for (QString* path : SharedPaths()) *path = QStringLiteral("/home/me/sounds/mine%1.wav").arg(n++);
        DropKeys(Keys);
    }
    // Opens the window from the options panel's Customize button and acts on it.
    void Run(const std::function<void(frmCustomizeSounds&)>& script) {
        dialogs.modalScripts.push_back([script](QDialog& window) {
            script(static_cast<frmCustomizeSounds&>(window));
        });
        Open();
        form().cmdCustomizeSounds->click();
        Cancel();
    }
    std::vector<QString> Shared() const {
        std::vector<QString> paths;
        for (QString* path : SharedPaths()) paths.push_back(*path);
        return paths;
    }
};

}  // namespace

// The window lists the eight events in order, starts on the first and shows only the
// file name of each event's sound.
TEST_F(SoundSettingsTest, ListsTheEventsAndShowsEachFileName) {
    Run([](frmCustomizeSounds& w) {
        EXPECT_EQ(w.windowTitle(), "Customize Sounds");
        const QStringList items{"Dravik", "Game Over", "Move Dice", "Pass Dice (w/ points)",
                                "Pass Dice (w/o points)", "Roll Multiple Dice", "Roll One Die", "Undo"};
        ASSERT_EQ(w.lstEvents->count(), 8);
        for (int i = 0; i < 8; ++i) EXPECT_EQ(w.lstEvents->item(i)->text(), items[i]);
        EXPECT_EQ(w.txtSound->text(), "mine0.wav");
        for (const int row : {6, 1, 7}) {
            w.lstEvents->setCurrentRow(row);
            EXPECT_EQ(w.txtSound->text(), QStringLiteral("mine%1.wav").arg(row));
        }
        EXPECT_EQ(w.cmdOK->BackColor(), ButtonFaceColor);
        w.cmdCancel->click();
    });
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown[0].text, "frmCustomizeSounds");
}

// Browse (the button or a double click on the list) makes the chosen file the event's
// sound; closing the file box without a choice keeps the old one.
TEST_F(SoundSettingsTest, BrowseChoosesTheEventsFile) {
    struct Case {
        QString chosen;
        bool doubleClick;
        QString message, pending;
    };
    const QString restored = QString(3, QChar(0x00A4));
    const std::vector<Case> cases{{"/snd/ding.wav", false, "/snd/ding.wav", "/snd/ding.wav"},
                                  {"/snd/dong.wav", true, "/snd/dong.wav", "/snd/dong.wav"},
                                  {"", false, restored, "/home/me/sounds/mine2.wav"}};
    for (const Case& c : cases) {
        dialogs.files = {c.chosen};
        Run([&c](frmCustomizeSounds& w) {
            w.lstEvents->setCurrentRow(2);
            if (c.doubleClick) {
                const QRect row = w.lstEvents->visualItemRect(w.lstEvents->item(2));
                QTest::mouseClick(w.lstEvents->viewport(), Qt::LeftButton, {}, row.center());
                QTest::mouseDClick(w.lstEvents->viewport(), Qt::LeftButton, {}, row.center());
            } else {
                w.cmdBrowse->click();
            }
            EXPECT_EQ(DialogMessage, c.message);
            EXPECT_EQ(w.PendingSound[2], c.pending);
            EXPECT_EQ(w.txtSound->text(), GetFileName(c.pending));
            w.cmdCancel->click();
        });
        EXPECT_EQ(SndMoveDie, "/home/me/sounds/mine2.wav");
    }
}

// Test plays the choice not yet kept, also with the sound effects off.
TEST_F(SoundSettingsTest, TestPlaysThePendingChoiceEvenWithSoundOff) {
    SoundOff = true;
    dialogs.files = {TempDir + "undo.wav"};
    Run([](frmCustomizeSounds& w) {
        w.lstEvents->setCurrentRow(2);
        w.cmdBrowse->click();
        w.cmdTest->click();
        w.cmdCancel->click();
    });
    EXPECT_EQ(sound.played, QStringList{TempDir + "undo.wav"});
}

// Backspace puts back all eight built-in sounds in the window; only OK keeps them, and OK
// writes all eight keys in their order with full paths.
TEST_F(SoundSettingsTest, BackspaceRestoresAndOnlyOkKeeps) {
    for (const bool ok : {false, true}) {
        const std::vector<QString> before = Shared();
        Run([ok](frmCustomizeSounds& w) {
            QTest::keyClick(w.lstEvents, Qt::Key_Backspace);
            EXPECT_EQ(w.txtSound->text(), "bust.wav");
            (ok ? w.cmdOK : w.cmdCancel)->click();
        });
        ASSERT_EQ(dialogs.shown.size(), 2u);
        EXPECT_EQ(dialogs.shown[1].text, "Original Sounds Restored.");
        EXPECT_EQ(dialogs.shown[1].buttons, platform::Buttons::OK);
        EXPECT_EQ(dialogs.shown[1].icon, platform::Icon::None);
        dialogs.shown.clear();
        if (!ok) {
            EXPECT_EQ(Shared(), before);
            EXPECT_TRUE(LinesOf(Keys).isEmpty());
            continue;
        }
        const QStringList files{"bust.wav",    "11d.wav",     "33d.wav",  "moveit.wav",
                                "passem1.wav", "passem2.wav", "undo.wav", "gameover.wav"};
        QStringList expected;
        for (int i = 0; i < 8; ++i) expected << Keys[i] + "=" + TempDir + files[i];
        EXPECT_EQ(LinesOf(Keys), expected);
        EXPECT_EQ(SndGameOver, TempDir + "gameover.wav");
    }
}

// Changing one sound and pressing OK writes all eight; the close box keeps nothing.
TEST_F(SoundSettingsTest, OkWritesEveryKeyAndTheCloseBoxNothing) {
    for (const bool ok : {false, true}) {
        dialogs.files = {"/snd/pass.wav"};
        Run([ok](frmCustomizeSounds& w) {
            w.lstEvents->setCurrentRow(3);
            w.cmdBrowse->click();
            if (ok) w.cmdOK->click();
            else w.close();
        });
        EXPECT_EQ(SndPassem1, ok ? "/snd/pass.wav" : "/home/me/sounds/mine3.wav");
        EXPECT_EQ(LinesOf(Keys).size(), ok ? 8 : 0);
    }
    EXPECT_EQ(LinesOf({"Passem1Sound"}), QStringList{"Passem1Sound=/snd/pass.wav"});
}

// Sounds that cannot be stored are reported, and stay in force for this run.
TEST_F(SoundSettingsTest, OkThatCannotBeStoredIsReported) {
    QFile::remove(IniPath());
    ASSERT_TRUE(QDir().mkpath(IniPath()));
    Run([](frmCustomizeSounds& w) {
        QTest::keyClick(w.cmdTest, Qt::Key_Backspace);
        w.cmdOK->click();
    });
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_TRUE(dialogs.shown[2].text.startsWith("Your sounds could not be saved"));
    EXPECT_EQ(SndUndo, TempDir + "undo.wav");
}
