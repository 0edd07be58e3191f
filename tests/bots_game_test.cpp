// A whole game between computer seats of all seven styles, at each speed, on the virtual clock.
#include <QRadioButton>
#include <QTest>
#include <algorithm>

#include "bots_fixture.h"
#include "core/pushbutton.h"
#include "core/state.h"
#include "game_fixture.h"
#include "platform/controls.h"
#include "platform/random.h"
#include "table/frmMain.h"
#include "windows/frmNewGame.h"
#include "windows/frmScorePad.h"

namespace {
// Counts the computer turns: each disables the table tray when it begins.
class TurnCounter : public QObject {
public:
    int turns = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange && !static_cast<QWidget*>(watched)->isEnabled()) ++turns;
        return false;
    }
};
}  // namespace

class ComputerGameTest : public GameTest, public ::testing::WithParamInterface<int> {
protected:
    HookedClock hooked;
    long yields = 0;
};

// Seven computer seats play a game to 5000 inside the set-up dialog's Play, with the pauses of the
// speed: at Normal a second after every throw, at every pass and before every computer turn but
// the first; at Fast the pass's second only; at Ridiculous none but the scoreless throws' 20 ms
// and the two half seconds at the end of the game.
TEST_P(ComputerGameTest, SevenStylesPlayAWholeGame) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form()));
    hooked.atYield = [this] { Quitting = Quitting || ++yields > 2000000; };  // a game that never ends
    platform::SetClock(&hooked);
    ThrowCounter throws;
    TurnCounter turns;
    form().lblStatus->installEventFilter(&throws);
    form().picTray1->installEventFilter(&turns);
    platform::Randomize(4711);
    ComputerSpeed = Byte(GetParam());

    StartFromDialog([](frmNewGame& dialog) {
        SetRows(dialog, {{"Normal", 0}, {"Cautious", 1}, {"Fearless", 2}, {"Simple", 3}, {"Random", 4},
                         {"Genius", 5}, {"Moron", 6}});
        dialog.optPlayTo[0]->click();
        dialog.optBreakIn[0]->click();
        dialog.cmdPlay->click();
    });

    ASSERT_FALSE(Quitting);
    EXPECT_TRUE(CurPlayer == NoSeat && GameEnded);
    EXPECT_EQ(dialogs.Texts().count("frmCongrats"), 1);
    const Integer best = *std::max_element(PlayerScore.begin(), PlayerScore.begin() + 7);
    EXPECT_GE(best, 5000);
    EXPECT_EQ(PlayerScore[WinnerSeat], best);
    for (int seat = 0; seat < 7; ++seat) EXPECT_EQ(ScorePad().lblScore[seat]->text(), QString::number(PlayerScore[seat]));
    EXPECT_GT(turns.turns, 7);

    const auto count = [&](int ms) { return long(std::count(hooked.pauses.begin(), hooked.pauses.end(), ms)); };
    if (GetParam() == 0) EXPECT_EQ(count(1000), throws.throws + 2L * turns.turns - 1);
    if (GetParam() == 1) EXPECT_EQ(count(1000), turns.turns);
    if (GetParam() == 2) {
        EXPECT_EQ(count(500), 2);
        EXPECT_EQ(count(500) + count(20), long(hooked.pauses.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(EachSpeed, ComputerGameTest, ::testing::Values(0, 1, 2));
