// The sound settings window: choosing, testing and restoring the eight sounds,
// and what OK and Cancel keep.
#include <QLineEdit>
#include <QTest>

#include "core/files.h"
#include "core/settings_store.h"
#include "options_fixture.h"
#include "windows/frmCustomizeSounds.h"

namespace {

const QStringList Keys{"DravikSound",  "OneDieSound",  "MultiDieSound", "MoveDieSound",
                       "Passem1Sound", "Passem2Sound", "UndoSound",     "GameOverSound"};

class SoundSettingsTest : public OptionsTest {
protected:
    void SetUp() override {
        OptionsTest::SetUp();
        int n = 0;
        for (QString* path : Shared()) *path = QStringLiteral("/home/me/mine%1.wav").arg(n++);
        DropKeys(Keys);
    }
    // The shared paths in the window's list order.
    static std::array<QString*, 8> Shared() {
        return {&SndDravik,  &SndGameOver, &SndMoveDie, &SndPassem1,
                &SndPassem2, &SndMultiDie, &SndOneDie,  &SndUndo};
    }
    // Opens the window from the options panel's Customize button and acts on it.
    void Run(const std::function<void(frmCustomizeSounds&)>& script) {
        dialogs.modalScripts.push_back(
            [script](QDialog& window) { script(static_cast<frmCustomizeSounds&>(window)); });
        Open();
        form().cmdCustomizeSounds->click();
        Cancel();
    }
};

}  // namespace

// The window lists the eight events in order, starts on the first and shows only the file
// name of each event's sound.
TEST_F(SoundSettingsTest, ListsTheEventsAndShowsEachFileName) {
    Run([](frmCustomizeSounds& w) {
        const QStringList items{"Dravik",       "Game Over", "Move Dice", "Pass Dice (w/ points)",
                                "Pass Dice (w/o points)", "Roll Multiple Dice", "Roll One Die", "Undo"};
        for (int i = 0; i < 8; ++i) EXPECT_EQ(w.lstEvents->item(i)->text(), items.value(i));
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
    EXPECT_EQ(dialogs.shown[0].title, "Customize Sounds");
}

// Browse (the button or a double click on the list) makes the chosen file the event's sound;
// closing the file box without a choice keeps the old one. Only OK keeps the change, and it
// writes all eight keys; Cancel and the close box keep nothing.
TEST_F(SoundSettingsTest, BrowseChoosesTheEventsFileAndOnlyOkKeepsIt) {
    enum class End { OK, Cancel, CloseBox };
    struct Case {
        QString chosen;
        bool doubleClick;
        End end;
        QString pending;
    };
    const QString old = "/home/me/mine3.wav";
    const std::vector<Case> cases{{"/snd/ding.wav", false, End::Cancel, "/snd/ding.wav"},
                                  {"/snd/dong.wav", true, End::CloseBox, "/snd/dong.wav"},
                                  {"", false, End::OK, old},
                                  {"/snd/pass.wav", true, End::OK, "/snd/pass.wav"}};
    for (const Case& c : cases) {
        dialogs.files = {c.chosen};
        const QString before = SndPassem1;
        Run([&c](frmCustomizeSounds& w) {
            w.lstEvents->setCurrentRow(3);
            if (c.doubleClick) {
                const QPoint row = w.lstEvents->visualItemRect(w.lstEvents->item(3)).center();
                QTest::mouseClick(w.lstEvents->viewport(), Qt::LeftButton, {}, row);
                QTest::mouseDClick(w.lstEvents->viewport(), Qt::LeftButton, {}, row);
            } else {
                w.cmdBrowse->click();
            }
            EXPECT_EQ(DialogMessage, c.chosen.isEmpty() ? QString(3, QChar(0x00A4)) : c.chosen);
            EXPECT_EQ(w.PendingSound[3], c.pending);
            EXPECT_EQ(w.txtSound->text(), GetFileName(c.pending));
            if (c.end == End::OK) w.cmdOK->click();
            else if (c.end == End::Cancel) w.cmdCancel->click();
            else w.close();
        });
        EXPECT_EQ(SndPassem1, c.end == End::OK ? c.pending : before);
        EXPECT_EQ(IniLines(Keys).size(), c.end == End::OK ? 8 : 0);
    }
    EXPECT_EQ(IniLines({"Passem1Sound"}), QStringList{"Passem1Sound=/snd/pass.wav"});
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

// Backspace puts back all eight built-in sounds in the window; only OK keeps them, writing
// the keys in their order with full paths. Sounds that cannot be stored are reported.
TEST_F(SoundSettingsTest, BackspaceRestoresAndOnlyOkKeeps) {
    enum class End { Cancel, OK, Blocked };
    for (const End end : {End::Cancel, End::OK, End::Blocked}) {
        const QString before = SndGameOver;
        if (end == End::Blocked) BlockIni();
        Run([end](frmCustomizeSounds& w) {
            QTest::keyClick(w.lstEvents, Qt::Key_Backspace);
            EXPECT_EQ(w.txtSound->text(), "bust.wav");
            (end == End::Cancel ? w.cmdCancel : w.cmdOK)->click();
        });
        ASSERT_GE(dialogs.shown.size(), 2u);
        EXPECT_EQ(dialogs.shown[1].text, "Original Sounds Restored.");
        EXPECT_EQ(dialogs.shown[1].buttons, platform::Buttons::OK);
        EXPECT_EQ(dialogs.shown[1].icon, platform::Icon::None);
        EXPECT_EQ(SndGameOver, end == End::Cancel ? before : TempDir + "gameover.wav");
        EXPECT_EQ(dialogs.shown.size(), end == End::Blocked ? 3u : 2u);
        dialogs.shown.clear();
        if (end != End::OK) continue;
        const QStringList files{"bust.wav",    "11d.wav",     "33d.wav",  "moveit.wav",
                                "passem1.wav", "passem2.wav", "undo.wav", "gameover.wav"};
        QStringList expected;
        for (int i = 0; i < 8; ++i) expected << Keys[i] + "=" + TempDir + files[i];
        EXPECT_EQ(IniLines(Keys), expected);
    }
}
