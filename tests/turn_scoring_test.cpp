// Scoring codes of a throw and the points of every code.
#include <gtest/gtest.h>

#include <QStringList>

#include "table/scoring.h"

namespace {

struct Throw {
    std::vector<int> faces;  // the thrown dice, positions 0..n-1
    QString codes;           // expected codes of positions 0..5, blank-separated
    int value;               // points of taking every scoring die and group
};

// Points of a whole throw: each group once, each single on its own.
int ValueOfCodes(const std::array<QString, 6>& codes) {
    int value = 0;
    QStringList groupsSeen;
    for (const QString& code : codes) {
        if (IsGroupCode(code)) {
            if (groupsSeen.contains(code)) continue;
            groupsSeen << code;
        }
        value += PointsOfCode(code);
    }
    return value;
}

}  // namespace

// The classification decides what every click takes and whether a throw is lost,
// so each precedence rule is covered by a throw that would go wrong without it.
TEST(Scoring, EveryThrowGetsItsCodes) {
    const std::vector<Throw> throws{
        // straights, in any order: all "y", no singles
        {{1, 2, 3, 4, 5, 6}, "y y y y y y", 1500},
        {{6, 4, 1, 5, 3, 2}, "y y y y y y", 1500},
        // three pairs, also of 1s and 5s
        {{2, 2, 4, 4, 6, 6}, "z z z z z z", 500},
        {{1, 5, 6, 1, 5, 6}, "z z z z z z", 500},
        // four and a pair is not three pairs; the pair of 1s are singles, a pair of 3s nothing
        {{4, 4, 4, 4, 1, 1}, "j j j j 1 1", 800 + 200},
        {{3, 6, 6, 3, 6, 6}, "0 l l 0 l l", 1200},
        // two triples are two groups
        {{2, 2, 2, 3, 3, 3}, "b b b c c c", 500},
        {{5, 1, 5, 1, 5, 1}, "e a e a e a", 1500},
        // five of a kind with a single beside it
        {{1, 1, 1, 1, 1, 5}, "m m m m m 5", 4050},
        {{5, 5, 2, 5, 5, 5}, "q q 0 q q q", 2000},
        {{6, 6, 6, 1, 6, 6}, "r r r 1 r r", 2500},
        // six of a kind, every face
        {{1, 1, 1, 1, 1, 1}, "s s s s s s", 8000},
        {{2, 2, 2, 2, 2, 2}, "t t t t t t", 1600},
        {{3, 3, 3, 3, 3, 3}, "u u u u u u", 2400},
        {{4, 4, 4, 4, 4, 4}, "v v v v v v", 3200},
        {{5, 5, 5, 5, 5, 5}, "w w w w w w", 4000},
        {{6, 6, 6, 6, 6, 6}, "x x x x x x", 4800},
        // a triple among singles and a dead die
        {{3, 3, 3, 1, 5, 6}, "c c c 1 5 0", 450},
        {{1, 1, 1, 1, 5, 3}, "g g g g 5 0", 2050},
        // nothing scores
        {{2, 3, 4, 6, 2, 3}, "0 0 0 0 0 0", 0},
        // fewer than six dice: no straight, no pairs; the rest keeps "99"
        {{2, 2, 3, 3}, "0 0 0 0 99 99", 0},
        {{1, 1, 5, 5}, "1 1 5 5 99 99", 300},
        {{1, 2, 3, 4, 5}, "1 0 0 0 5 99", 150},
        {{5, 5, 5}, "e e e 99 99 99", 500},
        {{2, 4, 2, 4, 2}, "b 0 b 0 b 99", 200},
        {{4, 4, 4, 4, 4}, "p p p p p 99", 1600},
        {{6, 3, 6, 6}, "f 0 f f 99 99", 600},
        {{3, 3, 3, 3}, "i i i i 99 99", 600},
        {{2, 2, 2, 2, 1}, "h h h h 1 99", 500},
        {{5}, "5 99 99 99 99 99", 50},
        {{1}, "1 99 99 99 99 99", 100},
        {{4}, "0 99 99 99 99 99", 0},
    };
    for (const Throw& t : throws) {
        std::array<Integer, 6> faces;
        faces.fill(NotThrown);
        for (std::size_t i = 0; i < t.faces.size(); ++i) faces[i] = Integer(t.faces[i]);
        const auto codes = ClassifyDice(faces, int(t.faces.size()));
        EXPECT_EQ(QStringList(codes.begin(), codes.end()).join(' '), t.codes) << t.codes.toStdString();
        EXPECT_EQ(ValueOfCodes(codes), t.value) << t.codes.toStdString();
    }
}

// The points follow one rule: 1000 or 100 x face for three, doubled for each further die.
TEST(Scoring, EveryCodeIsWorthItsPoints) {
    const std::vector<std::pair<QString, int>> points{
        {"1", 100},   {"5", 50},    {"a", 1000},  {"b", 200},   {"c", 300},   {"d", 400},   {"e", 500},
        {"f", 600},   {"g", 2000},  {"h", 400},   {"i", 600},   {"j", 800},   {"k", 1000},  {"l", 1200},
        {"m", 4000},  {"n", 800},   {"o", 1200},  {"p", 1600},  {"q", 2000},  {"r", 2400},  {"s", 8000},
        {"t", 1600},  {"u", 2400},  {"v", 3200},  {"w", 4000},  {"x", 4800},  {"y", 1500},  {"z", 500},
        {"0", 0},     {"99", 0},    {"", 0},      {"A", 0},     {"aa", 0},    {"2", 0},
    };
    for (const auto& [code, value] : points) EXPECT_EQ(PointsOfCode(code), value) << code.toStdString();
}
