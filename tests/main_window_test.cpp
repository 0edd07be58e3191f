// The main window: keys, closing with the quit question, minimising with the score pad.
#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
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

// The keys the table knows, as the window's key handler numbers them; the number row and the
// keypad by their X key code where there is one, whatever they type.
TEST(KeyCodes, QtKeysMapToTheTableKeyCodes) {
    struct Case {
        int qtKey;
        bool keypad;
        int code;
        quint32 scanCode = 0;
    };
    const std::vector<Case> cases{
        {Qt::Key_Backspace, false, 8}, {Qt::Key_Escape, false, 27}, {Qt::Key_1, false, 49},
        {Qt::Key_6, false, 54},        {Qt::Key_1, true, 97},       {Qt::Key_6, true, 102},
        {Qt::Key_0, true, 96},         {Qt::Key_Period, true, 110}, {Qt::Key_P, false, 80},
        {Qt::Key_R, false, 82},        {Qt::Key_F2, false, 113},    {Qt::Key_F3, false, 0},
        {Qt::Key_Period, false, 0},    {Qt::Key_Space, false, 0},
        // Shift+1 on a US keyboard, the 2 key on a French one, keypad 1 without Num Lock
        {Qt::Key_Exclam, false, 49, 10}, {Qt::Key_Eacute, false, 50, 11}, {Qt::Key_End, true, 97, 87},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VbKeyCode(c.scanCode, c.qtKey, c.keypad), c.code) << c.qtKey << " " << c.keypad << " " << c.scanCode;
}

namespace {

// One key event as the platform hands it to the main window: press or release, the key, and
// the modifiers it reports with the event (a modifier's own release no longer carries itself).
struct Stroke {
    bool press;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

void Deliver(QWindow* window, const std::vector<Stroke>& strokes) {
    for (const Stroke& s : strokes) QTest::simulateEvent(window, s.press, s.key, s.modifiers, QString(), false);
}

}  // namespace

// Esc pressed on the main window ends the program at once, even in a game, without asking.
// An Esc that closed an open menu or a message box is not the window's: its release, which
// the window then gets, ends nothing.
TEST_F(TableTest, EscEndsTheProgramOnlyWhenPressedOnTheMainWindow) {
    enum class Where { GameMenu, HelpMenu, MessageBox, MainWindow };
    struct Case {
        const char* what;
        Where pressed;
        int ended;
    };
    const Case cases[] = {{"Game menu open", Where::GameMenu, 0},
                          {"Help menu open", Where::HelpMenu, 0},
                          {"message box", Where::MessageBox, 0},
                          {"main window", Where::MainWindow, 1}};
    const Stroke escDown{true, Qt::Key_Escape, Qt::NoModifier}, escUp{false, Qt::Key_Escape, Qt::NoModifier};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CurPlayer = 0;
        programEnded = 0;
        if (c.pressed == Where::GameMenu || c.pressed == Where::HelpMenu) {
            QMenu* menu = c.pressed == Where::GameMenu ? form().mnuGame : form().mnuHelpMe;
            c.pressed == Where::GameMenu ? form().lblMnuGame_Click() : form().lblMnuHelp_Click();
            ASSERT_EQ(QApplication::activePopupWidget(), menu);
            Deliver(form().windowHandle(), {escDown});  // the open menu takes the press and closes
            EXPECT_FALSE(menu->isVisible());
        } else if (c.pressed == Where::MessageBox) {
            QMessageBox box(&form());
            box.show();
            QTest::keyPress(&box, Qt::Key_Escape);
            EXPECT_FALSE(box.isVisible());
        } else {
            Deliver(form().windowHandle(), {escDown});
        }
        Deliver(form().windowHandle(), {escUp});
        EXPECT_EQ(programEnded, c.ended);
        EXPECT_TRUE(dialogs.shown.empty());
    }
}

// F2 during a game asks before it ends the game; Shift+F2 restarts without asking. The chord is
// what was held with the key: Shift let go a moment before F2, as a quick chord often is,
// still makes Shift+F2, and Ctrl+Shift+F2 is plain F2 whatever is let go first.
TEST_F(TableTest, F2AsksTheQuitQuestionUnlessShiftAloneIsHeld) {
    const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier;
    const Qt::KeyboardModifiers both = Qt::ShiftModifier | Qt::ControlModifier;
    const Stroke shiftDown{true, Qt::Key_Shift, shift}, shiftUp{false, Qt::Key_Shift, none};
    const Stroke ctrlDown{true, Qt::Key_Control, both}, ctrlUp{false, Qt::Key_Control, shift};
    const Stroke f2Down{true, Qt::Key_F2, none}, f2Up{false, Qt::Key_F2, none};
    const Stroke f2DownShift{true, Qt::Key_F2, shift}, f2UpShift{false, Qt::Key_F2, shift};
    const Stroke f2DownBoth{true, Qt::Key_F2, both};
    struct Case {
        const char* what;
        std::vector<Stroke> strokes;
        bool asked;
    };
    const std::vector<Case> cases{
        {"F2", {f2Down, f2Up}, true},
        {"Shift held until F2 is up", {shiftDown, f2DownShift, f2UpShift, shiftUp}, false},
        {"Shift let go first", {shiftDown, f2DownShift, shiftUp, f2Up}, false},
        {"Shift pressed while F2 is down", {f2Down, shiftDown, f2UpShift, shiftUp}, false},
        {"Ctrl+Shift, Ctrl let go first", {shiftDown, ctrlDown, f2DownBoth, ctrlUp, f2UpShift, shiftUp}, true},
        {"Ctrl+Shift, both let go first", {shiftDown, ctrlDown, f2DownBoth, ctrlUp, shiftUp, f2Up}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CurPlayer = 0;
        DialogMessage.clear();
        dialogs.shown.clear();
        dialogs.answers = {platform::Answer::No};
        dialogs.modalScripts = {[](QDialog&) {}};  // the set-up dialog is cancelled
        Deliver(form().windowHandle(), c.strokes);
        const QStringList expected{c.asked ? "Are you sure you want to quit the current game?" : "frmNewGame"};
        EXPECT_EQ(dialogs.Texts(), expected);
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
