#include "view/scroll_into_view.h"

#include "support/fake_ui.h"

#include <gtest/gtest.h>

namespace corvix {

// Found by GoogleTest next to BarValues.
void PrintTo(const BarValues& v, std::ostream* out)
{
    *out << '(' << v.horizontal << ", " << v.vertical << ')';
}

namespace {

struct ScrollIntoView : ::testing::Test {
    FakeUi ui;
    Viewport view{ui, [] {}};

    // A 700 x 500 window: the canvas is 688 x 488, the bars run 0..500 and 0..1049.
    ScrollIntoView() { view.resize(700, 500, Paper{}); }
};

TEST_F(ScrollIntoView, LeavesAWhollyVisibleAreaWhereItIs)
{
    view.setValue(ScrollAxis::Vertical, 300);
    // The canvas shows x 0..687 and y 300..787, both edges included.
    for (const SheetArea& a : {SheetArea{0, 300, 687, 787}, SheetArea{100, 400, 200, 450}})
        EXPECT_EQ(scrollIntoView(view, a), (BarValues{0, 300})) << a.left << "," << a.top;
}

TEST_F(ScrollIntoView, CentresAnAreaNotWhollyVisibleWithinTheBarsRanges)
{
    view.setValue(ScrollAxis::Vertical, 300);
    struct Case {
        SheetArea area;
        BarValues values;
    };
    for (const Case& c : {// One unit past the right edge: both axes centre on the area.
                          Case{{650, 400, 688, 450}, {669 - 344, 425 - 244}},
                          Case{{1000, 1200, 1100, 1260}, {500, 1230 - 244}},
                          Case{{-50, -40, -10, -5}, {0, 0}}}) {
        EXPECT_EQ(scrollIntoView(view, c.area), c.values) << c.area.left << "," << c.area.top;
    }
}

TEST_F(ScrollIntoView, CountsTheZoomedSheetsPixels)
{
    // At 200 % the canvas shows sheet x 0..343 and y 0..243.
    view.setZoom(2, Paper{}, ViewAnchor{});
    EXPECT_EQ(scrollIntoView(view, {100, 100, 343, 243}), (BarValues{0, 0}));
    // Units 400..420 cover pixels 800..841, units 100..150 pixels 200..301.
    EXPECT_EQ(scrollIntoView(view, {400, 100, 420, 150}), (BarValues{820 - 344, 250 - 244}));
}

TEST_F(ScrollIntoView, LeavesASheetThatFitsTheCanvasAtItsStart)
{
    view.resize(1500, 1700, Paper{});
    EXPECT_EQ(scrollIntoView(view, {-400, -300, -350, -250}), (BarValues{0, 0}));
    EXPECT_EQ(scrollIntoView(view, {1400, 1700, 1500, 1750}), (BarValues{0, 0}));
}

} // namespace
} // namespace corvix
