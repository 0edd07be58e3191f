// Passing the dice: banking, Dravik passes, going out, the last turns and the next seat.
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QRadioButton>

#include "core/numeric.h"
#include "core/pushbutton.h"
#include "core/state.h"
#include "game_fixture.h"
#include "platform/controls.h"
#include "platform/twips.h"
#include "support/scripted_dice.h"
#include "table/frmMain.h"
#include "windows/frmNewGame.h"
#include "windows/frmScorePad.h"

namespace {

const QColor Red = ColorFromNumber(0xFF);
const QColor Navy = ColorFromNumber(0x800000);

bool markedAsCurrent(const frmScorePad& pad, int seat) {
    return pad.lblPlayer[seat]->ForeColor() == Red && pad.lblScore[seat]->ForeColor() == Red &&
           pad.lblPlayer[seat]->font().bold() && pad.lblScore[seat]->font().bold();
}
bool markedAsWaiting(const frmScorePad& pad, int seat) {
    return pad.lblPlayer[seat]->ForeColor() == Navy && pad.lblScore[seat]->ForeColor() == Navy &&
           !pad.lblPlayer[seat]->font().bold() && !pad.lblScore[seat]->font().bold();
}

// Records what the last-roll line and Roll show at every yield and pause, and can act at a yield.
class FlashClock : public platform::VirtualClock {
public:
    void Yield() override {
        if (table) {
            steps << "yield:" + table->lblLastRoll->text();
            rollEnabledAtYield.push_back(table->cmdRoll->isEnabled());
        }
        if (atFirstYield) std::exchange(atFirstYield, nullptr)();
        VirtualClock::Yield();
    }
    void Pause(int ms) override {
        steps << QString("+%1").arg(ms);
        VirtualClock::Pause(ms);
    }
    frmMain* table = nullptr;
    QStringList steps;
    std::vector<bool> rollEnabledAtYield;
    std::function<void()> atFirstYield;
};

}  // namespace

class PassTest : public GameTest {
protected:
    // People named by the list, seat 0 to play; goal 5000, break-in 500.
    void StartPeople(const std::vector<QString>& names) {
        StartFromDialog([&](frmNewGame& dialog) {
            std::vector<std::pair<QString, int>> rows;
            for (const QString& name : names) rows.push_back({name, -1});
            SetRows(dialog, rows);
            dialog.optPlayTo[0]->click();
            dialog.optBreakIn[0]->click();
            dialog.cmdPlay->click();
        });
        clock.ClearRecord();
        clock.Advance(5000);  // a sound of an earlier game has ended
        sound.played.clear();
        sound.beeps = 0;
        dialogs.shown.clear();
    }
    // Makes a seat a computer seat whose player never acts on its own.
    static void Sleeper(int seat) {
        IsComputer[seat] = true;
        ComputerStyle[seat] = 0;
    }
    // Lays dice on the table and in the set-aside row as a turn would have left them.
    void LayDice() {
        for (int i = 0; i < 6; ++i) {
            OnTable[i] = i < 3;
            TrayUsed[i] = i >= 3;
            DiceCode[i] = i < 3 ? "5" : "99";
            TableFace[i] = i < 3 ? 5 : 0;
            TrayFace[i] = i >= 3 ? 1 : 0;
            form().DrawDie(i, 5);
            form().DrawDie(10 + i, 1);
            form().picMarker[i]->show();
        }
        form().pctDivider->show();
    }
    int statusTop() { return platform::Twips(form().lblStatus->y()); }
};

// A bank adds the turn score, writes it on the pad, clears the table and hands the dice on.
TEST_F(PassTest, BankingPassBanksAndHandsTheDiceOn) {
    StartPeople({"Ann", "Bob"});
    LayDice();
    TurnState = "rsp";
    Bank(650);
    frmMain& main = form();
    const frmScorePad& pad = ScorePad();
    EXPECT_EQ(PlayerScore[0], 650);
    EXPECT_EQ(pad.lblScore[0]->text(), "650");
    EXPECT_TRUE(markedAsWaiting(pad, 0));
    EXPECT_TRUE(markedAsCurrent(pad, 1));
    EXPECT_EQ(CurPlayer, 1);
    EXPECT_EQ(TurnState, "r");
    EXPECT_EQ(TurnScore, 0);
    EXPECT_EQ(main.lblTurnScore->text(), "0");
    EXPECT_EQ(main.lblPlayer->text(), "Bob");
    EXPECT_EQ(main.lblStatus->text(), "Roll the dice.");
    EXPECT_TRUE(main.cmdRoll->isEnabled());
    EXPECT_FALSE(main.cmdPassDice->isEnabled());
    EXPECT_TRUE(main.pctDivider->isHidden());
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(OnTable[i] || TrayUsed[i]) << i;
        EXPECT_EQ(DiceCode[i], "0");
        EXPECT_EQ(TableFace[i] + TrayFace[i], 0);
        EXPECT_FALSE(main.Picture1[i]->HasPicture() || main.Picture1[10 + i]->HasPicture()) << i;
        EXPECT_TRUE(main.picMarker[i]->isHidden());
    }
    EXPECT_EQ(sound.played, QStringList{passWithPoints});
    EXPECT_EQ(clock.pauses, std::vector<int>{1000});
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(main.lblLastRoll->isHidden());
}

// Either kind of pass hands the dice on; it waits after its sound below Ridiculous speed, and
// before a computer's turn at Normal speed. A pass after a Dravik banks nothing.
TEST_F(PassTest, PausesFollowTheSpeed) {
    struct Case {
        int speed;
        bool nextIsComputer, dravik;
        std::vector<int> pauses;
    };
    const std::vector<Case> cases{
        {0, false, false, {1000}}, {0, true, false, {1000, 1000}}, {1, true, false, {1000}},
        {2, true, false, {}},      {2, false, true, {}},           {1, false, true, {1000}},
        {0, true, true, {1000, 1000}},
    };
    for (const Case& c : cases) {
        StartPeople({"Ann", "Bob"});
        if (c.nextIsComputer) Sleeper(1);
        ComputerSpeed = Byte(c.speed);
        PlayerScore[0] = 700;
        if (c.dravik) PassDravik();  // banks nothing and leaves the pad alone
        else Bank(500);
        EXPECT_EQ(clock.pauses, c.pauses) << c.speed << c.nextIsComputer << c.dravik;
        EXPECT_EQ(PlayerScore[0], c.dravik ? 700 : 1200);
        EXPECT_EQ(ScorePad().lblScore[0]->text(), c.dravik ? "0" : "1200");
        EXPECT_EQ(sound.played, QStringList{c.dravik ? passWithout : passWithPoints});
        EXPECT_EQ(CurPlayer, 1);
        EXPECT_EQ(TurnState, "r");
        EXPECT_EQ(form().cmdRoll->isEnabled(), !c.nextIsComputer);
        EXPECT_EQ(form().lblStatus->text(), "Roll the dice.");
    }
}

// Wrapping round: after the last seat comes seat 0.
TEST_F(PassTest, TurnsGoRoundTheTable) {
    StartPeople({"A", "B", "C"});
    QString order;
    for (int pass = 0; pass < 7; ++pass) {
        PassDravik();
        order += QString::number(CurPlayer);
    }
    EXPECT_EQ(order, "1201201");
    EXPECT_TRUE(markedAsCurrent(ScorePad(), 1));
    EXPECT_TRUE(markedAsWaiting(ScorePad(), 0) && markedAsWaiting(ScorePad(), 2));
}

// Reaching the goal exactly goes out; 50 short does not. Going out plays its sound after the
// pass sound, tells the people at the table and raises the status line for the last-roll line.
TEST_F(PassTest, ReachingTheGoalGoesOut) {
    struct Case {
        int before, bank;
        bool out;
    };
    for (const Case& c : std::vector<Case>{{4500, 500, true}, {4500, 450, false}, {0, 5000, true}}) {
        StartPeople({"Ann", "Bob"});
        const int top = statusTop();
        PlayerScore[0] = Integer(c.before);
        Bank(c.bank);
        SCOPED_TRACE(c.before + c.bank);
        EXPECT_EQ(FinalRoundStarter, c.out ? 0 : NoSeat);
        EXPECT_EQ(form().lblLastRoll->isHidden(), !c.out);
        EXPECT_EQ(statusTop(), c.out ? top - 180 : top);
        if (c.out) {
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_EQ(dialogs.shown[0].text, QString("Ann has gone out.  Everybody else gets one more roll to try "
                                                     "and beat %1 points.")
                                                 .arg(c.before + c.bank));
            EXPECT_EQ(dialogs.shown[0].title, "OrvaneDravik3");
            EXPECT_EQ(dialogs.shown[0].buttons, platform::Buttons::OK);
            EXPECT_EQ(dialogs.shown[0].icon, platform::Icon::None);
            EXPECT_EQ(sound.played, (QStringList{passWithPoints, overTop}));
            EXPECT_EQ(form().lblLastRoll->text(), QString("(Last Roll - Need %1 To Win)").arg(c.before + c.bank + 50));
        } else {
            EXPECT_TRUE(dialogs.shown.empty());
            EXPECT_EQ(sound.played, QStringList{passWithPoints});
        }
        form().lblLastRoll->hide();  // so that the next game's table starts even
        form().lblStatus->move(form().lblStatus->x(), platform::Px(top));
    }
}

// At Ridiculous speed the going-out sound comes while the pass sound still plays, and is not heard.
TEST_F(PassTest, GoingOutSoundIsDroppedWhileThePassSoundPlays) {
    StartPeople({"Ann", "Bob"});
    ComputerSpeed = 2;
    Bank(5000);
    EXPECT_EQ(FinalRoundStarter, 0);
    EXPECT_EQ(sound.played, QStringList{passWithPoints});
}

// With only computers at the table nobody is told, but the last-roll line still shows.
TEST_F(PassTest, ComputersGoOutWithoutAMessage) {
    StartPeople({"Ann", "Bob", "Cy"});
    for (int seat : {0, 1, 2}) Sleeper(seat);
    ComputerSpeed = 2;
    const int top = statusTop();
    Bank(5100);
    EXPECT_EQ(FinalRoundStarter, 0);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(form().lblLastRoll->isHidden());
    EXPECT_EQ(statusTop(), top - 180);
    EXPECT_EQ(form().lblLastRoll->text(), "(Last Roll - Need 5150 To Take The Lead)");
    EXPECT_TRUE(clock.pauses.empty());  // no flash for a computer seat
}

// The last turns of three people: each is shown what it needs three times, with a beep each,
// and the turn coming back to the seat that went out ends the game.
TEST_F(PassTest, LastTurnsOfThreeSeats) {
    StartPeople({"Ann", "Bob", "Cy"});
    FlashClock flash;
    flash.table = &form();
    platform::SetClock(&flash);
    PlayerScore[0] = 4650;
    Bank(500);  // Ann goes out with 5150
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "Ann has gone out.  Everybody else gets one more roll to try and beat 5150 points.");
    const QString bobNeeds = "(Last Roll - Need 5200 To Take The Lead)";
    EXPECT_EQ(flash.steps, (QStringList{"+1000", "yield:" + bobNeeds, "+200", "yield:", "+200",
                                        "yield:" + bobNeeds, "+200", "yield:", "+200", "yield:" + bobNeeds}));
    EXPECT_EQ(flash.rollEnabledAtYield, std::vector<bool>(5, false));  // no throw inside the pass
    EXPECT_EQ(sound.beeps, 3);
    EXPECT_EQ(form().lblLastRoll->text(), bobNeeds);
    EXPECT_EQ(form().lblStatus->text(), "Roll the dice.");
    EXPECT_TRUE(form().cmdRoll->isEnabled());

    flash.steps.clear();
    Bank(5300);  // Bob takes the lead, but Ann stays the one who went out
    EXPECT_EQ(FinalRoundStarter, 0);
    const QString cyNeeds = "(Last Roll - Need 5350 To Take The Lead)";
    EXPECT_EQ(flash.steps.mid(0, 2), (QStringList{"+1000", "yield:" + cyNeeds}));
    EXPECT_EQ(sound.beeps, 6);

    PlayerScore[2] = 200;
    dialogs.shown.clear();
    flash.steps.clear();
    PassDravik();  // Cy busts: back to Ann, and the game ends
    EXPECT_EQ(flash.steps, (QStringList{"+1000", "+500", "+500"}));  // the end, then the end-of-game window
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "frmCongrats");
    EXPECT_EQ(WinnerSeat, 1);
    EXPECT_EQ(CurPlayer, NoSeat);
    EXPECT_NE(form().lblStatus->text(), "Roll the dice.");
    platform::SetClock(&clock);
}

// Without a person to play or in a test run there is no flash; sound off keeps the beeps quiet.
TEST_F(PassTest, FlashOnlyForAPersonOutsideTheTestRun) {
    struct Case {
        bool computer, testMode, soundOff;
        int pauses200, beeps;
    };
    for (const Case& c : std::vector<Case>{{false, false, false, 4, 3}, {false, false, true, 4, 0},
                                           {true, false, false, 0, 0}, {false, true, false, 0, 0}}) {
        StartPeople({"Ann", "Bob"});
        if (c.computer) Sleeper(1);
        TestMode = c.testMode;
        SoundOff = c.soundOff;
        sound.beeps = 0;
        Bank(5000);
        EXPECT_EQ(std::count(clock.pauses.begin(), clock.pauses.end(), 200), c.pauses200);
        EXPECT_EQ(sound.beeps, c.beeps);
        TestMode = false;
        SoundOff = false;
        CurPlayer = NoSeat;
    }
}

// A new game started from the menu while the last-roll line flashes owns the table: the old
// pass stops flashing and leaves the new game's table as it finds it.
TEST_F(PassTest, NewGameStartedDuringTheFlashOwnsTheTable) {
    StartPeople({"Ann", "Bob"});
    FlashClock flash;
    flash.table = &form();
    flash.atFirstYield = [this] {
        dialogs.modalScripts.push_back([](QDialog& window) {
            auto& dialog = static_cast<frmNewGame&>(window);
            SetRows(dialog, {{"Max", -1}, {"Ida", -1}});
            dialog.cmdPlay->click();
        });
        form().mnuNewGame_Click();  // answered Yes
        // What the new game shows by now is its own business.
        form().lblStatus->SetCaption("Max to play");
        form().cmdRoll->setEnabled(false);
    };
    platform::SetClock(&flash);
    Bank(5000);
    platform::SetClock(&clock);
    EXPECT_EQ(PlayerName[0], "Max");
    EXPECT_EQ(CurPlayer, 0);
    EXPECT_EQ(FinalRoundStarter, NoSeat);
    EXPECT_TRUE(form().lblLastRoll->isHidden());
    EXPECT_EQ(form().lblStatus->text(), "Max to play");
    EXPECT_FALSE(form().cmdRoll->isEnabled());
    EXPECT_EQ(flash.steps.filter("+").join(","), "+1000");
    EXPECT_EQ(sound.beeps, 2);  // the flash's first showing, the quit question's beep
}

// The options panel opened at the flash's first beep and closed with Save or Cancel, while the
// line still flashes or after it: Roll waits for the end of the flash and then stays on, so
// the person to play can throw. The same when a computer seat passes to a person while the
// panel is open.
TEST_F(PassTest, OptionsOpenedDuringTheFlashLeaveRollToTheTurn) {
    enum class Closed { AfterTheFlash, DuringTheFlash, AfterAComputerPass };
    struct Case {
        const char* what;
        bool save;
        Closed closed;
    };
    const Case cases[] = {{"Cancel after the flash", false, Closed::AfterTheFlash},
                          {"Save after the flash", true, Closed::AfterTheFlash},
                          {"Cancel during the flash", false, Closed::DuringTheFlash},
                          {"Save during the flash", true, Closed::DuringTheFlash},
                          {"Cancel after a computer passed", false, Closed::AfterAComputerPass}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StartPeople({"Ann", "Bob"});
        const auto close = [&] { (c.save ? form().ARCmdSaveOptions : form().ARCmdCancelOptions)->click(); };
        FlashClock flash;
        flash.table = &form();
        platform::SetClock(&flash);
        if (c.closed == Closed::AfterAComputerPass) {
            Sleeper(0);
            form().cmdRoll->setEnabled(false);
            form().cmdOptions->click();
            Bank(300);  // to Bob, no flash
        } else {
            flash.atFirstYield = [&] {
                form().cmdOptions->click();
                if (c.closed == Closed::DuringTheFlash) flash.atFirstYield = close;  // at the flash's next yield
            };
            Bank(5000);  // Ann goes out: Bob's last turn begins with the flash
        }
        platform::SetClock(&clock);
        EXPECT_EQ(std::count(flash.rollEnabledAtYield.begin(), flash.rollEnabledAtYield.end(), true), 0);
        if (c.closed != Closed::DuringTheFlash) close();
        EXPECT_FALSE(OptionsOpen);
        EXPECT_EQ(form().lblStatus->text(), "Roll the dice.");
        EXPECT_TRUE(form().cmdRoll->isEnabled());

        ScriptedDice dice;
        dice.QueueThrow({1, 2, 3, 4, 6, 6}, true);
        dice.Install();
        form().cmdRoll->click();
        EXPECT_EQ(dice.Remaining(), 0u);
        EXPECT_EQ(TurnState, "s");
        EXPECT_EQ(form().lblStatus->text(), "Select Dice.");

        if (!form().lblLastRoll->isHidden()) {  // so that the next game's table starts even
            form().lblLastRoll->hide();
            form().lblStatus->move(form().lblStatus->x(), form().lblStatus->y() + platform::Px(180));
        }
    }
}

// Scores are 16-bit: a bank beyond 32767 stops there.
TEST_F(PassTest, BankStopsAtTheLargestScore) {
    StartPeople({"Ann", "Bob"});
    PlayToScore = 32767;
    FinalRoundStarter = 1;
    PlayerScore[0] = 32000;
    Bank(1500);
    EXPECT_EQ(PlayerScore[0], 32767);
    EXPECT_EQ(ScorePad().lblScore[0]->text(), "32767");
}

// A pass with no game running (a computer turn unwinding after the end) changes nothing.
TEST_F(PassTest, PassWithoutAGameDoesNothing) {
    StartPeople({"Ann", "Bob"});
    CurPlayer = NoSeat;
    Bank(500);
    EXPECT_EQ(PlayerScore[0], 0);
    EXPECT_TRUE(sound.played.isEmpty());
    EXPECT_TRUE(clock.pauses.empty());
    EXPECT_EQ(CurPlayer, NoSeat);
}
