// The options panel: opening beside the game area, its controls filled from the
// options in force, and Save and Cancel.
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

#include "core/settings_store.h"
#include "options_fixture.h"
#include "platform/twips.h"

namespace {

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

// Opening widens the window to the left, pauses play, shows sample faces and sounds once;
// Cancel gives back the place and width, the play buttons exactly as they were, the markers,
// the dice of the running turn in their colours, the background and the label colours, and
// stores nothing.
TEST_F(OptionsTest, OpeningThenCancellingPutsTheTableBack) {
    struct Case {
        bool roll, pass, newGame, soundOff;
    };
    for (const Case c : {Case{true, false, false, false}, Case{false, true, true, true}}) {
        LayOutTurn(form());
        form().cmdRoll->setEnabled(c.roll);
        form().cmdPassDice->setEnabled(c.pass);
        form().ARCmdNewGame->setEnabled(c.newGame);
        SoundOff = c.soundOff;
        sound.played.clear();
        clock.Advance(60000);
        const QRect before = form().frameGeometry();
        const QColor trays = form().picTray1->BackColor(), labels = form().Label1->ForeColor();
        const QStringList stored = IniLines();

        Open();
        EXPECT_EQ(form().frameGeometry().x(), before.x() - platform::Px(1890));
        EXPECT_EQ(form().frameGeometry().width(), before.width() + platform::Px(1890));
        EXPECT_EQ(form().picGameTray->x(), platform::Px(1890));
        EXPECT_TRUE(form().picSampleDice->isVisible());
        EXPECT_TRUE(OptionsOpen);
        // Asked for twice; the second request finds the first still playing.
        EXPECT_EQ(sound.played, c.soundOff ? QStringList() : QStringList{SndGameOver});
        EXPECT_FALSE(form().cmdOptions->isEnabled() || form().picGameTray->isEnabled() ||
                     form().lblMnuGame->isEnabled());
        for (int i = 0; i < 6; ++i) {
            EXPECT_FALSE(form().picMarker[i]->isVisible());
            EXPECT_TRUE(Shows(i, DieColorBase + i + 1));
        }
        Choose(form().lstSkin, "Old Glory");
        form().lblColor_Click(5);
        Choose(form().cboDiceColor, "Clocks");

        Cancel();
        EXPECT_EQ(form().frameGeometry(), before);
        EXPECT_EQ(form().picGameTray->x(), 0);
        EXPECT_FALSE(form().picOptionsTray->isVisible());
        EXPECT_FALSE(form().picSampleDice->isVisible());
        EXPECT_FALSE(OptionsOpen);
        EXPECT_EQ(form().cmdRoll->isEnabled(), c.roll);
        EXPECT_EQ(form().cmdPassDice->isEnabled(), c.pass);
        EXPECT_EQ(form().ARCmdNewGame->isEnabled(), c.newGame);
        EXPECT_TRUE(form().cmdOptions->isEnabled() && form().cmdHighRollers->isEnabled() &&
                    form().lblMnuHelp->isEnabled());
        EXPECT_EQ(BackgroundWidth(), 640);
        EXPECT_EQ(form().Label1->ForeColor(), labels);
        EXPECT_EQ(DieColorBase, 112);
        EXPECT_EQ(form().picTray1->BackColor(), trays);
        EXPECT_EQ(IniLines(), stored);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(form().Picture1[10 + i]->BackColor(), trays);
            EXPECT_EQ(form().picMarker[i]->isVisible(), i == 0 || i == 3);
            EXPECT_TRUE(Shows(i, TableFace[i] ? DieColorBase + TableFace[i] : 0)) << i;
            EXPECT_TRUE(Shows(10 + i, TrayFace[i] ? DieColorBase + TrayFace[i] : 0)) << i;
        }
    }
}

// The colour text in force ticks its swatch (compared as text; an old tick goes); a text that
// no swatch holds leaves the old tick alone. Save stores the pending text.
TEST_F(OptionsTest, TextColorInForceTicksItsSwatch) {
    struct Case {
        const char* inForce;
        int ticked;
        const char* stored;
    };
    const std::vector<Case> cases{{"&H404040", 0, "&H404040"}, {"16777088", 6, "&HFFFF80"},
                                  {"&HFFFF80", 6, "&HFFFF80"}, {"65535", 2, "65535"},
                                  {"&hff", 2, "&hff"}};
    for (const Case& c : cases) {
        CurTextColor = QLatin1String(c.inForce);
        form().lblColor_Click(2);  // the tick an earlier opening left
        Open();
        EXPECT_EQ(Ticked(), c.ticked) << c.inForce;
        Save();
        EXPECT_EQ(IniLines({"TextColor"}), QStringList{QStringLiteral("TextColor=") + c.stored});
        EXPECT_EQ(form().lblStatus->ForeColor(), ColorFromText(QLatin1String(c.stored)));
    }
}

// The list: "(None)", the eleven built-in pictures, then every ordinary file of the
// Background folder by its name before the first dot. The stored background selects its
// entry; a picture of the player's own is never taken for a built-in one of the same name.
TEST_F(OptionsTest, BackgroundListNamesEveryPictureAndSelectsTheStoredOne) {
    for (const char* name : {"Sunset.jpg", "Sunset.gif", "My.Holiday.jpg", "Hands.gif"}) AddPicture(name, 90);
    AddPicture("Autumn.jpg", 77);
    AddPicture(".hidden.jpg", 90);
    QDir().mkpath(ProgramDir() + "Background/Sub.folder");

    const QString folder = ProgramDir() + "Background/";
    struct Case {
        QString stored;
        int selected;
        int widthAfterCancel;
    };
    const std::vector<Case> cases{
        {"(None)", 0, 0},                     // no picture, whatever showed at opening
        {TempDir + "2ovdsk9.jpg", 9, 640},    // "Satin"
        {TempDir + "2ovdsk11.jpg", 11, 260},  // "Tobo Moose", loaded again
        {folder + "Hands.gif", 13, 90},
        {folder + "Autumn.jpg", 12, 77},  // the player's own, not built-in entry 1
        {folder + "Gone.jpg", 0, 0},      // removed since: "(None)", and no picture
    };
    for (const Case& c : cases) {
        form().Image1->SetPicture(platform::LoadPicture(TempDir + "2ovdsk9.jpg"));
        WriteSetting("Background", c.stored);
        Open();
        QStringList entries;
        for (int i = 12; i < form().lstSkin->count(); ++i) entries << form().lstSkin->item(i)->text();
        EXPECT_EQ(entries, QStringList({"Autumn", "Hands", "My", "Sunset", "Sunset"}));
        EXPECT_EQ(form().lstSkin->item(4)->text(), "Baby Seal");
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

// The controls show the options in force; a speed outside 0..2 selects none, and Save then
// keeps it and writes no "ComputerFast". Markers that showed come back only with Mark Points.
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
        LayOutTurn(form());
        DropKeys({"ComputerFast"});
        Open();
        for (int i = 0; i < 3; ++i) EXPECT_EQ(form().optComputerSpeed[i]->isChecked(), i == c.speed);
        EXPECT_EQ(form().optSound[0]->isChecked(), c.soundOff);
        EXPECT_EQ(form().optSound[1]->isChecked(), !c.soundOff);
        EXPECT_EQ(form().chkSortDice->isChecked(), c.sort);
        EXPECT_EQ(form().chkMarkScorers->isChecked(), c.mark);
        Save();
        EXPECT_EQ(ComputerSpeed, c.speed);
        EXPECT_EQ(IniLines({"ComputerFast"}).size(), c.speed <= 2 ? 1 : 0);
        for (int i = 0; i < 6; ++i) EXPECT_EQ(form().picMarker[i]->isVisible(), c.mark && (i == 0 || i == 3));
    }
}

// Save takes the choices over and writes the seven keys in their order; a settings file that
// cannot be written is reported, and the choices stay in force.
TEST_F(OptionsTest, SaveWritesTheOptionsInOrder) {
    const QStringList keys{"SoundFXOFF", "ComputerFast", "SortDice", "MarkScorers", "Background", "TextColor",
                           "DieColor"};
    for (const bool blocked : {false, true}) {
        Open();
        form().optComputerSpeed[1]->click();
        form().optSound[0]->click();
        form().chkSortDice->setChecked(false);
        form().chkMarkScorers->setChecked(true);
        Choose(form().lstSkin, "Blonde Chick");
        Choose(form().cboDiceColor, "Red");
        DropKeys(keys);
        if (blocked) BlockIni();
        Save();
        EXPECT_EQ(ComputerSpeed, 1);
        EXPECT_TRUE(SoundOff && MarkScorersOn && !SortDiceOn);
        if (blocked) break;
        const QStringList expected{"SoundFXOFF=-1", "ComputerFast=1", "SortDice=0", "MarkScorers=-1",
                                   "Background=" + TempDir + "2ovdsk2.jpg", "TextColor=&HFF0000",
                                   "DieColor=106"};
        EXPECT_EQ(IniLines(), expected);
        EXPECT_TRUE(dialogs.shown.empty());
    }
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith("Your options could not be saved"));
    EXPECT_EQ(dialogs.shown[0].icon, platform::Icon::Exclamation);
}

// The panel's controls stand where the layout puts them (twips, within their frame or the panel), with
// their captions; the swatches stand in two rows of four.
TEST_F(OptionsTest, PanelControlsStandAsLaidOut) {
    frmMain& f = form();
    struct Case {
        QWidget* control;
        QWidget* parent;
        QString caption;
        QRect twips;
    };
    const std::vector<Case> cases{
        {f.picOptionsTray, &f, "", {0, 0, 2385, 7695}},
        {f.Frame1, f.picOptionsTray, "Speed:", {60, 60, 1755, 1095}},
        {f.optComputerSpeed[0], f.Frame1, "Normal", {120, 270, 1335, 255}},
        {f.optComputerSpeed[1], f.Frame1, "Fast", {120, 510, 1335, 255}},
        {f.optComputerSpeed[2], f.Frame1, "Ridiculous", {120, 765, 1455, 255}},
        {f.Frame4, f.picOptionsTray, "Misc:", {60, 1185, 1755, 855}},
        {f.chkSortDice, f.Frame4, "Sort Dice", {120, 240, 1515, 240}},
        {f.chkMarkScorers, f.Frame4, "Mark Points", {120, 480, 1515, 255}},
        {f.Frame3, f.picOptionsTray, "Sound FX:", {60, 2070, 1755, 990}},
        {f.optSound[1], f.Frame3, "On", {180, 240, 735, 255}},
        {f.optSound[0], f.Frame3, "Off", {960, 210, 735, 315}},
        {f.cmdCustomizeSounds, f.Frame3, "Customize", {240, 540, 1215, 315}},
        {f.Frame2, f.picOptionsTray, "Dice:", {60, 3090, 1755, 1215}},
        {f.cboDiceColor, f.Frame2, "", {120, 240, 1455, 840}},
        {f.Frame5, f.picOptionsTray, "Background:", {60, 4335, 1755, 1215}},
        {f.lstSkin, f.Frame5, "", {120, 240, 1575, 840}},
        {f.Frame6, f.picOptionsTray, "Text Color:", {60, 5580, 1755, 975}},
        {f.ARCmdSaveOptions, f.picOptionsTray, "Save", {90, 6720, 1695, 375}},
        {f.ARCmdCancelOptions, f.picOptionsTray, "Cancel", {90, 7170, 1695, 375}},
    };
    const auto caption = [](const QWidget* control) {
        if (const auto* frame = qobject_cast<const QGroupBox*>(control)) return frame->title();
        if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
        return QString();
    };
    const auto pixels = [](const QRect& t) {
        return QRect(platform::Px(t.x()), platform::Px(t.y()), platform::Px(t.width()), platform::Px(t.height()));
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        EXPECT_EQ(c.control->parentWidget(), c.parent);
        EXPECT_EQ(caption(c.control), c.caption);
        EXPECT_EQ(c.control->geometry(), pixels(c.twips));
    }
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(f.lblColor[i]->parentWidget(), f.Frame6);
        EXPECT_EQ(f.lblColor[i]->geometry(), pixels({90 + 390 * (i % 4), i < 4 ? 210 : 540, 390, 330})) << i;
    }
}
