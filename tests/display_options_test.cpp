// Dice colours, backgrounds and text colours chosen in the options panel: the
// preview on the table, what Save stores and redraws, and what Cancel puts back.
#include <QTest>

#include "core/settings_store.h"
#include "options_fixture.h"
#include "platform/resources.h"

namespace {

bool Shows(int box, int bitmap) {
    const platform::PictureBox* target = MainForm().Picture1[box];
    if (bitmap == 0) return !target->HasPicture();
    return target->Picture().cacheKey() == platform::LoadResBitmap(bitmap).cacheKey();
}

// A user's click on an item of a list, also on the item already selected.
void ClickItem(QListWidget* list, const QString& text) {
    QListWidgetItem* item = list->findItems(text, Qt::MatchExactly).value(0);
    ASSERT_NE(item, nullptr);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

}  // namespace

// A click on a colour paints the trays, the sample panel and all twelve boxes at once and
// shows its faces 1 to 6 on the table; the set-aside boxes keep their dice.
TEST_F(OptionsTest, DiceColourClickPreviewsAtOnce) {
    struct Case {
        const char* name;
        int base;
        QColor back;
    };
    const std::vector<Case> cases{{"Clocks", 124, QColor(28, 246, 164)},
                                  {"Pablo", 118, QColor(0, 0, 128)},
                                  {"Marbles", 154, QColor(128, 128, 255)},
                                  {"Digital", 142, Qt::black}};
    TrayFace = {3, 0, 0, 0, 0, 0};
    form().DrawDie(10, 3);
    const int traysBase = DieColorBase;
    Open();
    for (const Case& c : cases) {
        ChooseDice(c.name);
        EXPECT_EQ(DieColorBase, c.base);
        for (auto* painted : {form().picTray1, form().picTray2, form().picSampleDice})
            EXPECT_EQ(painted->BackColor(), c.back) << c.name;
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(form().Picture1[i]->BackColor(), c.back);
            EXPECT_EQ(form().Picture1[10 + i]->BackColor(), c.back);
            EXPECT_TRUE(Shows(i, c.base + i + 1)) << c.name << " " << i;
        }
        EXPECT_TRUE(Shows(10, traysBase + 3));
    }
}

// "Pablo" in force opens pale; a click on it, already selected, paints it navy.
TEST_F(OptionsTest, PabloOpensPaleAndTurnsNavyWhenClicked) {
    DieColorBase = 118;
    Open();
    EXPECT_EQ(SelectedText(form().cboDiceColor), "Pablo");
    EXPECT_EQ(form().picTray1->BackColor(), QColor(236, 238, 228));
    EXPECT_EQ(form().picSampleDice->BackColor(), QColor(236, 238, 228));
    ClickItem(form().cboDiceColor, "Pablo");
    EXPECT_EQ(form().picTray1->BackColor(), QColor(0, 0, 128));
    EXPECT_EQ(form().Picture1[15]->BackColor(), QColor(0, 0, 128));
}

// A colour the list does not offer (130 "Green") or no colour at all (150) is selected
// by nothing, and Save without a click keeps it stored and in force.
TEST_F(OptionsTest, ColourOutsideTheListSurvivesSave) {
    for (const int base : {130, 150}) {
        DieColorBase = Integer(base);
        WriteSetting("DieColor", QString::number(base));
        Open();
        EXPECT_EQ(SelectedRow(form().cboDiceColor), -1) << base;
        Save();
        EXPECT_EQ(LinesOf({"DieColor"}), QStringList{QStringLiteral("DieColor=%1").arg(base)});
        EXPECT_EQ(DieColorBase, base);
        form().DrawDie(0, 1);
        EXPECT_TRUE(Shows(0, base + 1));
    }
}

// Save during a turn puts back exactly the dice of the turn in the saved colour, one
// position at a time, and keeps the back colour of the preview.
TEST_F(OptionsTest, SaveRedrawsTheTurnInTheSavedColour) {
    TableFace = {1, 2, 3, 4, 0, 0};
    TrayFace = {5, 1, 0, 0, 0, 0};
    Open();
    ChooseDice("Red");
    clock.yields = 0;
    Save();
    EXPECT_EQ(clock.yields, 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(Shows(i, TableFace[i] ? 106 + TableFace[i] : 0)) << i;
        EXPECT_TRUE(Shows(10 + i, TrayFace[i] ? 106 + TrayFace[i] : 0)) << i;
    }
    EXPECT_EQ(form().picTray2->BackColor(), QColor(0, 128, 0));
    EXPECT_FALSE(form().picSampleDice->isVisible());
}

// Each background ticks the swatch that goes with it; nothing is stored before Save.
TEST_F(OptionsTest, BackgroundClickShowsItAndTicksItsSwatch) {
    struct Case {
        const char* entry;
        int swatch, width;
    };
    const std::vector<Case> cases{
        {"Autumn", 3, 260},   {"Blonde Chick", 4, 258}, {"Blueprints", 4, 260}, {"Baby Seal", 7, 259},
        {"Evergreen", 2, 260}, {"Nautical", 6, 255},    {"Old Glory", 1, 261},  {"Quacker", 6, 260},
        {"Satin", 6, 640},    {"Strawberries", 3, 259}, {"Tobo Moose", 6, 260}, {"(None)", 0, 0}};
    const QStringList stored = IniLines();
    Open();
    for (const Case& c : cases) {
        ChooseSkin(c.entry);
        EXPECT_EQ(BackgroundWidth(), c.width) << c.entry;
        EXPECT_EQ(Ticked(), c.swatch) << c.entry;
        EXPECT_EQ(form().PendingTextColor, SwatchText(c.swatch));
        if (c.swatch == 7) {  // "Baby Seal", GIF data: white labels, the sample caption and swatches navy
            EXPECT_EQ(form().Label1->ForeColor(), QColor(255, 255, 255));
            EXPECT_EQ(form().lblSampleDice->ForeColor(), QColor(0, 0, 128));
            EXPECT_EQ(form().lblColor[7]->ForeColor(), QColor(0, 0, 128));
        }
    }
    EXPECT_EQ(form().Label1->ForeColor(), QColor(64, 64, 64));  // "(None)" ticks the black swatch
    EXPECT_EQ(IniLines(), stored);
}

// Swatch 6 shows cyan but applies a paler colour, stored in its own text form.
TEST_F(OptionsTest, CyanSwatchAppliesPaleCyan) {
    Open();
    QTest::mouseClick(form().lblColor[6], Qt::LeftButton);
    EXPECT_EQ(Ticked(), 6);
    EXPECT_EQ(form().Label1->ForeColor(), QColor(128, 255, 255));
    EXPECT_EQ(form().lblColor[6]->palette().color(QPalette::Window), QColor(0, 255, 255));
    Save();
    EXPECT_EQ(LinesOf({"TextColor"}), QStringList{"TextColor=&HFFFF80"});
    EXPECT_EQ(CurTextColor, "&HFFFF80");
}

// Three of the player's pictures tick a swatch by their exact file name; any other keeps
// the tick and the colour.
TEST_F(OptionsTest, PlayerPicturesTickBySpecialName) {
    struct Case {
        const char* file;
        const char* entry;
        int swatch;
    };
    const std::vector<Case> cases{{"Hands.gif", "Hands", 7},   {"hands.gif", "hands", 2},
                                  {"Clouds.jpg", "Clouds", 0}, {"Orvane.gif", "Orvane", 3},
                                  {"Other.png", "Other", 2}};
    for (const Case& c : cases) AddPicture(c.file, 90);
    Open();
    for (const Case& c : cases) {
        form().lblColor_Click(2);
        ChooseSkin(c.entry);
        EXPECT_EQ(BackgroundWidth(), 90) << c.file;
        EXPECT_EQ(Ticked(), c.swatch) << c.file;
    }
}

// Entries of the same name all show the first file the folder lists for name.*; a name with
// several dots is listed and found by its first part.
TEST_F(OptionsTest, EntriesFindTheFirstFileOfTheirName) {
    AddPicture("Sunset.jpg", 70);
    AddPicture("Sunset.gif", 50);
    AddPicture("My.Holiday.jpg", 60);
    Open();
    for (const auto& [row, width] : std::vector<std::pair<int, int>>{{13, 50}, {14, 50}, {12, 60}}) {
        SelectRow(form().lstSkin, row);
        EXPECT_EQ(BackgroundWidth(), width) << row;
    }
    Save();
    EXPECT_EQ(LinesOf({"Background"}),
              QStringList{"Background=" + ProgramDir() + "Background/My.Holiday.jpg"});
}

// A picture that cannot be read, or a built-in file gone from the temporary folder, leaves
// the picture, the text colour and the stored background as they were.
TEST_F(OptionsTest, UnreadableBackgroundChangesNothing) {
    QDir().mkpath(ProgramDir() + "Background");
    QFile broken(ProgramDir() + "Background/Broken.jpg");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    QFile::remove(TempDir + "2ovdsk3.jpg");
    const QStringList stored = LinesOf({"Background"});
    for (const char* entry : {"Broken", "Blueprints"}) {
        Open();
        form().lblColor_Click(1);
        ChooseSkin(entry);
        EXPECT_EQ(BackgroundWidth(), 640) << entry;
        EXPECT_EQ(Ticked(), 1) << entry;
        Save();
        EXPECT_EQ(BackgroundWidth(), 640) << entry;
        EXPECT_EQ(LinesOf({"Background"}), stored) << entry;
    }
}

// Cancel undoes every preview and stores nothing.
TEST_F(OptionsTest, CancelUndoesThePreviews) {
    const QStringList stored = IniLines();
    const QColor labels = form().Label1->ForeColor();
    const QColor trays = form().picTray1->BackColor();
    Open();
    ChooseSkin("Old Glory");
    form().lblColor_Click(5);
    ChooseDice("Clocks");
    Cancel();
    EXPECT_EQ(BackgroundWidth(), 640);
    EXPECT_EQ(form().Label1->ForeColor(), labels);
    EXPECT_EQ(DieColorBase, 112);
    EXPECT_EQ(form().picTray1->BackColor(), trays);
    EXPECT_EQ(form().Picture1[12]->BackColor(), trays);
    EXPECT_EQ(IniLines(), stored);
}

// A label empty when the colour rule runs is drawn navy, and stays so after text is put in,
// until the rule runs again.
TEST_F(OptionsTest, EmptyLabelStaysNavyUntilTheRuleRunsAgain) {
    form().lblPlayer->SetCaption(QString());
    Open();
    form().lblColor_Click(1);
    form().lblPlayer->SetCaption("Ann");
    EXPECT_EQ(form().lblPlayer->ForeColor(), QColor(0, 0, 128));
    form().lblColor_Click(2);
    EXPECT_EQ(form().lblPlayer->ForeColor(), QColor(0, 255, 0));
}
