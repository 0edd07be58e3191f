// The main window: keys, closing with the quit question, minimising with the score pad.
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "core/pushbutton.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/twips.h"
#include "support/fixtures.h"
#include "table/frmMain.h"
#include "turn_fixture.h"
#include "windows/frmScorePad.h"

// The keys the table knows, as the window's key handler numbers them.
TEST(KeyCodes, QtKeysMapToTheTableKeyCodes) {
    struct Case {
        int qtKey;
        bool keypad;
        int code;
    };
    const std::vector<Case> cases{
        {Qt::Key_Backspace, false, 8}, {Qt::Key_Escape, false, 27}, {Qt::Key_1, false, 49},
        {Qt::Key_6, false, 54},        {Qt::Key_1, true, 97},       {Qt::Key_6, true, 102},
        {Qt::Key_0, true, 96},         {Qt::Key_Period, true, 110}, {Qt::Key_P, false, 80},
        {Qt::Key_R, false, 82},        {Qt::Key_F2, false, 113},    {Qt::Key_F3, false, 0},
        {Qt::Key_Period, false, 0},    {Qt::Key_Space, false, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(VbKeyCode(c.qtKey, c.keypad), c.code) << c.qtKey << " " << c.keypad;
}

// Esc ends the program at once, even in a game, without asking.
TEST_F(TableTest, EscEndsTheProgramWithoutAQuestion) {
    CurPlayer = 0;
    QTest::keyClick(&form(), Qt::Key_Escape);
    EXPECT_EQ(programEnded, 1);
    EXPECT_TRUE(dialogs.shown.empty());
}

// F2 during a game asks before it ends the game; Shift+F2 alone restarts without asking.
TEST_F(TableTest, F2AsksTheQuitQuestionUnlessShiftAloneIsHeld) {
    CurPlayer = 0;
    const std::vector<std::pair<Qt::KeyboardModifiers, size_t>> cases{
        {Qt::NoModifier, 1}, {Qt::ShiftModifier | Qt::ControlModifier, 2}, {Qt::ShiftModifier, 2}};
    for (const auto& [modifiers, questions] : cases) {
        dialogs.answers = {platform::Answer::No};
        QTest::keyClick(&form(), Qt::Key_F2, modifiers);
        size_t asked = 0;
        for (const auto& box : dialogs.shown) asked += box.text == "Are you sure you want to quit the current game?";
        EXPECT_EQ(asked, questions) << int(modifiers);
    }
}

// Closing with no game running asks nothing and closes everything.
TEST_F(TableTest, ClosingWithoutAGameAsksNothing) {
    form().close();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(Quitting);
    EXPECT_FALSE(form().isVisible());
}

// During a game the player is asked; No keeps the window and the game.
TEST_F(TableTest, ClosingDuringAGameAsksTheQuitQuestion) {
    CurPlayer = 1;
    dialogs.answers = {platform::Answer::No};
    form().close();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const auto& box = dialogs.shown[0];
    EXPECT_EQ(box.text, "Are you sure you want to quit the current game?");
    EXPECT_EQ(box.title, "Quit?");
    EXPECT_EQ(box.buttons, platform::Buttons::YesNo);
    EXPECT_EQ(box.icon, platform::Icon::Question);
    EXPECT_EQ(sound.beeps, 1);
    EXPECT_TRUE(form().isVisible());
    EXPECT_FALSE(Quitting);
    EXPECT_EQ(CurPlayer, 1);

    dialogs.answers = {platform::Answer::Yes};
    form().close();
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(Quitting);
    EXPECT_FALSE(form().isVisible());
}

// Once a game has been started, minimising hides the score pad and restoring brings it back
// at the place it had.
TEST_F(TableTest, MinimisingHidesTheScorePadAndRestoringShowsItAgain) {
    form().showMinimized();
    EXPECT_EQ(ScorePadIfLoaded(), nullptr);  // no game yet: the pad is not touched

    form().showNormal();
    ScorePadInUse = true;
    ScorePad().move(platform::Px(9000), platform::Px(1500));
    form().Form_Resize();  // not a minimise: the pad goes to the saved place, (0, 0) before any minimise
    EXPECT_TRUE(ScorePad().isVisible());
    EXPECT_EQ(ScorePad().pos(), QPoint(0, 0));

    ScorePad().move(platform::Px(9000), platform::Px(1500));
    form().showMinimized();
    EXPECT_FALSE(ScorePad().isVisible());
    EXPECT_EQ(ScorePadLeft, 9000);
    EXPECT_EQ(ScorePadTop, 1500);

    ScorePad().move(0, 0);
    form().showNormal();
    EXPECT_TRUE(ScorePad().isVisible());
    EXPECT_EQ(ScorePad().pos(), QPoint(platform::Px(9000), platform::Px(1500)));

    OptionsResizing = true;  // the options panel moving the window leaves the pad alone
    form().showMinimized();
    EXPECT_TRUE(ScorePad().isVisible());
}

// The load step narrows the window to the game area and centres it.
TEST_F(TableTest, LoadStepNarrowsTheWindowAndHidesMarkersAndDivider) {
    EXPECT_EQ(form().width(), platform::Px(8265 - 2400));
    EXPECT_EQ(form().height(), platform::Px(7695));
    EXPECT_EQ(form().picGameTray->x(), 0);
    EXPECT_FALSE(form().picOptionsTray->isVisible());
    EXPECT_FALSE(form().pctDivider->isVisible());
    for (auto* marker : form().picMarker) EXPECT_FALSE(marker->isVisible());
    EXPECT_TRUE(form().pctDivider->HasPicture());
    EXPECT_TRUE(form().picMarker[0]->HasPicture());
    EXPECT_TRUE(FirstActivate);
    EXPECT_EQ(form().lblStatus->Caption(), " ");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form().pos(), QPoint(screen.width() / 2 - form().width() / 2, screen.height() / 2 - form().height() / 2));
    // The text colour swatches: black, red, green, yellow, blue, magenta, cyan, white.
    const std::array<QColor, 8> swatches{QColor(0, 0, 0),     QColor(255, 0, 0),   QColor(0, 255, 0),
                                         QColor(255, 255, 0), QColor(0, 0, 255),   QColor(255, 0, 255),
                                         QColor(0, 255, 255), QColor(255, 255, 255)};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(form().lblColor[i]->palette().color(QPalette::Window), swatches[i]) << i;
    // Every push button has the button face colour.
    for (ButtonPlus* button : form().findChildren<ButtonPlus*>()) EXPECT_EQ(button->BackColor(), ButtonFaceColor);
}

// P and the keypad point pass the dice only while Pass is on; the point of the main keyboard is no key.
TEST_F(TurnTest, PassKeysFollowThePassButton) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool passOn, passes;
    };
    const std::vector<Case> cases{
        {Qt::Key_P, Qt::NoModifier, true, true},         {Qt::Key_P, Qt::NoModifier, false, false},
        {Qt::Key_Period, Qt::KeypadModifier, true, true}, {Qt::Key_Period, Qt::KeypadModifier, false, false},
        {Qt::Key_Period, Qt::NoModifier, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " keypad " << bool(c.modifiers) << " pass on " << c.passOn);
        CurPlayer = 0;
        TurnScore = 100;
        IsDravik = false;
        form().cmdPassDice->setEnabled(c.passOn);
        QTest::keyClick(&form(), c.key, c.modifiers);
        EXPECT_EQ(CurPlayer, c.passes ? 1 : 0);
    }
}

// Every caption of the table shows whole in the font its label uses, the longest texts of the play
// included; the name and the turn score stand a blank after their captions' colons.
TEST_F(TableTest, EveryCaptionFitsItsLabel) {
    frmMain& main = form();
    const std::vector<std::pair<platform::Label*, QString>> cases{
        {main.lblMnuGame, "Game"},
        {main.lblMnuHelp, "Help"},
        {main.Label1, "Current Player:"},
        {main.lblTurnScoreLabel, "Score this Turn:"},
        {main.lblPlayer, "Player8"},
        {main.lblPlayer, "Computer"},
        {main.lblTurnScore, "32767"},
        {main.lblStatus, "Status Messages"},
        {main.lblStatus, "Roll, select, or pass the dice."},
        {main.lblStatus, "DRAVIK - Passing the dice."},
        {main.lblLastRoll, "(Last Roll - Need nnn)"},
        {main.lblLastRoll, "(Last Roll - Need 10000 To Take The Lead)"},
        {main.lblSampleDice, "(Sample Dice)"},
    };
    for (const auto& [label, text] : cases) {
        SCOPED_TRACE(text.toStdString());
        label->SetCaption(text);
        const int needed = QFontMetrics(label->font()).horizontalAdvance(text);
        EXPECT_LE(needed, label->contentsRect().width());
        EXPECT_LE(label->sizeHint().width(), label->width());
    }
    for (const auto& [caption, value] :
         {std::pair{main.Label1, main.lblPlayer}, std::pair{main.lblTurnScoreLabel, main.lblTurnScore}}) {
        const QFontMetrics metrics(caption->font());
        EXPECT_GE(value->x(), caption->x() + metrics.horizontalAdvance(caption->text()) +
                                  metrics.horizontalAdvance(' '));
        EXPECT_EQ(value->geometry().right(), main.picTray1->geometry().right());
    }
    EXPECT_EQ(main.lblPlayer->x(), main.lblTurnScore->x());  // one column
}
