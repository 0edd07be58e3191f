// The options panel: opening beside the game area, its controls filled from the
// options in force, and Save and Cancel.
#include <QCheckBox>
#include <QRadioButton>

#include "core/settings_store.h"
#include "options_fixture.h"
#include "platform/resources.h"
#include "platform/twips.h"

namespace {

// The bitmap id a dice box shows, 0 for none.
int BitmapIn(int box) {
    const platform::PictureBox* target = MainForm().Picture1[box];
    if (!target->HasPicture()) return 0;
    for (int id = 101; id <= 196; ++id)
        if (target->Picture().cacheKey() == platform::LoadResBitmap(id).cacheKey()) return id;
    return -1;
}

// A turn in progress: four dice on the table, two set aside, markers over two of them.
void LayOutTurn(frmMain& form) {
    TableFace = {2, 4, 6, 1, 0, 0};
    TrayFace = {5, 5, 0, 0, 0, 0};
    for (int i = 0; i < 6; ++i) {
        form.DrawDie(i, TableFace[i]);
        form.DrawDie(10 + i, TrayFace[i]);
        form.picMarker[i]->setVisible(i == 0 || i == 3);
    }
}

}  // namespace

// Cancel gives back the window's place and width, the play buttons exactly as they
// were, the markers and the dice of the running turn in their colours.
TEST_F(OptionsTest, OpeningThenCancellingPutsTheTableBack) {
    struct Case {
        bool roll, pass, newGame;
    };
    for (const Case c : {Case{true, false, false}, Case{false, true, true}, Case{true, true, false}}) {
        LayOutTurn(form());
        form().cmdRoll->setEnabled(c.roll);
        form().cmdPassDice->setEnabled(c.pass);
        form().ARCmdNewGame->setEnabled(c.newGame);
        const QRect before = form().frameGeometry();
        const QColor trays = form().picTray1->BackColor();

        Open();
        EXPECT_EQ(form().frameGeometry().x(), before.x() - platform::Px(1890));
        EXPECT_EQ(form().frameGeometry().width(), before.width() + platform::Px(1890));
        EXPECT_EQ(form().picGameTray->x(), platform::Px(1890));
        EXPECT_TRUE(form().picOptionsTray->isVisible());
        EXPECT_TRUE(form().picSampleDice->isVisible());
        EXPECT_TRUE(OptionsOpen);
        const std::initializer_list<QWidget*> paused{form().cmdOptions, form().cmdExit, form().cmdHighRollers,
                                                     form().picGameTray, form().lblMnuGame};
        for (QWidget* off : paused) EXPECT_FALSE(off->isEnabled());
        for (int i = 0; i < 6; ++i) {
            EXPECT_FALSE(form().picMarker[i]->isVisible());
            EXPECT_EQ(BitmapIn(i), DieColorBase + i + 1);  // the sample faces 1 to 6
        }

        Cancel();
        EXPECT_EQ(form().frameGeometry(), before);
        EXPECT_EQ(form().picGameTray->x(), 0);
        EXPECT_FALSE(form().picOptionsTray->isVisible());
        EXPECT_FALSE(form().picSampleDice->isVisible());
        EXPECT_FALSE(OptionsOpen);
        EXPECT_EQ(form().cmdRoll->isEnabled(), c.roll);
        EXPECT_EQ(form().cmdPassDice->isEnabled(), c.pass);
        EXPECT_EQ(form().ARCmdNewGame->isEnabled(), c.newGame);
        const std::initializer_list<QWidget*> back{form().cmdOptions, form().cmdExit, form().cmdHighRollers,
                                                   form().lblMnuGame, form().lblMnuHelp};
        for (QWidget* on : back) EXPECT_TRUE(on->isEnabled());
        EXPECT_EQ(form().picTray1->BackColor(), trays);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(form().picMarker[i]->isVisible(), i == 0 || i == 3);
            EXPECT_EQ(BitmapIn(i), TableFace[i] ? DieColorBase + TableFace[i] : 0) << i;
            EXPECT_EQ(BitmapIn(10 + i), TrayFace[i] ? DieColorBase + TrayFace[i] : 0) << i;
        }
    }
}

// Opening asks for the game-over sound twice; the second request finds it still playing.
TEST_F(OptionsTest, OpeningSoundIsHeardOnceAndOnlyWithSoundOn) {
    for (const bool off : {false, true}) {
        sound.played.clear();
        clock.Advance(60000);
        SoundOff = off;
        Open();
        EXPECT_EQ(sound.played, off ? QStringList() : QStringList{SndGameOver});
        Cancel();
    }
}

// The colour text in force ticks its swatch (compared as text); Save stores the pending text.
TEST_F(OptionsTest, TextColorInForceTicksItsSwatch) {
    struct Case {
        const char* inForce;
        int ticked;
        const char* stored;
    };
    const std::vector<Case> cases{{"&H404040", 0, "&H404040"}, {"&HFF", 1, "&HFF"},
                                  {"16777088", 6, "&HFFFF80"}, {"&HFFFF80", 6, "&HFFFF80"},
                                  {"65535", -1, "65535"},      {"&hff", -1, "&hff"}};
    for (const Case& c : cases) {
        CurTextColor = QLatin1String(c.inForce);
        form().lblColor[2]->SetCaption(QStringLiteral("\u00FC"));  // left over from an earlier opening
        Open();
        EXPECT_EQ(Ticked(), c.ticked) << c.inForce;
        EXPECT_EQ(form().PendingTextColor, QLatin1String(c.stored)) << c.inForce;
        Save();
        EXPECT_EQ(LinesOf({"TextColor"}), QStringList{QStringLiteral("TextColor=") + c.stored});
        EXPECT_EQ(form().lblStatus->ForeColor(), ColorFromText(QLatin1String(c.stored)));
    }
}

// The list: "(None)", the eleven built-in pictures, then every ordinary file of the
// Background folder by its name before the first dot. The stored background selects
// its entry; a picture of the player's own is never mistaken for a built-in one.
TEST_F(OptionsTest, BackgroundListNamesEveryPictureAndSelectsTheStoredOne) {
    for (const char* name : {"Sunset.jpg", "Sunset.gif", "My.Holiday.jpg", "Hands.gif"}) AddPicture(name, 90);
    AddPicture("Autumn.jpg", 77);
    AddPicture(".hidden.jpg", 90);
    QDir().mkpath(ProgramDir() + "Background/Sub.folder");

    Open();
    QStringList expected{"(None)",   "Autumn",    "Blonde Chick", "Blueprints", "Baby Seal",    "Evergreen",
                         "Nautical", "Old Glory", "Quacker",      "Satin",      "Strawberries", "Tobo Moose"};
    expected << "Autumn" << "Hands" << "My" << "Sunset" << "Sunset";
    EXPECT_EQ(SkinEntries(), expected);
    Cancel();

    const QString folder = ProgramDir() + "Background/";
    struct Case {
        QString stored;
        int selected;
        int widthAfterCancel;  // the picture Cancel shows
    };
    const std::vector<Case> cases{
        {"(None)", 0, 640},                   // as it showed at opening
        {TempDir + "2ovdsk9.jpg", 9, 640},    // "Satin"
        {TempDir + "2ovdsk11.jpg", 11, 260},  // "Tobo Moose", loaded again
        {folder + "Hands.gif", 13, 90},
        {folder + "Autumn.jpg", 12, 77},  // the player's own, not built-in entry 1
        {folder + "Gone.jpg", 0, 640},    // removed since: "(None)", and the picture stays
    };
    for (const Case& c : cases) {
        form().Image1->SetPicture(platform::LoadPicture(TempDir + "2ovdsk9.jpg"));
        WriteSetting("Background", c.stored);
        Open();
        EXPECT_EQ(SelectedRow(form().lstSkin), c.selected) << c.stored.toStdString();
        EXPECT_EQ(form().SavedSkinIndex, c.selected);
        Cancel();
        EXPECT_EQ(BackgroundWidth(), c.widthAfterCancel) << c.stored.toStdString();
    }
}

// A folder of hundreds of pictures is searched to its end for the stored one.
TEST_F(OptionsTest, StoredPictureIsFoundAmongMoreThan256Entries) {
    QDir().mkpath(ProgramDir() + "Background");
    for (int n = 0; n < 300; ++n) {
        QFile file(ProgramDir() + QStringLiteral("Background/pic%1.jpg").arg(n, 3, 10, QLatin1Char('0')));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    WriteSetting("Background", ProgramDir() + "Background/pic290.jpg");
    Open();
    EXPECT_EQ(form().lstSkin->count(), 312);
    EXPECT_EQ(SelectedRow(form().lstSkin), 12 + 290);
}

// The controls show the options in force; a speed outside 0..2 selects none, and Save
// then keeps the speed and writes no "ComputerFast".
TEST_F(OptionsTest, ControlsShowTheOptionsInForce) {
    struct Case {
        int speed;
        bool soundOff, sort, mark;
    };
    const std::vector<Case> cases{{0, false, true, false}, {2, true, false, true}, {7, false, true, true}};
    for (const Case& c : cases) {
        ComputerSpeed = Byte(c.speed);
        SoundOff = c.soundOff;
        SortDiceOn = c.sort;
        MarkScorersOn = c.mark;
        DropKeys({"ComputerFast"});
        Open();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(form().optComputerSpeed[i]->isChecked(), i == c.speed) << c.speed;
        EXPECT_EQ(form().optSound[0]->isChecked(), c.soundOff);
        EXPECT_EQ(form().optSound[1]->isChecked(), !c.soundOff);
        EXPECT_EQ(form().chkSortDice->isChecked(), c.sort);
        EXPECT_EQ(form().chkMarkScorers->isChecked(), c.mark);
        Save();
        EXPECT_EQ(ComputerSpeed, c.speed);
        EXPECT_EQ(LinesOf({"ComputerFast"}).size(), c.speed <= 2 ? 1 : 0);
    }
}

// Save takes the choices over and writes the seven keys in their order.
TEST_F(OptionsTest, SaveWritesTheOptionsInOrder) {
    Open();
    form().optComputerSpeed[1]->click();
    form().optSound[0]->click();
    form().chkSortDice->setChecked(false);
    form().chkMarkScorers->setChecked(true);
    ChooseSkin("Blonde Chick");
    ChooseDice("Red");
    const QStringList keys{"SoundFXOFF", "ComputerFast", "SortDice", "MarkScorers",
                           "Background", "TextColor",    "DieColor"};
    DropKeys(keys);
    Save();
    EXPECT_EQ(ComputerSpeed, 1);
    EXPECT_TRUE(SoundOff);
    EXPECT_FALSE(SortDiceOn);
    EXPECT_TRUE(MarkScorersOn);
    const QStringList expected{"SoundFXOFF=-1", "ComputerFast=1", "SortDice=0", "MarkScorers=-1",
                               "Background=" + TempDir + "2ovdsk2.jpg", "TextColor=&HFF0000", "DieColor=106"};
    EXPECT_EQ(IniLines(), expected);
    EXPECT_TRUE(dialogs.shown.empty());
}

// Markers that showed at opening come back on Save only while Mark Points stays ticked.
TEST_F(OptionsTest, MarkersComeBackOnlyWithMarkPointsTicked) {
    for (const bool mark : {true, false}) {
        LayOutTurn(form());
        MarkScorersOn = true;
        Open();
        form().chkMarkScorers->setChecked(mark);
        Save();
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(form().picMarker[i]->isVisible(), mark && (i == 0 || i == 3)) << i;
        EXPECT_EQ(bool(MarkScorersOn), mark);
    }
}

// A settings file that cannot be written is reported; the options stay in force.
TEST_F(OptionsTest, SaveThatCannotBeStoredIsReported) {
    QFile::remove(IniPath());
    ASSERT_TRUE(QDir().mkpath(IniPath()));
    Open();
    form().optComputerSpeed[2]->click();
    Save();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith("Your options could not be saved"));
    EXPECT_EQ(dialogs.shown[0].icon, platform::Icon::Exclamation);
    EXPECT_EQ(ComputerSpeed, 2);
}
