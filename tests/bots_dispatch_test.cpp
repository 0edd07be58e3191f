// The style dispatch: which player a seat's style code starts, Random's draw and Genius's
// choice at every turn, and codes that start nothing.
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <random>

#include "bots_fixture.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/random.h"
#include "table/frmMain.h"

class DispatchTest : public BotTest {
protected:
    // The player the dispatch starts for seat 0, told apart by its first moves from laid turns:
    // "rs" with four and with three dice up (no turn score yet), and "rp" with five up and 400.
    QString PlaysAs(bool withBankProbe = true) {
        const Integer banked = PlayerScore[0];
        auto probe = [&](const char* state, const std::vector<int>& table, int turnScore) {
            Lay(state, table, turnScore, banked);
            Script(NoScore(int(table.size())));
            if (randomDraw) {  // the dispatch's draw first, then any the throw wants
                random = std::make_unique<Draws>();
                random->queued = {*randomDraw};
                random->Install();
            }
            const QString move = FirstMove().section(' ', 0, 0);
            PlayerScore[0] = banked;
            return move;
        };
        const QString four = probe("rs", {5, 2, 3, 4}, 0);
        const QString three = probe("rs", {5, 2, 3}, 0);
        const QString bank = withBankProbe ? probe("rp", NoScore(5), 400) : QString("threw");
        const std::map<QStringList, QString> players{
            {{"took", "took", "threw"}, "Cautious"}, {{"threw", "took", "threw"}, "Normal"},
            {{"threw", "threw", "threw"}, "Fearless"}, {{"took", "took", "banked"}, "Simple"},
            {{"threw", "threw", "banked"}, "Moron"},
        };
        const auto found = players.find({four, three, bank});
        return found == players.end() ? QString("%1 %2 %3").arg(four, three, bank) : found->second;
    }

    // Draws handed out in order, then any from a fixed generator; counts them all.
    struct Draws {
        std::deque<double> queued;
        std::mt19937 rest{7};
        int taken = 0;
        void Install() {
            platform::SetRandomSource([this] {
                ++taken;
                if (queued.empty()) return std::uniform_real_distribution<double>(0.0, 1.0)(rest);
                const double x = queued.front();
                queued.pop_front();
                return x;
            });
        }
    };
    std::unique_ptr<Draws> random;
    std::optional<double> randomDraw;  // Random's draw at each turn of PlaysAs
};

// Codes 1, 2, 3, 4 and 7 start their own player.
TEST_F(DispatchTest, CodesStartTheirPlayers) {
    const std::vector<std::pair<Byte, QString>> cases{
        {1, "Normal"}, {2, "Cautious"}, {3, "Fearless"}, {4, "Simple"}, {7, "Moron"}};
    for (const auto& [code, player] : cases) {
        SCOPED_TRACE(int(code));
        Seat(code);
        EXPECT_EQ(PlaysAs(), player);
    }
}

// A code that names no style (0: never set) starts no turn: nothing moves, waits or draws.
TEST_F(DispatchTest, OtherCodesStartNothing) {
    for (int code : {0, 8, 99, 255}) {
        SCOPED_TRACE(code);
        Seat(Byte(code));
        Lay("r", NoScore(6), 0);
        random = std::make_unique<Draws>();
        random->Install();
        botClock.ClearRecord();
        EXPECT_EQ(FirstMove(), "nothing");
        EXPECT_EQ(yields, 0);
        EXPECT_TRUE(botClock.pauses.empty());
        EXPECT_EQ(random->taken, 0);
        EXPECT_EQ(TurnState, "r");
        EXPECT_TRUE(BotDone);
        EXPECT_TRUE(form().picTray1->isEnabled());
    }
}

// Genius plays Fearless when more than 1000 behind the best other seat of the game, Cautious
// when more than 1000 ahead of it, and Normal otherwise.
TEST_F(DispatchTest, GeniusChoosesByTheGapToTheBestOtherSeat) {
    struct Case {
        const char* name;
        int own;
        std::vector<int> others;  // seats 1, 2, 3
        int players;
        QString player;
    };
    const std::vector<Case> cases{
        {"game start", 0, {0, 0, 0}, 4, "Normal"},
        {"1001 behind", 0, {1001, 0, 0}, 4, "Fearless"},
        {"1000 behind", 0, {1000, 0, 0}, 4, "Normal"},
        {"1001 ahead", 2001, {1000, 0, 0}, 4, "Cautious"},
        {"1000 ahead", 2000, {1000, 0, 0}, 4, "Normal"},
        {"the best of the others counts", 3000, {1500, 1999, 500}, 4, "Cautious"},
        {"its own score is not the best other", 5000, {3000, 3999, 0}, 4, "Cautious"},
        {"a seat beyond the game does not count", 500, {0, 0, 9000}, 3, "Normal"},
        {"behind a later seat", 1000, {0, 0, 2500}, 4, "Fearless"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Seat(Genius);
        NumPlayers = Byte(c.players);
        for (int seat = 1; seat <= 3; ++seat) PlayerScore[seat] = Integer(c.others[seat - 1]);
        PlayerScore[0] = Integer(c.own);
        EXPECT_EQ(PlaysAs(false), c.player);
    }
}

// Random draws one number at every turn of the seat, r = Int(x * 3) + 1 in single precision:
// 1 Normal, 2 Cautious, 3 Fearless. The same seat so plays its turns in different styles.
TEST_F(DispatchTest, RandomDrawsAtEveryTurn) {
    const std::vector<std::pair<double, QString>> cases{
        {0.0, "Normal"},       {0.3333333, "Normal"},    {0.33333334, "Cautious"}, {0.5, "Cautious"},
        {0.6666666, "Cautious"}, {0.6666667, "Fearless"}, {0.9, "Fearless"},
        {0.99999999, "Fearless"},  // rounds to 1 as a single
    };
    Seat(Random);
    for (const auto& [x, player] : cases) {
        SCOPED_TRACE(x);
        randomDraw = x;
        EXPECT_EQ(PlaysAs(false), player);
    }

    // One draw per turn: a turn that throws nothing takes exactly one number.
    randomDraw.reset();
    random = std::make_unique<Draws>();
    random->queued = {0.5};
    random->Install();
    Lay("rs", {5, 2, 3, 4}, 0);
    EXPECT_EQ(FirstMove(), "took 5");
    EXPECT_EQ(random->taken, 1);
}
