// Dice colours, backgrounds and text colours chosen in the options panel: the
// preview on the table, what Save stores and redraws, and what Cancel puts back.
#include <QTest>
#include <algorithm>
#include <cmath>

#include "core/settings_store.h"
#include "options_fixture.h"
#include "table/last_roll.h"

// "Pablo" in force opens pale; a click on a colour, even the one already selected, paints
// the trays, the sample panel and all twelve boxes at once and shows its faces 1 to 6 on
// the table, while the set-aside boxes keep their dice.
TEST_F(OptionsTest, DiceColourClickPreviewsAtOnce) {
    struct Case {
        const char* name;
        int base;
        QColor back;
    };
    const std::vector<Case> cases{{"Pablo", 118, QColor(0, 0, 128)},
                                  {"Clocks", 124, QColor(28, 246, 164)},
                                  {"Marbles", 154, QColor(128, 128, 255)},
                                  {"Digital", 142, Qt::black}};
    DieColorBase = 118;
    TrayFace = {3, 0, 0, 0, 0, 0};
    form().DrawDie(10, 3);
    Open();
    EXPECT_EQ(SelectedText(form().cboDiceColor), "Pablo");
    EXPECT_EQ(form().picTray1->BackColor(), QColor(236, 238, 228));
    EXPECT_EQ(form().picSampleDice->BackColor(), QColor(236, 238, 228));
    QListWidget* list = form().cboDiceColor;
    for (const Case& c : cases) {
        QListWidgetItem* item = list->findItems(c.name, Qt::MatchExactly).value(0);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        EXPECT_EQ(DieColorBase, c.base);
        for (auto* painted : {form().picTray1, form().picTray2, form().picSampleDice})
            EXPECT_EQ(painted->BackColor(), c.back) << c.name;
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(form().Picture1[i]->BackColor(), c.back);
            EXPECT_EQ(form().Picture1[10 + i]->BackColor(), c.back);
            EXPECT_TRUE(Shows(i, c.base + i + 1)) << c.name << " " << i;
        }
        EXPECT_TRUE(Shows(10, 118 + 3));
    }
}

// A colour the list does not offer (130 "Green") or no colour at all (150) is selected by
// nothing, and Save without a click keeps it stored and in force.
TEST_F(OptionsTest, ColourOutsideTheListSurvivesSave) {
    for (const int base : {130, 150}) {
        DieColorBase = Integer(base);
        WriteSetting("DieColor", QString::number(base));
        Open();
        EXPECT_EQ(SelectedRow(form().cboDiceColor), -1) << base;
        Save();
        EXPECT_EQ(IniLines({"DieColor"}), QStringList{QStringLiteral("DieColor=%1").arg(base)});
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
    Choose(form().cboDiceColor, "Red");
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

// Each background ticks the swatch that goes with it ("Baby Seal" is GIF data); nothing is
// stored before Save. Swatch 6 shows cyan but applies a paler colour, stored as its text.
TEST_F(OptionsTest, BackgroundAndSwatchClicksShowAtOnce) {
    struct Case {
        const char* entry;
        int swatch, width;
    };
    const std::vector<Case> cases{{"Autumn", 3, 260},       {"Blonde Chick", 4, 258}, {"Blueprints", 4, 260},
                                  {"Baby Seal", 7, 259},    {"Evergreen", 2, 260},    {"Nautical", 6, 255},
                                  {"Old Glory", 1, 261},    {"Quacker", 6, 260},      {"Satin", 6, 640},
                                  {"Strawberries", 3, 259}, {"Tobo Moose", 6, 260},   {"(None)", 0, 0}};
    const QStringList stored = IniLines();
    Open();
    for (const Case& c : cases) {
        Choose(form().lstSkin, c.entry);
        EXPECT_EQ(BackgroundWidth(), c.width) << c.entry;
        EXPECT_EQ(Ticked(), c.swatch) << c.entry;
        if (c.swatch == 7) {  // white labels; the sample caption and the swatches stay navy
            EXPECT_EQ(form().Label1->ForeColor(), QColor(255, 255, 255));
            EXPECT_EQ(form().lblSampleDice->ForeColor(), QColor(0, 0, 128));
            EXPECT_EQ(form().lblColor[7]->ForeColor(), QColor(0, 0, 128));
        }
    }
    EXPECT_EQ(form().Label1->ForeColor(), QColor(64, 64, 64));  // "(None)" ticks the black swatch
    EXPECT_EQ(IniLines(), stored);

    QTest::mouseClick(form().lblColor[6], Qt::LeftButton);
    EXPECT_EQ(Ticked(), 6);
    EXPECT_EQ(form().Label1->ForeColor(), QColor(128, 255, 255));
    EXPECT_EQ(form().lblColor[6]->palette().color(QPalette::Window), QColor(0, 255, 255));
    Save();
    EXPECT_EQ(IniLines({"TextColor", "Background"}),
              QStringList({"Background=(None)", "TextColor=&HFFFF80"}));
}

// The player's pictures: each entry shows the first file the folder lists for name.*; three
// exact file names tick a swatch, any other keeps the tick and the colour.
TEST_F(OptionsTest, PlayerPicturesShowTheirFirstFileAndTickBySpecialName) {
    struct Case {
        const char* entry;
        int nth, width, swatch;
    };
    const std::vector<Case> cases{{"Hands", 0, 91, 7},  {"hands", 0, 92, 2},  {"Clouds", 0, 93, 0},
                                  {"Orvane", 0, 94, 3}, {"Sunset", 0, 50, 2}, {"Sunset", 1, 50, 2},
                                  {"My", 0, 60, 2}};
    const std::vector<std::pair<const char*, int>> files{
        {"Hands.gif", 91},  {"hands.gif", 92},  {"Clouds.jpg", 93},    {"Orvane.gif", 94},
        {"Sunset.jpg", 70}, {"Sunset.gif", 50}, {"My.Holiday.jpg", 60}};
    for (const auto& [name, width] : files) AddPicture(name, width);
    Open();
    for (const Case& c : cases) {
        form().lblColor_Click(2);
        Choose(form().lstSkin, c.entry, c.nth);
        EXPECT_EQ(BackgroundWidth(), c.width) << c.entry;
        EXPECT_EQ(Ticked(), c.swatch) << c.entry;
    }
    Save();
    EXPECT_EQ(IniLines({"Background"}),
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
    const QStringList stored = IniLines({"Background"});
    for (const char* entry : {"Broken", "Blueprints"}) {
        Open();
        form().lblColor_Click(1);
        Choose(form().lstSkin, entry);
        EXPECT_EQ(BackgroundWidth(), 640) << entry;
        EXPECT_EQ(Ticked(), 1) << entry;
        Save();
        EXPECT_EQ(BackgroundWidth(), 640) << entry;
        EXPECT_EQ(IniLines({"Background"}), stored) << entry;
    }
}

namespace {

// Relative luminance and contrast ratio as the web accessibility guidelines define them.
double Luminance(const QColor& colour) {
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

// Every built-in picture leaves its labels readable in the colour it ticks: behind at least
// 90% of each label's text pixels the picture stands at 3:1 (large bold text) or more from
// the text colour, with the status line at both of its places. The player's name and the
// turn score are empty when the colours are applied at start, so they stay navy until the
// next change of colours: the picture keeps them readable in navy too.
TEST_F(OptionsTest, BuiltInBackgroundsKeepTheirLabelsReadable) {
    frmMain& main = form();
    struct Shown {
        platform::Label* label;
        QString text;
        bool alsoNavy;
    };
    const std::vector<Shown> labels{
        {main.lblMnuGame, {}, false},
        {main.lblMnuHelp, {}, false},
        {main.Label1, {}, false},
        {main.lblPlayer, QStringLiteral("Margaret Whittingham"), true},
        {main.lblTurnScoreLabel, {}, false},
        {main.lblTurnScore, QStringLiteral("12350"), true},
        {main.lblStatus, QStringLiteral("Roll, select, or pass the dice."), false},
        {main.lblLastRoll, QStringLiteral("(Last Roll - Need 10000 To Take The Lead)"), false},
    };
    for (const Shown& shown : labels)
        if (!shown.text.isEmpty()) shown.label->SetCaption(shown.text);
    const char* const entries[] = {"Autumn",    "Blonde Chick", "Blueprints", "Baby Seal",
                                   "Evergreen", "Nautical",     "Old Glory",  "Quacker",
                                   "Satin",     "Strawberries", "Tobo Moose"};
    for (const char* entry : entries) {
        Open();
        Choose(main.lstSkin, entry);
        Save();
        double worst = 99.0;
        QString worstText;
        for (const bool lastRoll : {false, true}) {
            if (lastRoll) ShowLastRollLine(main);
            for (const Shown& shown : labels) shown.label->hide();
            const QImage picture = main.picGameTray->grab().toImage();
            for (const Shown& shown : labels) {
                platform::Label* label = shown.label;
                if (label == main.lblLastRoll && !lastRoll) continue;
                label->show();
                // The text alone: the label drawn without any background.
                QImage ink(label->size(), QImage::Format_ARGB32_Premultiplied);
                ink.fill(Qt::transparent);
                label->render(&ink, QPoint(), QRegion(), {});
                std::vector<QColor> colours{label->ForeColor()};
                if (shown.alsoNavy) colours.emplace_back(0, 0, 128);
                for (const QColor& colour : colours) {
                    std::vector<double> ratios;
                    for (int y = 0; y < ink.height(); ++y)
                        for (int x = 0; x < ink.width(); ++x)
                            if (qAlpha(ink.pixel(x, y)) > 0)
                                ratios.push_back(Contrast(colour, picture.pixelColor(label->pos() + QPoint(x, y))));
                    ASSERT_GT(ratios.size(), 20u) << entry << " " << label->text().toStdString();
                    std::sort(ratios.begin(), ratios.end());
                    const double tenthPercentile = ratios[ratios.size() / 10];
                    if (tenthPercentile < worst) {
                        worst = tenthPercentile;
                        worstText = label->text() + " in " + colour.name();
                    }
                }
            }
            if (lastRoll) HideLastRollLine(main);
        }
        EXPECT_GE(worst, 3.0) << entry << ", worst behind \"" << worstText.toStdString() << "\"";
    }
}
