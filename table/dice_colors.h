#pragma once
// The sixteen dice colours: a base id for the six face bitmaps (base + face)
// and the back colour that fills the trays and boxes around them.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "core/types.h"

struct DiceColor {
    const char* name;
    Integer base;
    quint32 previewBack;  // &HBBGGRR, painted by a click on the colour list
    quint32 openingBack;  // painted when the options panel opens
    int listPlace;        // place in the colour list, -1 when not offered
};

// In table order: the order in which colours are looked up by name.
const std::array<DiceColor, 16>& DiceColorTable();

// First exact (case-sensitive) match of a name; none for other texts.
std::optional<DiceColor> DiceColorByName(const QString& name);
// The colour whose base this is; none for a value that is not one of the sixteen bases.
std::optional<DiceColor> DiceColorByBase(int base);
// The names offered by the colour list, in list order.
QStringList DiceColorListItems();
// Back colour that the main window's load paints for a base: the preview colour,
// except dark red for "Clocks" and black for a value that is not a base.
quint32 StartupTrayColor(int base);
