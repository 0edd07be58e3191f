// Scoring codes of a throw and their points, and the seat rules of a turn.
#include "table/scoring.h"

#include <algorithm>
#include <utility>

#include "core/state.h"

namespace {

constexpr char ThreeOfAKind = 'a', FourOfAKind = 'g', FiveOfAKind = 'm', SixOfAKind = 's';

QString KindCode(char first, int face) { return QString(QChar(first + face - 1)); }

// Three of a kind: 1000 for 1s, 100 times the face otherwise.
int TripleValue(int face) { return face == 1 ? 1000 : 100 * face; }

}  // namespace

std::array<QString, 6> ClassifyDice(const std::array<Integer, 6>& faces, int numDice) {
    std::array<QString, 6> codes;
    std::array<int, 7> count{};  // per face 1..6
    for (int i = 0; i < 6; ++i) {
        codes[i] = faces[i] == NotThrown ? QStringLiteral("99") : QStringLiteral("0");
        if (faces[i] >= 1 && faces[i] <= 6) ++count[faces[i]];
    }
    auto setAll = [&](const QString& code) {
        for (QString& c : codes) c = code;
    };
    auto setFace = [&](int face, const QString& code) {
        for (int i = 0; i < 6; ++i)
            if (faces[i] == face) codes[i] = code;
    };

    // Each later step overwrites an earlier one; that order is the precedence.
    if (numDice == 6) {
        if (std::all_of(count.begin() + 1, count.end(), [](int n) { return n == 1; }))
            setAll(QStringLiteral("y"));
        if (std::all_of(count.begin() + 1, count.end(), [](int n) { return n == 0 || n == 2; }))
            setAll(QStringLiteral("z"));
        for (int face = 1; face <= 6; ++face)
            if (count[face] == 6) setFace(face, KindCode(SixOfAKind, face));
    }
    for (auto [size, first] : {std::pair{3, ThreeOfAKind}, {4, FourOfAKind}, {5, FiveOfAKind}})
        for (int face = 1; face <= 6; ++face)
            if (count[face] == size) setFace(face, KindCode(first, face));
    for (int i = 0; i < 6; ++i) {
        if (codes[i] != QStringLiteral("0")) continue;
        if (faces[i] == 1) codes[i] = QStringLiteral("1");
        else if (faces[i] == 5) codes[i] = QStringLiteral("5");
    }
    return codes;
}

Integer PointsOfCode(const QString& code) {
    if (code == QStringLiteral("1")) return 100;
    if (code == QStringLiteral("5")) return 50;
    if (code == QStringLiteral("y")) return 1500;
    if (code == QStringLiteral("z")) return 500;
    if (code.size() != 1) return 0;
    const char letter = code[0].toLatin1();
    if (letter < ThreeOfAKind || letter > 'x') return 0;
    // a..f, g..l, m..r, s..x: each block of six doubles the one before.
    const int block = (letter - ThreeOfAKind) / 6;
    const int face = (letter - ThreeOfAKind) % 6 + 1;
    return Integer(TripleValue(face) << block);
}

bool IsGroupCode(const QString& code) {
    return code.size() == 1 && code[0] >= QLatin1Char('a') && code[0] <= QLatin1Char('z');
}

QString UndoStatusText(const QString& turnState) {
    static const std::array<std::pair<const char*, const char*>, 7> texts{{
        {"r", "Roll the dice."},
        {"s", "Select Dice."},
        {"p", "Pass The Dice."},
        {"sp", "Select Dice or Pass Dice."},
        {"rp", "Roll or pass the dice."},
        {"rs", "Select dice or roll."},
        {"rsp", "Roll, select, or pass the dice."},
    }};
    for (const auto& [state, text] : texts)
        if (turnState == QLatin1String(state)) return QLatin1String(text) + QStringLiteral(" (Undo)");
    return QString();
}

bool SeatIsComputer() { return CurPlayer < IsComputer.size() && IsComputer[CurPlayer]; }

bool SeatIsFastComputer() { return SeatIsComputer() && (ComputerSpeed == 1 || ComputerSpeed == 2); }

bool SeatIsRidiculousComputer() { return SeatIsComputer() && ComputerSpeed == 2; }

bool SeatCanBank() {
    const bool banked = CurPlayer < PlayerScore.size() && PlayerScore[CurPlayer] >= BreakIn;
    return banked || TurnScore >= BreakIn;
}
