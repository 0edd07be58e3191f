#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>
#include <cmath>
#include <limits>

#include "core/numeric.h"

// Every number the settings hold passes through Val; a bad text must give a number, never a crash.
TEST(NumericTest, ValReadsTheNumberAtTheStartOfTheText) {
    const double max = std::numeric_limits<double>::max();
    QString binary;
    for (int code = 0; code < 0x10000; code += 7) binary += QChar(char16_t(code));
    const struct { QString text; double value; } cases[] = {
        {"", 0}, {"42", 42}, {"  \t 17", 17}, {"-12", -12}, {"+7", 7}, {"3.25", 3.25}, {".5", 0.5}, {"5.", 5},
        {"12abc", 12}, {"1.2.3", 1.2}, {"12 34", 12}, {"abc12", 0}, {"- 5", 0}, {"--5", 0}, {"x&HFF", 0},
        {"&HFF", 255}, {"&hff", 255}, {" &H1F&", 31}, {"&HFFFF80", 16777088}, {"&H8000000F", 2147483663.0},
        {"&H", 0}, {"&HG1", 0}, {"&HFFFFFFFFFF", 4294967295.0}, {"1e3", 1000}, {"2.5E-1", 0.25}, {"1e", 1},
        {"7e+", 7}, {"-0.5x", -0.5}, {binary, 0}, {QString(100000, u'9'), max}, {"-1e400", -max},
        {"1e99999999999999999999", max}, {"1e-400", 0}, {"0." + QString(5000, u'0') + "1", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(Val(c.text), c.value) << c.text.left(30).toStdString();
}

TEST(NumericTest, RoundingGoesHalfToEvenAndClampsToTheType) {
    const struct { double in, rounded; Integer integer; Byte byte; } cases[] = {
        {0.5, 0, 0, 0}, {1.5, 2, 2, 2}, {2.5, 2, 2, 2}, {3.5, 4, 4, 4}, {-2.5, -2, -2, 0}, {-1.5, -2, -2, 0},
        {2.4999, 2, 2, 2}, {2.5001, 3, 3, 3}, {254.5, 254, 254, 254}, {255.5, 256, 256, 255},
        {32767.5, 32768, 32767, 255}, {-32768.5, -32768, -32768, 0}, {-40000.7, -40001, -32768, 0},
        {1e300, 1e300, 32767, 255},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.in), c.rounded) << c.in;
        EXPECT_EQ(ToInteger(c.in), c.integer) << c.in;
        EXPECT_EQ(ToByte(c.in), c.byte) << c.in;
    }
    EXPECT_EQ(ToInteger(std::nan("")), 0);
    EXPECT_EQ(ToInteger(-HUGE_VAL), -32768);
}

// Colour numbers keep red in the low byte; system colours (bit 31) give the button face.
TEST(NumericTest, ColorTextIsBlueGreenRed) {
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    const struct { const char* text; QColor color; } cases[] = {
        {"&HFF", QColor(255, 0, 0)}, {"&HFF0000", QColor(0, 0, 255)}, {"16777088", QColor(128, 255, 255)},
        {"65535", QColor(255, 255, 0)}, {"&H800000", QColor(0, 0, 128)}, {"junk", QColor(0, 0, 0)},
        {"&H8000000F", buttonFace}, {"-2147483633", buttonFace},  // the same number, signed
    };
    for (const auto& c : cases) EXPECT_EQ(ColorFromText(c.text), c.color) << c.text;
}
