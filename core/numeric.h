#pragma once
// Numbers read from text, rounding to the game's integer types, and colour numbers.
#include <QColor>
#include <QString>

#include "core/types.h"

// The number at the start of a text: leading spaces and tabs are skipped, then an optional sign and
// decimal digits with an optional point and exponent ("1.5e3"), or "&H" and hexadecimal digits (unsigned,
// at most &HFFFFFFFF). Reading stops at the first character that does not belong to the number; a text
// without a leading number gives 0. The result is always finite.
double Val(const QString& text);

// Nearest whole number, halves to the even one (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// Rounded half to even, then held inside the type's range (no wrapping); NaN gives 0.
Integer ToInteger(double value);
Byte ToByte(double value);

// A colour number &HBBGGRR (red in the low byte). Numbers with bit 31 set are system colours; all of
// them give the button face colour of the application's palette.
QColor ColorFromNumber(quint32 bgr);

// The colour number held as text ("&H" and hex digits, or decimal digits; a negative decimal is read
// as its 32-bit pattern).
QColor ColorFromText(const QString& text);
