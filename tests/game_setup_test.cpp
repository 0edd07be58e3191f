// The set-up dialog: its layout, the saved default set-up, and starting a game.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <iostream>
#include <memory>

#include "core/pushbutton.h"
#include "core/settings_store.h"
#include "core/state.h"
#include "game_fixture.h"
#include "platform/controls.h"
#include "platform/keys.h"
#include "platform/twips.h"
#include "support/odd_files.h"
#include "table/frmMain.h"
#include "windows/frmNewGame.h"
#include "windows/frmScorePad.h"

using platform::Px;

namespace {

// What a row of the dialog shows: name box, tick box, style list (shown or not, and its text).
struct RowView {
    bool nameShown, nameEnabled;
    QString name;
    bool tickShown, ticked, tickEnabled;
    bool styleShown;
    QString style;
};

RowView viewRow(const frmNewGame& dialog, int i) {
    return {!dialog.TxtPlayerName[i]->isHidden(), dialog.TxtPlayerName[i]->isEnabled(),
            dialog.TxtPlayerName[i]->text(),      !dialog.chkComputer[i]->isHidden(),
            dialog.chkComputer[i]->isChecked(),   dialog.chkComputer[i]->isEnabled(),
            !dialog.cboStyle[i]->isHidden(),      dialog.cboStyle[i]->currentText()};
}

int shownRows(const frmNewGame& dialog) {
    int rows = 0;
    for (int i = 0; i < 8; ++i) rows += dialog.TxtPlayerName[i]->isHidden() ? 0 : 1;
    return rows;
}

// The value of a key exactly as the settings file holds it.
QByteArray storedLine(const QString& iniPath, const QByteArray& key) {
    QFile file(iniPath);
    if (!file.open(QIODevice::ReadOnly)) return "<no file>";
    // Keys match without regard to case.
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.toLower().startsWith(key.toLower() + "=")) return line.mid(key.size() + 1);
    return "<absent>";
}

// Records the caption of a button at every pause.
class CaptionClock : public platform::VirtualClock {
public:
    void Pause(int ms) override {
        if (button) captions << button->Caption();
        VirtualClock::Pause(ms);
    }
    ButtonPlus* button = nullptr;
    QStringList captions;
};

}  // namespace

class SetupTest : public GameTest {
protected:
    // Opens the dialog with no game running and lets the script look at it; the dialog stays loaded.
    void Open(const std::function<void(frmNewGame&)>& script) { StartFromDialog(script); }
};

// A first start offers one person against a Normal computer and writes the three list
// defaults, so that a hand edit finds them; the number keys stay unwritten.
TEST_F(SetupTest, FirstShowWithoutSettingsOffersOnePlayerAgainstTheComputer) {
    std::vector<RowView> rows;
    int height = 0;
    bool goal5000 = false, breakIn500 = false, playHasFocus = false;
    Open([&](frmNewGame& dialog) {
        for (int i = 0; i < 8; ++i) rows.push_back(viewRow(dialog, i));
        height = dialog.HeightTwips();
        goal5000 = dialog.optPlayTo[0]->isChecked();
        breakIn500 = dialog.optBreakIn[0]->isChecked();
        playHasFocus = dialog.focusWidget() == dialog.cmdPlay;
    });
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_TRUE(rows[0].nameShown && rows[0].nameEnabled && rows[0].tickEnabled);
    EXPECT_EQ(rows[0].name, "Player1");
    EXPECT_FALSE(rows[0].ticked);
    EXPECT_FALSE(rows[0].styleShown);
    EXPECT_EQ(rows[1].name, "Computer");
    EXPECT_FALSE(rows[1].nameEnabled);
    EXPECT_TRUE(rows[1].ticked);
    EXPECT_FALSE(rows[1].tickEnabled);
    EXPECT_TRUE(rows[1].styleShown);
    EXPECT_EQ(rows[1].style, "Normal");
    for (int i = 2; i < 8; ++i) EXPECT_FALSE(rows[i].nameShown || rows[i].tickShown || rows[i].styleShown) << i;
    EXPECT_EQ(height, 3495);
    EXPECT_TRUE(goal5000);
    EXPECT_TRUE(breakIn500);
    EXPECT_TRUE(playHasFocus);
    EXPECT_EQ(sound.beeps, 1);  // the dialog's load

    EXPECT_EQ(storedLine(IniPath(), "defPlayerNameString"),
              "Player1¤Player2¤Player3¤Player4¤Player5¤Player6¤Player7¤Player8");
    EXPECT_EQ(storedLine(IniPath(), "defPlayerIsCompString"), "False¤True¤True¤True¤True¤True¤True¤True¤");
    EXPECT_EQ(storedLine(IniPath(), "defPlayerStyleString"), "00¤0¤22¤33¤44¤55¤66¤77¤");
    for (const char* key : {"defPlayToScore", "defBreakInScore", "defNumPlayers"})
        EXPECT_EQ(storedLine(IniPath(), key), "<absent>") << key;
}

// Each number of players shows that many rows, each with a fresh name, and its own height.
TEST_F(SetupTest, NumberOfPlayersSetsRowsAndHeight) {
    const int heights[8] = {3495, 3495, 3855, 4215, 4575, 4935, 5295, 5655};
    Open([&](frmNewGame& dialog) {
        for (int index : {7, 2, 5, 1, 3, 6, 4, 0}) {
            dialog.TxtPlayerName[0]->setText("typed");
            dialog.optNumPlayers[index]->click();
            EXPECT_EQ(NumPlayers, index + 1);
            EXPECT_EQ(dialog.HeightTwips(), heights[index]) << index;
            EXPECT_EQ(shownRows(dialog), index == 0 ? 2 : index + 1) << index;
            EXPECT_EQ(dialog.TxtPlayerName[0]->text(), "Player1");
            if (index > 0) {
                EXPECT_EQ(dialog.TxtPlayerName[index]->text(), QString("Player%1").arg(index + 1));
                for (int i = 0; i <= index; ++i) EXPECT_FALSE(dialog.chkComputer[i]->isChecked()) << index;
            }
            // The rows shown fit inside the window.
            const QWidget* last = dialog.TxtPlayerName[index == 0 ? 1 : index];
            EXPECT_LE(last->geometry().bottom(), dialog.height()) << index;
        }
    });
}

// Saving writes the three list texts byte for byte, with "Saving..." and "Done..." on the
// button for 400 ms each and a beep between them.
TEST_F(SetupTest, SaveAsDefaultWritesTheListTexts) {
    struct Case {
        const char* what;
        std::vector<std::pair<QString, int>> rows;
        bool goal10000, breakIn1000;
        QByteArray names, computers, styles, seats;
    };
    const std::vector<Case> cases{
        {"person against a Genius computer", {{"Player1", -1}, {"Computer", 5}}, false, false,
         "Player1¤Computer¤~¤~¤~¤~¤~¤~¤", "False¤True¤~¤~¤~¤~¤~¤~¤", "00¤5¤22¤33¤44¤55¤66¤77¤", "2"},
        {"one player against Fearless", {{"Player1", -1}}, true, true, "Player1¤~¤~¤~¤~¤~¤~¤~¤",
         "False¤~¤~¤~¤~¤~¤~¤~¤", "00¤2¤22¤33¤44¤55¤66¤77¤", "1"},
        {"one player against Simple", {{"Solo", -1}}, false, true, "Solo¤~¤~¤~¤~¤~¤~¤~¤",
         "False¤~¤~¤~¤~¤~¤~¤~¤", "00¤3¤22¤33¤44¤55¤66¤77¤", "1"},
        {"a Moron between two people", {{"A", -1}, {"M", 6}, {"C", -1}}, false, false, "A¤M¤C¤~¤~¤~¤~¤~¤",
         "False¤True¤False¤~¤~¤~¤~¤~¤", "00¤6¤22¤33¤44¤55¤66¤77¤", "3"},
        {"eight computers", {{"a", 0}, {"b", 1}, {"c", 2}, {"d", 3}, {"e", 4}, {"f", 5}, {"g", 6}, {"h", 0}},
         true, false, "a¤b¤c¤d¤e¤f¤g¤h¤", "True¤True¤True¤True¤True¤True¤True¤True¤", "0¤1¤2¤3¤4¤5¤6¤0¤",
         "8"},
    };
    for (const Case& c : cases) {
        CaptionClock watch;
        platform::SetClock(&watch);
        int beepsBefore = 0;
        Open([&](frmNewGame& dialog) {
            SetRows(dialog, c.rows);
            if (c.rows.size() == 1) dialog.cboStyle[1]->setCurrentIndex(c.names.startsWith("Solo") ? 3 : 2);
            dialog.optPlayTo[c.goal10000 ? 1 : 0]->click();
            dialog.optBreakIn[c.breakIn1000 ? 1 : 0]->click();
            watch.button = dialog.cmdSetDefault;
            beepsBefore = sound.beeps;
            dialog.cmdSetDefault->click();
            EXPECT_EQ(dialog.cmdSetDefault->Caption(), "Save Game Setup as Default");
        });
        platform::SetClock(&clock);
        SCOPED_TRACE(c.what);
        EXPECT_EQ(storedLine(IniPath(), "defPlayerNameString"), c.names);
        EXPECT_EQ(storedLine(IniPath(), "defPlayerIsCompString"), c.computers);
        EXPECT_EQ(storedLine(IniPath(), "defPlayerStyleString"), c.styles);
        EXPECT_EQ(storedLine(IniPath(), "defNumPlayers"), c.seats);
        EXPECT_EQ(storedLine(IniPath(), "defPlayToScore"), c.goal10000 ? "10000" : "5000");
        EXPECT_EQ(storedLine(IniPath(), "defBreakInScore"), c.breakIn1000 ? "1000" : "500");
        EXPECT_EQ(watch.pauses, (std::vector<int>{400, 400}));
        EXPECT_EQ(watch.captions, (QStringList{"Saving...", "Done..."}));
        EXPECT_EQ(sound.beeps - beepsBefore, 1);
    }
}

// What was saved comes back at the next showing, including the opponent's style of a
// one-player set-up; only the rows in play are read.
// Cancel takes Roll away and unloads the dialog, so the next showing loads it afresh.
TEST_F(SetupTest, SavedSetupComesBackAtTheNextShowing) {
    form().cmdRoll->setEnabled(true);
    struct Case {
        std::vector<std::pair<QString, int>> rows;
        bool goal10000;
    };
    const std::vector<Case> cases{
        {{{"Ann", -1}}, true},
        {{{"Ann", -1}, {"Cal", 1}, {"Bob", -1}, {"Dot", 6}}, false},
        {{{"Ann", 4}, {"Bob", 5}}, true},
    };
    for (const Case& c : cases) {
        Open([&](frmNewGame& dialog) {
            SetRows(dialog, c.rows);
            if (c.rows.size() == 1) dialog.cboStyle[1]->setCurrentIndex(3);
            dialog.optPlayTo[c.goal10000 ? 1 : 0]->click();
            dialog.cmdSetDefault->click();
            // A different set-up on screen, then away without playing.
            dialog.optNumPlayers[7]->click();
            dialog.cmdCancel->click();
        });
        ASSERT_EQ(NewGameIfLoaded(), nullptr);
        EXPECT_FALSE(form().cmdRoll->isEnabled());
        const int beepsBefore = sound.beeps;
        Open([&](frmNewGame& dialog) {
            EXPECT_EQ(sound.beeps, beepsBefore + 1);  // loaded again
            const int n = int(c.rows.size());
            EXPECT_EQ(shownRows(dialog), n == 1 ? 2 : n);
            EXPECT_TRUE(dialog.optNumPlayers[n - 1]->isChecked());
            EXPECT_EQ(dialog.optPlayTo[1]->isChecked(), c.goal10000);
            for (int i = 0; i < n; ++i) {
                EXPECT_EQ(dialog.TxtPlayerName[i]->text(), c.rows[i].first);
                EXPECT_EQ(dialog.chkComputer[i]->isChecked(), c.rows[i].second >= 0);
                if (c.rows[i].second >= 0) EXPECT_EQ(dialog.cboStyle[i]->currentIndex(), c.rows[i].second);
            }
            if (n == 1) {
                EXPECT_EQ(dialog.TxtPlayerName[1]->text(), "Computer");
                EXPECT_EQ(dialog.cboStyle[1]->currentText(), "Simple");
            }
        });
    }
}

// Hand-edited defaults that the dialog cannot show fall back to the built-in default of
// their key instead of breaking the dialog.
TEST_F(SetupTest, HandEditedDefaultsFallBackToTheBuiltInOnes) {
    struct Case {
        QStringList lines;
        int rows;  // rows shown
        QStringList names;
        std::vector<int> styles;  // list position per row; -1 for a person
    };
    const std::vector<Case> cases{
        {{"defNumPlayers=0"}, 2, {"Player1", "Computer"}, {-1, 0}},
        {{"defNumPlayers=9"}, 2, {"Player1", "Computer"}, {-1, 0}},
        {{"defNumPlayers=300"}, 2, {"Player1", "Computer"}, {-1, 0}},
        {{"defNumPlayers=-2"}, 2, {"Player1", "Computer"}, {-1, 0}},
        {{"defNumPlayers=three"}, 2, {"Player1", "Computer"}, {-1, 0}},
        {{"defNumPlayers=4", "defPlayerNameString=Ann¤Bob¤", "defPlayerIsCompString=True"}, 4,
         {"Player1", "Player2", "Player3", "Player4"}, {-1, 0, 0, 0}},
        {{"defNumPlayers=3", "defPlayerNameString=A¤B¤C¤", "defPlayerIsCompString=True¤True¤False¤",
          "defPlayerStyleString=x¤9¤1¤"},
         3, {"A", "B", "C"}, {0, 0, -1}},
        {{"defNumPlayers=2", "defPlayerNameString=A¤B¤", "defPlayerIsCompString=False¤True¤",
          "defPlayerStyleString=00¤-1¤"},
         2, {"A", "B"}, {-1, 0}},
        {{"defNumPlayers=1", "defPlayerStyleString=00"}, 2, {"Player1", "Computer"}, {-1, 0}},
        {{"defNumPlayers=1", "defPlayerStyleString=00¤6¤"}, 2, {"Player1", "Computer"}, {-1, 6}},
        {{"defNumPlayers=2", "defPlayerIsCompString=False¤yes¤"}, 2, {"Player1", "Player2"}, {-1, -1}},
    };
    for (const Case& c : cases) {
        QFile::remove(IniPath());
        WriteIni(c.lines);
        UnloadNewGame();
        Open([&](frmNewGame& dialog) {
            SCOPED_TRACE(c.lines.join(" | ").toStdString());
            ASSERT_EQ(shownRows(dialog), c.rows);
            for (int i = 0; i < c.rows; ++i) {
                EXPECT_EQ(dialog.TxtPlayerName[i]->text(), c.names[i]) << i;
                EXPECT_EQ(dialog.chkComputer[i]->isChecked(), c.styles[i] >= 0) << i;
                if (c.styles[i] >= 0) EXPECT_EQ(dialog.cboStyle[i]->currentIndex(), c.styles[i]) << i;
            }
        });
    }
}

// Play fills the seat table and the rules and lays out the table for seat 0; a one-player
// set-up becomes a game of two against the computer.
TEST_F(SetupTest, PlayStartsTheGame) {
    SoundOff = true;
    PlayToScore = 5000;
    StartFromDialog([](frmNewGame& dialog) {
        dialog.optNumPlayers[0]->click();
        dialog.TxtPlayerName[0]->setText("Zed");
        dialog.cboStyle[1]->setCurrentIndex(5);
        dialog.optPlayTo[1]->click();
        dialog.optBreakIn[1]->click();
        dialog.cmdPlay->click();
    });
    frmMain& main = form();
    EXPECT_EQ(NumPlayers, 2);
    EXPECT_EQ(PlayerName[0], "Zed");
    EXPECT_EQ(PlayerName[1], "Computer");
    EXPECT_FALSE(IsComputer[0]);
    EXPECT_TRUE(IsComputer[1]);
    EXPECT_EQ(ComputerStyle[1], 6);  // Genius
    EXPECT_EQ(ComputerStyle[0], 1);
    EXPECT_EQ(PlayToScore, 10000);
    EXPECT_EQ(BreakIn, 1000);
    EXPECT_EQ(CurPlayer, 0);
    EXPECT_EQ(FinalRoundStarter, NoSeat);
    EXPECT_EQ(TurnState, "r");
    EXPECT_EQ(TurnScore, 0);
    EXPECT_FALSE(GameEnded);
    EXPECT_TRUE(BotDone);
    EXPECT_TRUE(ScorePadInUse);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(DiceCode[i], "0");

    EXPECT_TRUE(main.ARCmdNewGame->isHidden());
    EXPECT_FALSE(main.cmdRoll->isHidden());
    EXPECT_TRUE(main.cmdRoll->isEnabled());
    EXPECT_FALSE(main.cmdPassDice->isHidden());
    EXPECT_FALSE(main.cmdPassDice->isEnabled());
    EXPECT_TRUE(main.picTray1->isEnabled());
    EXPECT_EQ(main.lblStatus->text(), "Roll the dice.");
    EXPECT_EQ(main.lblPlayer->text(), "Zed");
    EXPECT_EQ(main.lblTurnScore->text(), "0");
    EXPECT_TRUE(main.lblLastRoll->isHidden());

    // Play only hides the dialog; the pad stands beside the table with the seats.
    ASSERT_NE(NewGameIfLoaded(), nullptr);
    EXPECT_FALSE(NewGameIfLoaded()->isVisible());
    frmScorePad* pad = ScorePadIfLoaded();
    ASSERT_NE(pad, nullptr);
    EXPECT_TRUE(pad->isVisible());
    EXPECT_EQ(pad->lblPlayer[0]->text(), "Zed");
    EXPECT_EQ(pad->lblPlayer[1]->text(), "Computer");
    EXPECT_TRUE(pad->lblPlayer[1]->font().italic());
    EXPECT_FALSE(pad->lblPlayer[0]->font().italic());
    EXPECT_EQ(pad->lblScore[1]->text(), "0");
    EXPECT_EQ(pad->lblGoal->text(), "(Playing to 10000)");
    const QRect table = main.frameGeometry();
    EXPECT_EQ(pad->x(), table.right() + 1 + Px(175));
    EXPECT_EQ(pad->y(), table.y() - Px(350));
}

// Names are taken as typed: empty, repeated and very long ones reach the seat table, the
// pad and the saved defaults without changing the pad's size.
TEST_F(SetupTest, AnyNamesAreAccepted) {
    const QString longName(5000, QChar('W'));
    StartFromDialog([&](frmNewGame& dialog) {
        SetRows(dialog, {{"", -1}, {"Same", -1}, {"Same", -1}, {longName, -1}, {"<b>Qz</b>", -1}});
        dialog.cmdSetDefault->click();
        dialog.cmdPlay->click();
    });
    EXPECT_EQ(PlayerName[0], "");
    EXPECT_EQ(PlayerName[1], "Same");
    EXPECT_EQ(PlayerName[2], "Same");
    EXPECT_EQ(PlayerName[3], longName);
    frmScorePad& pad = ScorePad();
    EXPECT_EQ(pad.lblPlayer[3]->text(), longName);
    EXPECT_EQ(pad.lblPlayer[3]->width(), Px(1560));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(pad.lblPlayer[4])->text(QAccessible::Name), "<b>Qz</b>");
    EXPECT_EQ(pad.width(), Px(2595));
    EXPECT_EQ(storedLine(IniPath(), "defPlayerNameString"),
              ("¤Same¤Same¤" + longName + "¤<b>Qz</b>¤~¤~¤~¤").toUtf8());
}

// A separator or line break typed into a name cannot shift the saved lists.
TEST(SetupDefaultTexts, NamesCannotBreakTheSavedLists) {
    std::array<SetupRow, 8> rows{};
    rows[0] = {"a¤b", false, 0};
    rows[1] = {"two\nlines", true, 4};
    const SetupDefaultTexts texts = ComposeSetupDefaults(2, rows);
    EXPECT_EQ(texts.names, "a b¤two lines¤~¤~¤~¤~¤~¤~¤");
    EXPECT_EQ(texts.names.split(QChar(0xA4)).size(), 9);
    EXPECT_EQ(texts.styles, "00¤4¤22¤33¤44¤55¤66¤77¤");
}

// A replay of the same game skips the saved defaults; a restart uses them.
TEST_F(SetupTest, ReplaysPressPlayByThemselves) {
    WriteIni({"defNumPlayers=2", "defPlayerNameString=Def1¤Def2¤", "defPlayerIsCompString=False¤False¤",
              "defPlayToScore=10000"});
    StartFromDialog([](frmNewGame& dialog) {
        SetRows(dialog, {{"Ann", -1}, {"Bob", -1}, {"Cy", -1}});
        dialog.optPlayTo[0]->click();
        dialog.cmdPlay->click();
    });
    ASSERT_EQ(NumPlayers, 3);
    const auto replay = [&](const QString& message) {
        CurPlayer = NoSeat;
        PlayerName = {};
        DialogMessage = message;
        const std::size_t shownBefore = dialogs.shown.size();
        form().mnuNewGame_Click();
        EXPECT_EQ(dialogs.shown.size(), shownBefore + 1);  // the dialog, and no question
        EXPECT_EQ(DialogMessage, "");
        EXPECT_EQ(CurPlayer, 0);
    };
    replay("SameGame");
    EXPECT_EQ(NumPlayers, 3);
    EXPECT_EQ(PlayerName[2], "Cy");
    EXPECT_EQ(PlayToScore, 5000);
    replay("RestartGame");
    EXPECT_EQ(NumPlayers, 2);
    EXPECT_EQ(PlayerName[0], "Def1");
    EXPECT_EQ(PlayToScore, 10000);
}

// The pad stands right of the table, or left of it when the table reaches the right
// edge of the screen, and always wholly on the screen from top to bottom.
TEST_F(SetupTest, ScorePadIsPlacedBesideTheTable) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    frmMain& main = form();
    struct Case {
        const char* what;
        QPoint table;
        bool left;
    };
    const std::vector<Case> cases{
        {"room on the right", {20, 200}, false},
        {"table at the right edge", {screen.width() - main.width(), 200}, true},
        {"table at the top", {20, 0}, false},
        {"table below the screen's foot", {20, screen.height() - 20}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        main.move(c.table);
        CurPlayer = NoSeat;
        StartTwoPeople();
        const frmScorePad& pad = ScorePad();
        const QRect table = main.frameGeometry();
        if (c.left) EXPECT_EQ(pad.frameGeometry().right() + 1, table.x() - Px(175));
        else EXPECT_EQ(pad.x(), table.right() + 1 + Px(175));
        EXPECT_GE(pad.y(), screen.top());
        EXPECT_LE(pad.y() + Px(pad.HeightTwips()), screen.bottom() + 1);
        if (table.y() - Px(350) >= 0 && table.y() + Px(2000) < screen.height())
            EXPECT_EQ(pad.y(), table.y() - Px(350));
    }
}

// The Play button's second notification shows its number, and nothing else happens.
TEST_F(SetupTest, PlayButtonShowsTheValueItIsGiven) {
    Open([](frmNewGame& dialog) {
        Integer value = 7;
        emit dialog.cmdPlay->ShowValue(value);
        QTest::mouseClick(dialog.cmdPlay, Qt::MiddleButton);
    });
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[1].text, "7");
    EXPECT_EQ(dialogs.shown[1].title, "OrvaneDravik3");
    EXPECT_EQ(dialogs.shown[1].buttons, platform::Buttons::OK);
    EXPECT_EQ(dialogs.shown[2].text, "4");  // a middle click on the button: that button's code
    EXPECT_EQ(CurPlayer, NoSeat);
}

// The test run is entered by a double click on "Computer Player?" with Up held down.
TEST_F(SetupTest, TestRunEntryNeedsTheUpArrow) {
    dialogs.answers.push_back(platform::Answer::No);  // the run itself is tested on its own
    Open([](frmNewGame& dialog) {
        QTest::mouseDClick(dialog.lblComputer, Qt::LeftButton);
        platform::SetKeyDown(Qt::Key_Up, true);
        dialog.lblComputer_DblClick();
        platform::SetKeyDown(Qt::Key_Up, false);
    });
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Enter Test Mode ?");
    EXPECT_EQ(dialogs.shown[1].title, "Test Mode");
    EXPECT_EQ(dialogs.shown[1].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(dialogs.shown[1].icon, platform::Icon::Question);
}

// The dialog can be shown again from inside its own Play (a replay started from the end of a
// game that ran inside it), and every show returns once the dialog is hidden.
TEST_F(SetupTest, DialogShowsAgainFromInsideItsOwnPlay) {
    ShowNewGameDialog();  // loaded, shown once and hidden again
    platform::SetDialogs(nullptr);  // from here on the dialog's own modal loop
    frmNewGame* first = nullptr;
    int nestedGames = 0;
    QTimer::singleShot(0, [&] {
        first = NewGameIfLoaded();
        ASSERT_NE(first, nullptr);
        first->cmdPlay_Click();
        // Inside the first show: a replay opens the dialog again and starts at once.
        DialogMessage = "RestartGame";
        CurPlayer = NoSeat;
        form().mnuNewGame_Click();
        nestedGames = CurPlayer == 0 && DialogMessage.isEmpty() ? 1 : 0;
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (frmNewGame* open = NewGameIfLoaded()) open->hide();
    });
    watchdog.start(5000);
    ShowNewGameDialog();
    EXPECT_TRUE(watchdog.isActive());  // ended by the game, not by the watchdog
    EXPECT_EQ(nestedGames, 1);
    EXPECT_FALSE(NewGameIfLoaded()->isVisible());
}

// A game abandoned during its last turns leaves no trace on the next one: the last-roll line is
// hidden and the status line back in its place, so the next going out raises it by 180 twips only.
TEST_F(SetupTest, AbandonedLastTurnsDoNotShiftTheStatusLine) {
    const int home = platform::Twips(form().lblStatus->y());
    StartTwoPeople();
    Bank(5000);  // Ann goes out
    ASSERT_EQ(platform::Twips(form().lblStatus->y()), home - 180);
    StartTwoPeople();  // a new game from the button
    EXPECT_TRUE(form().lblLastRoll->isHidden());
    EXPECT_EQ(platform::Twips(form().lblStatus->y()), home);
    Bank(5000);
    EXPECT_EQ(platform::Twips(form().lblStatus->y()), home - 180);
}

namespace {
// Notes whether Roll is enabled at the first yield after it is armed.
class RollAtYield : public platform::VirtualClock {
public:
    void Yield() override {
        if (armed && table) {
            rollEnabled = table->cmdRoll->isEnabled() ? 1 : 0;
            armed = false;
        }
        VirtualClock::Yield();
    }
    frmMain* table = nullptr;
    bool armed = false;
    int rollEnabled = -1;
};
}  // namespace

// A computer seat 0 never finds Roll left enabled by the person whose game was abandoned.
TEST_F(SetupTest, ComputerSeatZeroStartsWithRollDisabled) {
    StartTwoPeople();
    ASSERT_TRUE(form().cmdRoll->isEnabled());
    RollAtYield watch;
    watch.table = &form();
    platform::SetClock(&watch);
    dialogs.modalScripts.push_back([&](QDialog& window) {
        auto& dialog = static_cast<frmNewGame&>(window);
        SetRows(dialog, {{"Robo", 0}, {"Ann", -1}});
        watch.armed = true;  // Play yields once before the computer's turn
        dialog.cmdPlay->click();
    });
    form().mnuNewGame_Click();  // answered Yes
    platform::SetClock(&clock);
    EXPECT_EQ(watch.rollEnabled, 0);
    EXPECT_TRUE(IsComputer[0]);
}

// A settings file that cannot be written: the dialog still offers the built-in set-up (not a
// seat without a name), and Save Game Setup as Default says that it could not save, leaving
// the dialog ready to play what it shows.
TEST_F(SetupTest, UnwritableSettingsAreSaidAndTheBuiltInSetupServes) {
    const QString plainFile = root.path() + "/plain";
    ASSERT_TRUE(MakePlainFile(plainFile));
    std::unique_ptr<ReadOnlyFolder> readOnly;
    struct Case {
        const char* what;
        QString ini;
        bool writable;
    };
    const std::vector<Case> cases{
        {"writable", IniPath(), true},
        {"read-only folder", IniPath(), false},
        {"folder under a plain file", plainFile + "/config/OrvaneDravik3.ini", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteIni({"ShowWelcomeMessage=0"});
        if (std::string(c.what) == "read-only folder") {
            readOnly = std::make_unique<ReadOnlyFolder>(ConfigDir());
            if (!readOnly->Ok()) {
                std::cout << "[ SKIPPED  ] " << c.what << ": " << readOnly->Reason().toStdString() << "\n";
                continue;
            }
        }
        Settings().Open(c.ini, "Info");
        UnloadNewGame();
        dialogs.shown.clear();
        CaptionClock watch;
        platform::SetClock(&watch);
        Open([&](frmNewGame& dialog) {
            EXPECT_EQ(viewRow(dialog, 0).name, "Player1");
            EXPECT_EQ(viewRow(dialog, 1).name, "Computer");
            EXPECT_EQ(viewRow(dialog, 1).style, "Normal");
            SetRows(dialog, {{"Ann", -1}, {"Bob", 2}});
            watch.button = dialog.cmdSetDefault;
            const int beepsBefore = sound.beeps;
            dialog.cmdSetDefault->click();
            EXPECT_EQ(watch.captions, c.writable ? QStringList({"Saving...", "Done..."}) : QStringList());
            EXPECT_EQ(sound.beeps - beepsBefore, c.writable ? 1 : 0);
            EXPECT_EQ(dialog.cmdSetDefault->Caption(), "Save Game Setup as Default");
            EXPECT_TRUE(dialog.isVisible());
            dialog.cmdPlay->click();
        });
        platform::SetClock(&clock);
        ASSERT_EQ(dialogs.Texts().filter("could not").size(), c.writable ? 0 : 1);
        if (!c.writable) {
            const auto& box = dialogs.shown.back();
            EXPECT_EQ(box.text, "Your game setup could not be saved as the default in the settings file:\n" + c.ini +
                                    "\n\nYou can still play it now. Whatever the settings file could not take "
                                    "keeps its old value there.");
            EXPECT_EQ(box.icon, platform::Icon::Exclamation);
        }
        EXPECT_EQ(PlayerName[0], "Ann");
        EXPECT_EQ(PlayerName[1], "Bob");
        EXPECT_EQ(TurnState, "r");
        readOnly.reset();
        Settings().Open(IniPath(), "Info");
    }
}
