// The style dispatch: the player each style code starts, with Random's draw and Genius's choice
// made afresh at every turn, and the turns that start nothing.
#include <deque>
#include <map>
#include <random>

#include "bots_fixture.h"
#include "core/state.h"
#include "platform/controls.h"
#include "platform/random.h"
#include "table/frmMain.h"

class DispatchTest : public BotTest {
protected:
    void SetUp() override {
        BotTest::SetUp();
        platform::SetRandomSource([this] {
            ++drawn;
            if (draws.empty()) return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
            const double x = draws.front();
            draws.pop_front();
            return x;
        });
    }
    // The player the dispatch starts, told apart by its first moves in three turns: "rs" with four
    // and with three dice up (no turn score yet, which Genius would count), and "rp" with 400 after
    // a first bank (where every threshold player throws). `draw` is each dispatch's first number.
    QString PlaysAs(double draw = 0.5) {
        const Integer own = PlayerScore[0];
        auto probe = [&](const char* state, const std::vector<int>& table, int turnScore, int banked) {
            Lay(state, table, turnScore, banked);
            draws = {draw};
            const QString move = FirstMove().section(' ', 0, 0);
            PlayerScore[0] = own;
            return move;
        };
        const QStringList moves{probe("rs", {5, 2, 3, 4}, 0, own), probe("rs", {5, 2, 3}, 0, own),
                                probe("rp", NoScore(5), 400, 1000)};
        const std::map<QStringList, QString> players{
            {{"took", "took", "threw"}, "Cautious"}, {{"threw", "took", "threw"}, "Normal"},
            {{"threw", "threw", "threw"}, "Fearless"}, {{"took", "took", "banked"}, "Simple"},
            {{"threw", "threw", "banked"}, "Moron"}};
        return players.count(moves) ? players.at(moves) : moves.join(' ');
    }

    std::deque<double> draws;
    std::mt19937 generator{7};
    int drawn = 0;
};

// Codes 1 to 7. Random: r = Int(x * 3) + 1 in single precision, 1 Normal, 2 Cautious,
// 3 Fearless. Genius: Fearless more than 1000 behind the best other seat of the game, Cautious
// more than 1000 ahead of it, else Normal. The same seat so changes its style from turn to turn.
TEST_F(DispatchTest, EachCodeStartsItsPlayer) {
    struct Case {
        Byte code;
        double draw;
        int own;
        std::vector<int> others;  // seats 1 to 3
        QString player;
    };
    const std::vector<Case> cases{
        {1, 0.5, 0, {}, "Normal"},
        {2, 0.5, 0, {}, "Cautious"},
        {3, 0.5, 0, {}, "Fearless"},
        {4, 0.5, 0, {}, "Simple"},
        {7, 0.5, 0, {}, "Moron"},
        {Random, 0.3333333, 0, {}, "Normal"},
        {Random, 0.33333334, 0, {}, "Cautious"},
        {Random, 0.6666666, 0, {}, "Cautious"},
        {Random, 0.6666667, 0, {}, "Fearless"},
        {Random, 0.99999999, 0, {}, "Fearless"},  // a single rounds it to 1
        {Genius, 0.5, 0, {0, 0, 0}, "Normal"},
        {Genius, 0.5, 0, {1001, 0, 0}, "Fearless"},
        {Genius, 0.5, 0, {1000, 0, 0}, "Normal"},
        {Genius, 0.5, 2001, {1000, 0, 0}, "Cautious"},
        {Genius, 0.5, 3000, {1500, 1999, 500}, "Cautious"},
        {Genius, 0.5, 5000, {3000, 3999, 0}, "Cautious"},  // its own score is not the best other
        {Genius, 0.5, 1000, {0, 0, 2500}, "Fearless"},
    };
    NumPlayers = 4;
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("code %1, draw %2, own %3").arg(c.code).arg(c.draw).arg(c.own).toStdString());
        Seat(c.code);
        for (int seat = 1; seat <= 3; ++seat) PlayerScore[seat] = Integer(c.others.empty() ? 0 : c.others[seat - 1]);
        PlayerScore[0] = Integer(c.own);
        EXPECT_EQ(PlaysAs(c.draw), c.player);
    }
    // Random draws one number per turn: a turn that throws nothing takes exactly one.
    Seat(Random);
    Lay("rs", {5, 2, 3, 4}, 0);
    draws = {0.5};
    drawn = 0;
    EXPECT_EQ(FirstMove(), "took 5");
    EXPECT_EQ(drawn, 1);
}

// No turn starts for a code that names no style (0: never set), nor while the program closes:
// nothing moves, waits, yields or draws.
TEST_F(DispatchTest, TurnsThatStartNothing) {
    for (const auto& [code, closing] : std::vector<std::pair<int, bool>>{
             {0, false}, {8, false}, {255, false}, {Normal, true}, {Cautious, true}, {Fearless, true},
             {Simple, true}, {Random, true}, {Genius, true}, {Moron, true}}) {
        SCOPED_TRACE(code);
        Seat(Byte(code));
        Lay("r", NoScore(6), 0);
        Quitting = closing;
        botClock.ClearRecord();
        drawn = 0;
        EXPECT_TRUE(WholeTurn().isEmpty());
        EXPECT_EQ(yields, 0);
        EXPECT_TRUE(botClock.pauses.empty());
        EXPECT_EQ(drawn, code == Random ? 1 : 0);
        EXPECT_EQ(TurnState, "r");
        EXPECT_TRUE(BotDone && form().picTray1->isEnabled());
    }
}
