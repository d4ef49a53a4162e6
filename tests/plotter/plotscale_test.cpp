#include "plotter/plotscale.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

using plotscale::Side;

TEST(PlotScale, PixelsPerUnitForEveryScale) {
    const int expected[] = {200, 100, 66, 50, 40, 33, 28, 25, 22, 20, 16, 13, 10, 8, 6, 5, 4, 3, 2, 1};
    ASSERT_EQ(plotscale::ScaleItems().size(), 20);
    for (int i = 0; i < 20; ++i) {
        const QString item = plotscale::ScaleItems()[i];
        EXPECT_EQ(plotscale::PixelsPerUnit(item.toInt()), expected[i]) << "N = " << item.toStdString();
    }
}

TEST(PlotScale, TicksLabelsAndTheirPlaces) {
    const struct {
        const char* name;
        int n, tick, angleFactor;
        Side side;
        int count, offset;
        QString label;
        QPoint position;
    } cases[] = {
        {"tenths", 1, 3, 1, Side::PositiveY, 20, 60, "  0,3", {201, 135}},
        {"tenths in degrees on x", 1, 10, 90, Side::PositiveX, 20, 200, "   90", {394, 205}},
        {"tenths in degrees keep y", 1, 10, 90, Side::NegativeY, 20, 200, "-  1,0", {176, 395}},
        {"fifths", 2, 1, 1, Side::NegativeX, 10, 20, "-  0,2", {174, 183}},
        {"whole units", 5, 2, 1, Side::NegativeY, 15, 80, "-2", {188, 275}},
        {"degrees at 4", 4, 4, 90, Side::PositiveX, 15, 200, "360", {394, 205}},
        {"degrees at 4, left", 4, 1, 90, Side::NegativeX, 15, 50, "-90", {144, 183}},
        {"fives at 15", 15, 1, 1, Side::PositiveX, 10, 65, "5", {259, 205}},
        {"fives, y left of the axis", 12, 2, 1, Side::NegativeY, 15, 32, "-2", {182, 227}},
        {"tens", 60, 3, 1, Side::PositiveY, 10, 90, "30", {204, 105}},
        {"twenties", 200, 10, 1, Side::NegativeY, 10, 200, "-200", {178, 395}},
    };
    for (const auto& c : cases) {
        const int ppu = plotscale::PixelsPerUnit(c.n);
        const plotscale::TickPlan plan = plotscale::Ticks(c.n, ppu);
        EXPECT_EQ(plan.count, c.count) << c.name;
        EXPECT_EQ(plan.step * c.tick, c.offset) << c.name;
        EXPECT_EQ(plotscale::TickLabel(c.n, c.tick, c.side, c.angleFactor), c.label) << c.name;
        EXPECT_EQ(plotscale::LabelPosition(c.n, c.offset, c.side, 200), c.position) << c.name;
    }
}

TEST(PlotScale, HoldColoursByHistoryIndex) {
    const QColor red(255, 0, 0);
    const QColor expected[] = {red,
                               red,
                               {0, 128, 0},
                               {255, 0, 255},
                               {216, 122, 61},
                               {128, 0, 0},
                               {0, 255, 255},
                               {128, 0, 128},
                               {0, 255, 0},
                               {0, 0, 255},
                               red,
                               red,
                               red};
    for (int index = -1; index <= 11; ++index)
        EXPECT_EQ(plotscale::HoldColour(index), expected[index + 1]) << "index " << index;
}
