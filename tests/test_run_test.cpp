// The hidden computer-against-computer test run: its questions, the table of each game start,
// the score pad's captions and the report after the last game.
#include <QFile>
#include <QTest>
#include <functional>
#include <numeric>

#include "bots_fixture.h"
#include "core/pushbutton.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/keys.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "support/fixtures.h"
#include "table/frmMain.h"
#include "table/last_roll.h"
#include "windows/frmNewGame.h"
#include "windows/frmScorePad.h"

class TestRunTest : public TableTest {
protected:
    void SetUp() override {
        TableTest::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
        platform::SetClock(&runClock);
        runClock.atYield = [this] {
            if (stopAtGameStart) Quitting = true;  // the first seat's turn then ends before it begins
            if (TestGamesPlayed != int(captions.size())) captions << ScorePad().windowTitle();
        };
        platform::Randomize(99);
    }
    // Enters the run from the set-up dialog: a double click on "Computer Player?" with Up held,
    // confirmed; the four questions get these answers.
    void EnterTestRun(const QStringList& answers, const std::function<void()>& beforeEntry = {}) {
        dialogs.inputs.assign(answers.begin(), answers.end());
        dialogs.modalScripts.push_back([beforeEntry](QDialog& window) {
            if (beforeEntry) beforeEntry();
            platform::SetKeyDown(Qt::Key_Up, true);
            static_cast<frmNewGame&>(window).lblComputer_DblClick();
            platform::SetKeyDown(Qt::Key_Up, false);
        });
        form().ARCmdNewGame_Click();
    }

    HookedClock runClock;
    bool stopAtGameStart = false;
    QStringList captions;  // the score pad's caption at the start of each game
};

// Each answer counts by the number at its start, rounded half to even; an answer that is not
// one of those accepted (also a cancelled box) gives the fallback.
TEST_F(TestRunTest, AnswersAndTheirFallbacks) {
    struct Case {
        QStringList answers;
        int games, normalSeat, goal, breakIn;
    };
    const std::vector<Case> cases{
        {{"", "", "", ""}, 14, 0, 5000, 500},
        {{"7", "3", "10000", "1000"}, 7, 3, 10000, 1000},
        {{"14.5", "6.5", "5000.4", "1e3"}, 14, 6, 5000, 1000},
        {{"7 games", "-1", "&H2710", " 500"}, 7, 0, 10000, 500},
        {{"99999", "2.5", "ten thousand", "-500"}, 14, 2, 5000, 500},
    };
    stopAtGameStart = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answers.join('|').toStdString());
        TestGamesPlayed = 0;
        Quitting = false;
        dialogs.shown.clear();
        EnterTestRun(c.answers);
        EXPECT_EQ(TestGamesTotal, c.games);
        EXPECT_EQ(TestNormalSeat, c.normalSeat);
        EXPECT_EQ(PlayToScore, c.goal);
        EXPECT_EQ(BreakIn, c.breakIn);
        EXPECT_EQ(TestGamesPlayed, 1);
        ASSERT_EQ(dialogs.shown.size(), 6u);  // the set-up dialog, the confirmation, the questions
        EXPECT_EQ(dialogs.shown[1].text, "Enter Test Mode ?");
        EXPECT_EQ(dialogs.Texts().mid(2, 4),
                  (QStringList{"How Many Games (7 or 14) ???", "Normal's Position (0-6) ???",
                               "Play to 5000 or 10000 ???", "Amount needed to break in ???"}));
        for (int box = 2; box <= 5; ++box) EXPECT_EQ(dialogs.shown[box].title, "OrvaneDravik3");
    }
}

// A game of the run starts on a clean table with the styles rotated from Normal's seat and the
// options forced, writing nothing to the settings file and leaving the buttons and trays alone.
TEST_F(TestRunTest, GameStartSetsTheTable) {
    frmMain& table = form();
    SoundOff = false;
    MarkScorersOn = SortDiceOn = true;
    TurnScore = 300;
    for (int i = 0; i < 6; ++i) {
        table.picMarker[i]->show();
        table.DrawDie(i, 3);
        table.DrawDie(10 + i, 5);
        DiceCode[i] = "5";
        OnTable[i] = TrayUsed[i] = true;
    }
    ShowLastRollLine(table);
    const auto buttons = [&] {
        return std::vector<bool>{table.ARCmdNewGame->isVisible(), table.cmdRoll->isVisible(),
                                 table.cmdRoll->isEnabled(), table.picTray1->isEnabled()};
    };
    const std::vector<bool> buttonsBefore = buttons();
    QFile ini(IniPath());
    QByteArray settings;
    stopAtGameStart = true;
    EnterTestRun({"7", "2", "5000", "500"}, [&] {
        ASSERT_TRUE(ini.open(QIODevice::ReadOnly));  // as the set-up dialog left it
        settings = ini.readAll();
        ini.close();
    });

    const QStringList names{"Genius", "Moron", "Normal", "Cautious", "Fearless", "Simple", "Random"};
    const std::vector<int> codes{6, 7, 1, 2, 3, 4, 5};
    const frmScorePad& pad = ScorePad();
    EXPECT_EQ(NumPlayers, 7);
    for (int seat = 0; seat < 7; ++seat) {
        EXPECT_EQ(PlayerName[seat], names[seat]);
        EXPECT_EQ(ComputerStyle[seat], codes[seat]);
        EXPECT_TRUE(IsComputer[seat] && pad.lblPlayer[seat]->font().italic());
        EXPECT_TRUE(PlayerScore[seat] == 0 && pad.lblScore[seat]->text() == "0");
    }
    EXPECT_EQ(pad.windowTitle(), " Game 1 of 7");
    EXPECT_TRUE(pad.isVisible() && ScorePadInUse);
    EXPECT_TRUE(CurPlayer == 0 && table.lblPlayer->text() == "Genius");
    EXPECT_TRUE(TurnState == "r" && TurnScore == 0 && table.lblTurnScore->text() == "0");
    EXPECT_EQ(table.lblStatus->text(), "Roll the dice.");
    EXPECT_FALSE(table.cmdPassDice->isEnabled());
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(table.picMarker[i]->isHidden());
        EXPECT_FALSE(table.Picture1[i]->HasPicture() || table.Picture1[10 + i]->HasPicture());
        EXPECT_TRUE(DiceCode[i] == "0" && !OnTable[i] && !TrayUsed[i]);
    }
    EXPECT_TRUE(FinalRoundStarter == NoSeat && !GameEnded && BotDone);
    EXPECT_EQ(platform::Twips(table.lblStatus->y()), 2700 + 180);
    EXPECT_TRUE(table.lblLastRoll->isHidden());
    EXPECT_FALSE(NewGameIfLoaded()->isVisible());
    EXPECT_TRUE(TestMode && SoundOff && !MarkScorersOn && !SortDiceOn && ComputerSpeed == 2);
    EXPECT_EQ(buttons(), buttonsBefore);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), settings);
}

// A score pad that existed before the run keeps its caption for the first game: its load step,
// which writes the first game's caption, has run before.
TEST_F(TestRunTest, ExistingPadKeepsItsCaptionForTheFirstGame) {
    ScorePad();
    stopAtGameStart = true;
    EnterTestRun({"7", "0", "5000", "500"});
    EXPECT_EQ(ScorePad().windowTitle(), " Score Pad");
}

// A series of seven games: the pad counts the games, with two blanks before the number from the
// second game on; after the seventh the report lists every seat's wins and the program ends.
TEST_F(TestRunTest, SevenGamesThenTheReport) {
    EnterTestRun({"7", "2", "5000", "500"});

    EXPECT_EQ(captions, (QStringList{" Game 1 of 7", " Game  2 of 7", " Game  3 of 7", " Game  4 of 7",
                                     " Game  5 of 7", " Game  6 of 7", " Game  7 of 7", " Score Pad"}));
    EXPECT_EQ(ScorePad().windowTitle(), " Score Pad");
    EXPECT_EQ(programEnded, 1);
    EXPECT_EQ(TestGamesPlayed, 8);
    EXPECT_EQ(std::accumulate(TestWins.begin(), TestWins.begin() + 7, 0), 7);
    EXPECT_EQ(TestWins[7], 0);

    QString expected = "Test Run Complete.\r\n\r\nPlayer\t\t# Wins\r\n---------\t\t-----------\r\n";
    const QStringList names{"Genius", "Moron", "Normal", "Cautious", "Fearless", "Simple", "Random"};
    for (int seat = 0; seat < 7; ++seat) expected += QString("%1:\t\t%2\r\n").arg(names[seat]).arg(TestWins[seat]);
    expected += "\r\nExiting...";
    ASSERT_FALSE(dialogs.shown.empty());
    const auto& report = dialogs.shown.back();
    EXPECT_EQ(report.kind, "MsgBox");
    EXPECT_EQ(report.text, expected);
    EXPECT_EQ(report.title, "OrvaneDravik3");
    EXPECT_EQ(report.buttons, platform::Buttons::OK);
    EXPECT_EQ(dialogs.Texts().count(expected), 1);
}
