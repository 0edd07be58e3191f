// The label menus, the New Game command with its quit question, and the commands and buttons that
// open a window or close the table.
#include <QAction>
#include <QMenu>
#include <QTest>
#include <functional>

#include "core/pushbutton.h"
#include "core/state.h"
#include "platform/controls.h"
#include "support/fixtures.h"
#include "table/frmMain.h"
#include "windows/frmNewGame.h"
#include "windows/frmWelcome.h"

namespace {

// A menu's items by caption; a separator is "-".
QStringList Items(const QMenu* menu) {
    QStringList items;
    for (const QAction* action : menu->actions()) items << (action->isSeparator() ? QString("-") : action->text());
    return items;
}

// A turn in play: Roll and Pass up, captions, the divider, twelve dice, six markers, live trays.
void LayOutTurn(frmMain& form) {
    form.cmdRoll->show();
    form.cmdPassDice->show();
    form.ARCmdNewGame->hide();
    form.lblStatus->SetCaption("Ann to play");
    form.lblPlayer->SetCaption("Ann");
    form.lblTurnScore->SetCaption("350");
    form.pctDivider->show();
    for (int i = 0; i < 6; ++i) {
        form.DrawDie(i, i + 1);
        form.DrawDie(10 + i, 6 - i);
        form.picMarker[i]->show();
    }
    form.picTray1->setEnabled(true);
    form.picTray2->setEnabled(true);
}

// What the table shows, one fact a line.
QStringList Look(const frmMain& form) {
    int pictures = 0, markers = 0;
    for (int box : {0, 1, 2, 3, 4, 5, 10, 11, 12, 13, 14, 15}) pictures += form.Picture1[box]->HasPicture();
    for (const platform::PictureBox* marker : form.picMarker) markers += !marker->isHidden();
    const auto shown = [](const QWidget* w) { return QString(w->isHidden() ? "hidden" : "shown"); };
    return {"Roll " + shown(form.cmdRoll),
            "Pass " + shown(form.cmdPassDice),
            "New Game " + shown(form.ARCmdNewGame),
            "status '" + form.lblStatus->Caption() + "'",
            "player '" + form.lblPlayer->Caption() + "'",
            "turn score '" + form.lblTurnScore->Caption() + "'",
            "divider " + shown(form.pctDivider),
            QString("pictures %1").arg(pictures),
            QString("markers %1").arg(markers),
            QString("trays %1").arg(form.picTray1->isEnabled() && form.picTray2->isEnabled() ? "on" : "off")};
}

const QStringList InPlay{"Roll shown",   "Pass shown",       "New Game hidden", "status 'Ann to play'",
                         "player 'Ann'", "turn score '350'", "divider shown",   "pictures 12",
                         "markers 6",    "trays on"};
const QStringList Cleared{"Roll hidden", "Pass hidden",   "New Game shown", "status ''",
                          "player ''",   "turn score ''", "divider hidden", "pictures 0",
                          "markers 0",   "trays off"};

int Count(const std::vector<platform::ScriptedDialogs::Shown>& shown, const QString& kind, const QString& text) {
    return int(std::count_if(shown.begin(), shown.end(),
                             [&](const auto& box) { return box.kind == kind && box.text == text; }));
}

const QString QuitQuestion = "Are you sure you want to quit the current game?";

}  // namespace

// Each label opens its menu at its own left edge just below it; the menus hold their commands in order.
TEST_F(TableTest, LabelMenusOpenBelowTheirLabelWithTheirCommands) {
    struct Case {
        platform::Label* label;
        QMenu* menu;
        QString title;
        QStringList items;
    };
    const Case cases[] = {
        {form().lblMnuGame, form().mnuGame, "&Game", {"&New Game  (F2)", "&Options...", "-", "&Exit"}},
        {form().lblMnuHelp,
         form().mnuHelpMe,
         "HelpMe",
         {"How to Play...", "&Show Orvane Dravik 3 Help...", "-", "About Orvane Dravik 3..."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        EXPECT_EQ(c.menu->title(), c.title);
        EXPECT_EQ(Items(c.menu), c.items);
        EXPECT_FALSE(c.menu->isVisible());
        QTest::mouseClick(c.label, Qt::LeftButton);
        EXPECT_TRUE(c.menu->isVisible());
        EXPECT_EQ(c.menu->pos(), c.label->mapToGlobal(QPoint(0, c.label->height())));
        c.menu->hide();
    }
}

// New Game asks only during a game, after a beep. No leaves the game as it was; Yes clears the table
// before the set-up dialog shows, and cancelling the dialog leaves it cleared with New Game offered.
// With no game running the dialog opens at once and nothing is touched.
TEST_F(TableTest, NewGameAsksDuringAGameAndClearsTheTableOnYes) {
    struct Case {
        const char* what;
        Byte player;
        std::deque<platform::Answer> answers;
        int questions;
        bool dialog;
        QStringList table;  // at the dialog's showing, and after it
    };
    const Case cases[] = {
        {"no game", NoSeat, {}, 0, true, InPlay},
        {"game, No", 1, {platform::Answer::No}, 1, false, InPlay},
        {"game, Yes", 1, {platform::Answer::Yes}, 1, true, Cleared},
    };
    ShowNewGameDialog();  // loaded once beforehand: its load has a beep of its own
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LayOutTurn(form());
        CurPlayer = c.player;
        DialogMessage.clear();
        dialogs.shown.clear();
        dialogs.answers = c.answers;
        sound.beeps = 0;
        QStringList atDialog;
        dialogs.modalScripts.push_back([&](QDialog&) { atDialog = Look(form()); });  // then cancelled

        form().mnuNewGame->trigger();
        EXPECT_EQ(sound.beeps, c.questions);
        EXPECT_EQ(Count(dialogs.shown, "MsgBox", QuitQuestion), c.questions);
        if (c.questions) {
            EXPECT_EQ(dialogs.shown[0].title, "Quit?");
            EXPECT_EQ(dialogs.shown[0].buttons, platform::Buttons::YesNo);
            EXPECT_EQ(dialogs.shown[0].icon, platform::Icon::Question);
        }
        EXPECT_EQ(Count(dialogs.shown, "Modal", "frmNewGame"), c.dialog ? 1 : 0);
        if (c.dialog) EXPECT_EQ(atDialog, c.table);
        else dialogs.modalScripts.clear();
        EXPECT_EQ(Look(form()), c.table);
        EXPECT_EQ(CurPlayer, c.player);  // the set-up dialog's Play resets the game, not the command
        EXPECT_EQ(DialogMessage, "");
    }
}

// The commands that only open a window show it modally, and the big New Game button asks nothing even
// during a game; Options folds out the panel.
TEST_F(TableTest, CommandsOpenTheirWindows) {
    struct Case {
        const char* what;
        std::function<void(frmMain&)> command;
        QString window;  // empty: the options panel
    };
    const Case cases[] = {
        {"menu Options", [](frmMain& f) { f.mnuOptions->trigger(); }, ""},
        {"menu How to Play", [](frmMain& f) { f.mnuHowToPlay->trigger(); }, "frmWelcome"},
        {"menu About", [](frmMain& f) { f.mnuAbout->trigger(); }, "frmAbout"},
        {"High Rollers", [](frmMain& f) { f.cmdHighRollers->click(); }, "frmHighRollers"},
        {"New Game button", [](frmMain& f) { f.ARCmdNewGame->click(); }, "frmNewGame"},
    };
    HoldWelcomeWindow(false);
    FirstActivate = false;  // greeted already: only the menu brings the welcome window
    CurPlayer = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.shown.clear();
        c.command(form());
        if (c.window.isEmpty()) {
            EXPECT_TRUE(dialogs.shown.empty());
            EXPECT_TRUE(OptionsOpen);
            EXPECT_FALSE(form().picOptionsTray->isHidden());
            form().ARCmdCancelOptions->click();
            continue;
        }
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].kind, "Modal");
        EXPECT_EQ(dialogs.shown[0].text, c.window);
    }
    CurPlayer = NoSeat;
}

// Exit, from the menu or the button, closes the table; with no game running nothing is asked.
TEST_F(TableTest, ExitClosesTheTable) {
    const std::pair<const char*, std::function<void(frmMain&)>> cases[] = {
        {"menu Exit", [](frmMain& f) { f.mnuExit->trigger(); }},
        {"Exit button", [](frmMain& f) { f.cmdExit->click(); }},
    };
    for (const auto& [what, command] : cases) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(form().isVisible());
        Quitting = false;
        command(form());
        EXPECT_TRUE(Quitting);
        EXPECT_FALSE(form().isVisible());
        EXPECT_TRUE(dialogs.shown.empty());
        UnloadMainForm();
        Quitting = false;
        form().show();
    }
}
