// A whole game between two people, from Play to the end-of-game window and each of its answers,
// with the dice thrown by the real Roll action and taken by clicks on the table.
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "core/pushbutton.h"
#include "core/state.h"
#include "game_fixture.h"
#include "platform/controls.h"
#include "support/scripted_dice.h"
#include "table/frmMain.h"
#include "windows/frmNewGame.h"
#include "windows/frmScorePad.h"

class WholeGameTest : public GameTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        GameTest::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
        SortDiceOn = false;
    }
    // The seat to play throws these faces with the Roll button.
    void Throw(const std::vector<int>& faces) {
        ASSERT_TRUE(form().cmdRoll->isEnabled());
        dice.QueueThrow(faces, true);
        dice.Install();
        form().cmdRoll->click();
        EXPECT_EQ(dice.Remaining(), 0u);
    }
    void Take(int position) { QTest::mouseClick(form().Picture1[position], Qt::LeftButton); }
    void Pass() {
        ASSERT_TRUE(form().cmdPassDice->isEnabled());
        form().cmdPassDice->click();
    }
    ScriptedDice dice;
};

TEST_P(WholeGameTest, TwoPeoplePlayToTheEnd) {
    const QString answer = GetParam();
    StartTwoPeople();
    frmMain& table = form();
    const int statusHome = table.lblStatus->y();
    const frmScorePad& pad = ScorePad();
    ASSERT_EQ(CurPlayer, 0);
    EXPECT_EQ(table.lblPlayer->text(), "Ann");

    Throw({1, 1, 1, 3, 4, 6});  // three ones: 1000, the rest scores nothing
    Take(0);
    EXPECT_EQ(TurnScore, 1000);
    Pass();
    EXPECT_EQ(PlayerScore[0], 1000);
    EXPECT_EQ(pad.lblScore[0]->text(), "1000");
    EXPECT_EQ(table.lblPlayer->text(), "Bob");

    Throw({2, 3, 4, 6, 2, 3});  // nothing scores: the turn passes by itself
    EXPECT_EQ(CurPlayer, 0);
    EXPECT_EQ(PlayerScore[1], 0);
    EXPECT_EQ(table.lblStatus->text(), "Roll the dice.");

    const std::size_t boxesBefore = dialogs.shown.size();
    Throw({5, 5, 5, 5, 5, 5});  // six fives: 4000, and all six must be thrown again
    Take(3);
    Throw({1, 2, 3, 4, 6, 6});
    Take(0);
    EXPECT_EQ(TurnScore, 4100);
    AnswerCongrats(answer);
    QString setUpFirstName;
    if (answer == "cmdDifferentGame") {
        dialogs.modalScripts.push_back([&](QDialog& window) {
            auto& dialog = static_cast<frmNewGame&>(window);
            setUpFirstName = dialog.TxtPlayerName[0]->text();
            dialog.cmdCancel->click();
        });
    }
    Pass();  // Ann goes out with 5100
    ASSERT_GT(dialogs.shown.size(), boxesBefore);
    EXPECT_EQ(dialogs.shown[boxesBefore].text,
              "Ann has gone out.  Everybody else gets one more roll to try and beat 5100 points.");
    EXPECT_EQ(FinalRoundStarter, 0);
    EXPECT_EQ(table.lblLastRoll->text(), "(Last Roll - Need 5150 To Win)");
    EXPECT_EQ(CurPlayer, 1);

    Throw({1, 1, 1, 1, 1, 1});  // six ones: 8000
    Take(5);
    Throw({1, 2, 3, 4, 6, 6});
    Take(0);
    Pass();  // Bob's last turn brings the turn back to Ann: the game ends
    EXPECT_EQ(scoresAtEnd, (std::vector<int>{5100, 8100}));
    EXPECT_EQ(WinnerSeat, 1);
    EXPECT_EQ(congratsCaption, "Congratulations Bob !!!");
    EXPECT_EQ(congratsWinnerLine, "* Bob *");
    EXPECT_EQ(congratsBeeps, answer == "cmdQuit" ? 0 : 1);  // Quit does not beep
    EXPECT_FALSE(dice.Overrun());

    if (answer == "cmdSameGame") {
        // The same two people start again at once.
        EXPECT_EQ(CurPlayer, 0);
        EXPECT_FALSE(GameEnded);
        EXPECT_EQ(PlayerScore[0] + PlayerScore[1], 0);
        EXPECT_EQ(pad.lblScore[1]->text(), "0");
        EXPECT_EQ(table.lblPlayer->text(), "Ann");
        EXPECT_TRUE(table.cmdRoll->isEnabled());
        EXPECT_TRUE(table.lblLastRoll->isHidden());
        EXPECT_EQ(table.lblStatus->y(), statusHome);
    } else if (answer == "cmdDifferentGame") {
        EXPECT_EQ(setUpFirstName, "Player1");  // the saved defaults, not the last game
        EXPECT_EQ(CurPlayer, NoSeat);
        EXPECT_FALSE(table.ARCmdNewGame->isHidden());
        EXPECT_TRUE(table.cmdRoll->isHidden());
    } else {
        EXPECT_TRUE(Quitting);
        EXPECT_FALSE(table.isVisible());
        EXPECT_FALSE(pad.isVisible());
        for (const auto& box : dialogs.shown) EXPECT_NE(box.text, "Are you sure you want to quit the current game?");
    }
    EXPECT_EQ(DialogMessage, "");
}

INSTANTIATE_TEST_SUITE_P(EachAnswer, WholeGameTest,
                         ::testing::Values("cmdSameGame", "cmdDifferentGame", "cmdQuit"));
