// The end of a game: the winner, the margin, the end-of-game window and its three answers.
#include <QFont>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>

#include "core/numeric.h"
#include "core/pushbutton.h"
#include "core/state.h"
#include "game_fixture.h"
#include "platform/controls.h"
#include "platform/twips.h"
#include "table/frmMain.h"
#include "windows/frmCongrats.h"
#include "windows/frmScorePad.h"

namespace {

// The seats of a finished game, as they stand when the turn comes back to the seat that went out.
void FinishedGame(const std::vector<int>& scores, int wentOut) {
    NumPlayers = Byte(scores.size());
    for (int i = 0; i < 9; ++i) {
        PlayerScore[i] = i < int(scores.size()) ? Integer(scores[i]) : Integer(0);
        PlayerName[i] = QString("Seat%1").arg(i);
        IsComputer[i] = true;
    }
    CurPlayer = Byte(wentOut);
    FinalRoundStarter = Byte(wentOut);
}

// Records how many sounds had started at each pause.
class SoundClock : public platform::VirtualClock {
public:
    explicit SoundClock(const platform::RecordingSound& sound) : sound(sound) {}
    void Pause(int ms) override {
        startedAtPause.push_back(int(sound.played.size()));
        VirtualClock::Pause(ms);
    }
    const platform::RecordingSound& sound;
    std::vector<int> startedAtPause;
};

}  // namespace

class EndTest : public GameTest {
protected:
    // Ann goes out with 5000, Bob banks his last turn: the game ends.
    void PlayToTheEnd(int bobsLastTurn, const std::function<void(QDialog&)>& inTheWindow) {
        StartTwoPeople();
        dialogs.modalScripts.push_back(inTheWindow);
        statusTopBefore = form().lblStatus->y();
        Bank(5000);
        Bank(bobsLastTurn);
    }
    int statusTopBefore = 0;
};

// The seat that went out keeps the win on a tie; after it, seats are visited in turn order and
// only a strictly higher score takes the win; seats beyond the game never count.
TEST_F(EndTest, WinnerIsChosenInTurnOrderAfterTheSeatThatWentOut) {
    struct Case {
        std::vector<int> scores;
        int wentOut, winner;
    };
    const std::vector<Case> cases{
        {{5250, 5100, 5100}, 1, 0},
        {{5100, 5100, 5100}, 1, 1},
        {{5300, 4000, 5200, 5300}, 2, 3},
        {{5300, 5300, 5200}, 2, 0},
        {{1000, 5000, 5600, 5600, 200}, 1, 2},
        {{5000, 5000}, 1, 1},
        {{5050, 4000}, 0, 0},
    };
    for (const Case& c : cases) {
        FinishedGame(c.scores, c.wentOut);
        form().FinishGame();
        EXPECT_EQ(WinnerSeat, c.winner) << c.wentOut << " " << c.scores.size();
    }
    // A row left over from an earlier game with more seats never wins.
    FinishedGame({5000, 4000, 3000}, 0);
    PlayerScore[3] = 9000;
    PlayerScore[8] = 9999;
    form().FinishGame();
    EXPECT_EQ(WinnerSeat, 0);
}

// The margin is the best final score less the second best, 0 on a tie for the lead.
TEST_F(EndTest, WinningMargin) {
    struct Case {
        std::vector<int> scores;
        int margin;
    };
    const std::vector<Case> cases{
        {{10050, 9500, 850}, 550}, {{950, 5200}, 4250}, {{5100, 300, 5100}, 0},
        {{5000, 0}, 5000},         {{30000, 0, 29999, 12}, 1},
    };
    for (const Case& c : cases) {
        FinishedGame(c.scores, 0);
        EXPECT_EQ(form().GetWinningMargin(), c.margin) << c.scores[0];
    }
    FinishedGame({5200, 5000}, 0);
    PlayerScore[2] = 9000;  // not in this game
    EXPECT_EQ(form().GetWinningMargin(), 200);
}

// Esc does not close the end-of-game window; closed from outside it gives no answer, and the
// table stays finished: Roll and Pass shown but disabled, the status line blank and back in its
// place, no game running.
TEST_F(EndTest, TableIsLeftFinishedWhenTheWindowGivesNoAnswer) {
    bool stayedAfterEsc = false;
    PlayToTheEnd(100, [&](QDialog& window) {
        congratsCaption = window.windowTitle();
        congratsWinnerLine = static_cast<frmCongrats&>(window).lblWinner->text();
        QTest::keyClick(&window, Qt::Key_Escape);
        stayedAfterEsc = window.isVisible();
        window.close();
    });
    EXPECT_TRUE(stayedAfterEsc);
    EXPECT_FALSE(Quitting);
    frmMain& main = form();
    EXPECT_EQ(congratsCaption, "Congratulations Ann !!!");
    EXPECT_EQ(congratsWinnerLine, "* Ann *");
    EXPECT_EQ(CurPlayer, NoSeat);
    EXPECT_TRUE(GameEnded);
    EXPECT_FALSE(main.cmdRoll->isHidden() || main.cmdPassDice->isHidden());
    EXPECT_FALSE(main.cmdRoll->isEnabled() || main.cmdPassDice->isEnabled());
    EXPECT_TRUE(main.ARCmdNewGame->isHidden());
    EXPECT_EQ(main.lblStatus->text(), " ");
    EXPECT_EQ(main.lblPlayer->text(), " ");
    EXPECT_TRUE(main.lblLastRoll->isHidden());
    EXPECT_EQ(main.lblStatus->y(), statusTopBefore);
    EXPECT_EQ(FinalRoundStarter, 0);  // kept until the next game
    EXPECT_EQ(ScorePad().lblScore[0]->text(), "5000");
    EXPECT_EQ(DialogMessage, "");
}

// In a test run the win is counted and no window is shown.
TEST_F(EndTest, TestRunCountsTheWinWithoutTheWindow) {
    FinishedGame({3000, 5100, 6000}, 1);
    TestMode = true;
    TestGamesPlayed = TestGamesTotal = 7;  // the run's last game: its report follows
    TestWins[2] = 4;
    form().FinishGame();
    EXPECT_EQ(TestWins[2], 5);
    EXPECT_EQ(WinnerSeat, 2);
    ASSERT_EQ(dialogs.shown.size(), 1u);  // the report, and no end-of-game window
    EXPECT_EQ(dialogs.shown[0].kind, "MsgBox");
    EXPECT_EQ(clock.pauses, std::vector<int>{500});
    EXPECT_EQ(CurPlayer, NoSeat);
    EXPECT_TRUE(GameEnded);
}

// The window names the winner over the table, then plays the game-over sound half a second later.
TEST_F(EndTest, WindowCoversTheTableAndNamesTheWinner) {
    struct Case {
        QString name;
        bool soundOff;
        QString caption, line;
    };
    const std::vector<Case> cases{
        {"Player2", false, "Congratulations Player2 !!!", "* Player2 *"},
        {"", true, "Congratulations  !!!", "*  *"},
    };
    for (const Case& c : cases) {
        form().move(77, 33);
        FinishedGame({6000, 5000}, 1);
        PlayerName[0] = c.name;
        SoundOff = c.soundOff;
        sound.played.clear();
        SoundClock watch(sound);
        platform::SetClock(&watch);
        QRect covered;
        QColor lineColour;
        QFont lineFont;
        std::vector<quint32> buttonColours;
        dialogs.modalScripts.push_back([&](QDialog& window) {
            auto& congrats = static_cast<frmCongrats&>(window);
            covered = congrats.geometry();
            congratsCaption = congrats.windowTitle();
            congratsWinnerLine = congrats.lblWinner->text();
            lineColour = congrats.lblWinner->ForeColor();
            lineFont = congrats.lblWinner->font();
            for (ButtonPlus* b : {congrats.cmdSameGame, congrats.cmdDifferentGame, congrats.cmdQuit})
                buttonColours.push_back(b->BackColor());
        });
        form().FinishGame();
        platform::SetClock(&clock);
        SCOPED_TRACE(c.caption.toStdString());
        EXPECT_EQ(covered, form().geometry());
        EXPECT_EQ(congratsCaption, c.caption);
        EXPECT_EQ(congratsWinnerLine, c.line);
        EXPECT_EQ(lineColour, QColor(255, 255, 0));
        EXPECT_TRUE(lineFont.bold());
        EXPECT_DOUBLE_EQ(lineFont.pointSizeF(), 14.25);
        EXPECT_EQ(buttonColours, std::vector<quint32>(3, ButtonFaceColor));
        EXPECT_EQ(watch.pauses, (std::vector<int>{500, 500}));
        EXPECT_EQ(watch.startedAtPause, (std::vector<int>{0, 0}));  // nothing before the window's wait
        EXPECT_EQ(sound.played, c.soundOff ? QStringList{} : QStringList{gameOver});
    }
    SoundOff = false;
}

// A double click on the window's ground tells the table's size; on the heading it does nothing.
TEST_F(EndTest, DoubleClickTellsTheTablesSize) {
    FinishedGame({6000, 5000}, 1);
    dialogs.modalScripts.push_back([](QDialog& window) {
        auto& congrats = static_cast<frmCongrats&>(window);
        QTest::mouseDClick(congrats.Image1, Qt::LeftButton);
        QTest::mouseDClick(congrats.picBackground, Qt::LeftButton, {}, QPoint(20, 300));
        congrats.cmdQuit->click();
    });
    form().FinishGame();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, QString("frmMain.Height = %1\nfrmMain.Width = %2")
                                         .arg(platform::Twips(form().frameGeometry().height()))
                                         .arg(platform::Twips(form().frameGeometry().width())));
    // The outer size: at least the table's designed client area.
    const QStringList lines = dialogs.shown[1].text.split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_GE(lines[0].section("= ", 1).toInt(), 7695);
    EXPECT_GE(lines[1].section("= ", 1).toInt(), 5865);
    EXPECT_EQ(dialogs.shown[1].title, "OrvaneDravik3");
}

