// The side windows' gradient background.
#include <gtest/gtest.h>

#include <QPainter>

#include "windows/gradient.h"

// Line 0 takes the start colour and line i the colour of step i - 1, so the end
// colour itself lies just outside the picture.
TEST(Gradient, LinesStepFromTheStartColourTowardsTheEndColour) {
    const QImage rows = GradientImage(3, 4, 0xFFFFFF, 0xFFA055, true);  // white to RGB(85,160,255)
    ASSERT_EQ(rows.size(), QSize(3, 4));
    const std::vector<QRgb> expected{qRgb(255, 255, 255), qRgb(255, 255, 255), qRgb(212, 231, 255),
                                     qRgb(170, 208, 255)};  // 255 - 42.5 = 212.5 -> 212 (halves to even)
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(rows.pixel(0, y), expected[y]) << y;
        EXPECT_EQ(rows.pixel(2, y), expected[y]) << y;
    }
    const QImage columns = GradientImage(2, 3, 0x000000, 0x0000FF, false);  // black to red, left to right
    EXPECT_EQ(columns.pixel(0, 2), qRgb(0, 0, 0));
    EXPECT_EQ(columns.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_TRUE(GradientImage(5, 0, 0, 0xFF, true).isNull());
}

// A taller window spreads the same colours over more rows.
TEST(Gradient, TallerWindowsSpreadTheSameRange) {
    const QImage small = GradientImage(1, 10, 0xFFFFFF, 0xFFA055, true);
    const QImage tall = GradientImage(1, 100, 0xFFFFFF, 0xFFA055, true);
    EXPECT_EQ(qRed(small.pixel(0, 9)), 119);  // step 8 of 10: 255 - 8 * 17
    EXPECT_EQ(qRed(tall.pixel(0, 81)), 119);  // step 80 of 100
    QImage target(4, 4, QImage::Format_RGB32);
    target.fill(Qt::black);
    QPainter painter(&target);
    EXPECT_TRUE(PaintGradient(painter, 4, 4, 0xFFFFFF, 0xFFA055, true));
    painter.end();
    EXPECT_EQ(target.pixel(3, 0), qRgb(255, 255, 255));
}
