#include "table/dice_colors.h"

#include <algorithm>

const std::array<DiceColor, 16>& DiceColorTable() {
    static const std::array<DiceColor, 16> table{{
        {"Blue", 100, 0x8000, 0x8000, 0},
        {"Red", 106, 0x8000, 0x8000, 1},
        {"Antique", 112, 0x202A6, 0x202A6, 3},
        {"Pablo", 118, 0x800000, 0xE4EEEC, 6},
        {"Clocks", 124, 0xA4F61C, 0xA4F61C, 7},
        {"Green", 130, 0, 0, -1},
        {"Digi-1", 136, 0, 0, -1},
        {"Digital", 142, 0, 0, 10},
        {"Clouds", 148, 0xFF0000, 0xFF0000, 2},
        {"Marbles", 154, 0xFF8080, 0xFF8080, 4},
        {"Keys", 160, 0xFF0000, 0xFF0000, -1},
        {"Billiards", 166, 0x8000, 0x8000, -1},
        {"Bubbles", 172, 0xFF8000, 0xFF8000, 8},
        {"Patriot", 178, 0x800000, 0x800000, 5},
        {"Computer", 184, 0, 0, 9},
        {"Roman", 190, 0, 0, -1},
    }};
    return table;
}

std::optional<DiceColor> DiceColorByName(const QString& name) {
    for (const DiceColor& colour : DiceColorTable())
        if (name == QLatin1String(colour.name)) return colour;
    return std::nullopt;
}

std::optional<DiceColor> DiceColorByBase(int base) {
    for (const DiceColor& colour : DiceColorTable())
        if (colour.base == base) return colour;
    return std::nullopt;
}

QStringList DiceColorListItems() {
    std::vector<DiceColor> offered;
    for (const DiceColor& colour : DiceColorTable())
        if (colour.listPlace >= 0) offered.push_back(colour);
    std::sort(offered.begin(), offered.end(),
              [](const DiceColor& a, const DiceColor& b) { return a.listPlace < b.listPlace; });
    QStringList names;
    for (const DiceColor& colour : offered) names << QLatin1String(colour.name);
    return names;
}

quint32 StartupTrayColor(int base) {
    if (base == 124) return 0x0000C0;  // "Clocks" starts dark red, RGB(192,0,0)
    const auto colour = DiceColorByBase(base);
    return colour ? colour->previewBack : 0;
}
