#include "app/toolkit/dialog_units.h"

#include <QApplication>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

struct MappingCase
{
    DialogBaseUnits units;
    QRect dialogUnits;
    QRect pixels;
};

class MapDialogRectTest : public testing::TestWithParam<MappingCase>
{
};

TEST_P(MapDialogRectTest, ScalesByQuarterWidthAndEighthHeight)
{
    const MappingCase& c = GetParam();
    EXPECT_EQ(MapDialogRect(c.dialogUnits, c.units), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Rounding, MapDialogRectTest,
                         testing::Values(
                             // Four units across are one average character, eight down one line.
                             MappingCase{{6, 13}, {4, 8, 8, 16}, {6, 13, 12, 26}},
                             // Halves round up: 1 x 6 / 4 = 1.5 and 1 x 13 / 8 = 1.625.
                             MappingCase{{6, 13}, {1, 1, 1, 1}, {2, 2, 2, 2}},
                             MappingCase{{7, 16}, {0, 0, 305, 230}, {0, 0, 534, 460}},
                             MappingCase{{5, 12}, {62, 28, 139, 15}, {78, 42, 174, 23}},
                             MappingCase{{6, 13}, {0, 0, 0, 0}, {0, 0, 0, 0}}));

TEST(DialogBaseUnitsTest, GrowWithTheFont)
{
    QFont small = QApplication::font();
    small.setPointSize(8);
    QFont large = small;
    large.setPointSize(20);
    const DialogBaseUnits smallUnits = DialogBaseUnitsOf(small);
    const DialogBaseUnits largeUnits = DialogBaseUnitsOf(large);
    EXPECT_GT(smallUnits.averageCharacterWidth, 0);
    EXPECT_GT(largeUnits.averageCharacterWidth, smallUnits.averageCharacterWidth);
    EXPECT_EQ(smallUnits.characterHeight, QFontMetrics(small).height());
    EXPECT_EQ(largeUnits.characterHeight, QFontMetrics(large).height());
}

TEST(DialogBaseUnitsTest, AverageWidthLiesBetweenTheNarrowestAndWidestLetter)
{
    const QFontMetrics metrics(QApplication::font());
    const int average = DialogBaseUnitsOf(QApplication::font()).averageCharacterWidth;
    EXPECT_GE(average, metrics.horizontalAdvance(QLatin1Char('i')));
    EXPECT_LE(average, metrics.horizontalAdvance(QLatin1Char('W')));
}

} // namespace
