#include "view/zoom.h"

#include "support/case_name.h"
#include "support/fake_ui.h"
#include "view/viewport.h"

#include <gtest/gtest.h>

namespace corvix {
namespace {

TEST(ZoomLevels, StepInAndOutStopAtTheEnds)
{
    EXPECT_EQ(zoomInFrom(1.0), 1.25);
    EXPECT_EQ(zoomOutFrom(1.0), 0.75);
    EXPECT_EQ(zoomInFrom(3.0), 4.0);
    EXPECT_EQ(zoomInFrom(4.0), 4.0);
    EXPECT_EQ(zoomOutFrom(0.25), 0.25);
    // From between the levels (Fit Page) to the neighbouring level.
    EXPECT_EQ(zoomInFrom(0.3175), 0.5);
    EXPECT_EQ(zoomOutFrom(0.3175), 0.25);
    EXPECT_EQ(levelOfZoom(1.5), 5u);
    EXPECT_EQ(levelOfZoom(0.3175), std::nullopt);
}

TEST(ZoomLevels, FitPageIsTheLargestZoomThatShowsTheWholePage)
{
    const Paper a4;
    const double fit = fitPageZoom(688, 488, a4);
    EXPECT_DOUBLE_EQ(fit, 488.0 / 1537);
    EXPECT_LE(zoomedLength(a4.pageHeight, fit), 488);
    EXPECT_LE(zoomedLength(a4.pageWidth, fit), 688);
    EXPECT_EQ(fitPageZoom(6000, 8000, a4), kLargestZoom);  // a vast screen
    EXPECT_EQ(fitPageZoom(10, 10, a4), kSmallestZoom);
}

struct MappingCase {
    const char* name;
    double zoom;
    int16_t scrollValue;
    float canvas;
    int32_t sheet;
};

class CanvasToSheet : public ::testing::TestWithParam<MappingCase> {};

TEST_P(CanvasToSheet, SumInSinglePrecisionDividedByTheZoom)
{
    const MappingCase& c = GetParam();
    EXPECT_EQ(canvasToSheet(c.scrollValue, c.canvas, c.zoom), c.sheet);
}

INSTANTIATE_TEST_SUITE_P(Zooms, CanvasToSheet, ::testing::Values(
    MappingCase{"ActualSize", 1.0, 100, 20.4f, 120},
    MappingCase{"ActualSizeHalfToEven", 1.0, 0, 2.5f, 2},
    MappingCase{"Double", 2.0, 100, 20.0f, 60},
    MappingCase{"DoubleHalfToEven", 2.0, 0, 5.0f, 2},   // 2.5
    MappingCase{"Quadruple", 4.0, 400, 3.0f, 101},      // 100.75
    MappingCase{"Half", 0.5, 50, 10.0f, 120},
    MappingCase{"Quarter", 0.25, 0, 0.375f, 2},         // 1.5
    MappingCase{"OneAndAHalf", 1.5, 151, 0.0f, 101},    // 100.67
    MappingCase{"BeforeTheOrigin", 2.0, -40, 10.0f, -15}),
    testing::CaseName());

TEST(ZoomedOrigin, TheUnitAtTheCanvasCornerAndHowFarItReachesOut)
{
    EXPECT_EQ(zoomedOrigin(120, 1.0).unit, 120);
    EXPECT_EQ(zoomedOrigin(120, 1.0).shift, 0.0);
    EXPECT_EQ(zoomedOrigin(121, 2.0).unit, 60);
    EXPECT_EQ(zoomedOrigin(121, 2.0).shift, -1.0);
    EXPECT_EQ(zoomedOrigin(10, 0.75).unit, 13);  // 13.33
    EXPECT_DOUBLE_EQ(zoomedOrigin(10, 0.75).shift, -0.25);
    EXPECT_EQ(zoomedOrigin(-3, 2.0).unit, -2);
    EXPECT_EQ(zoomedOrigin(-3, 2.0).shift, -1.0);
}

struct ZoomedViewport : ::testing::Test {
    FakeUi ui;
    int repaints = 0;
    Viewport view{ui, [this] { ++repaints; }};
    Paper a4;
};

TEST_F(ZoomedViewport, BarsCountPixelsOfTheZoomedSheet)
{
    view.resize(700, 500, a4);
    view.setZoom(4.0, a4, {});
    EXPECT_EQ(view.vScroll().maximum, 1537 * 4 - 488);
    EXPECT_EQ(view.hScroll().maximum, 1188 * 4 - 688);
    view.applyPaper(a4);
    EXPECT_EQ(view.vScroll().maximum, 1537 * 4 - 500 + 30);

    view.setZoom(0.5, a4, {});
    EXPECT_EQ(view.vScroll().maximum, 768 - 488);  // 768.5 rounds half to even
    EXPECT_EQ(view.hScroll().maximum, 0);  // 594 wide, the sheet fits the canvas: nothing to scroll
}

TEST_F(ZoomedViewport, ZoomKeepsTheAnchorInPlaceAndRepaintsOnce)
{
    view.resize(700, 500, a4);
    view.setValue(ScrollAxis::Horizontal, 100);
    view.setValue(ScrollAxis::Vertical, 300);
    repaints = 0;

    const ViewAnchor anchor = view.anchorAt(250, 120);  // sheet (350, 420)
    view.setZoom(2.0, a4, anchor);
    EXPECT_EQ(view.hScroll().value, 450);  // 350 * 2 - 250
    EXPECT_EQ(view.vScroll().value, 720);  // 420 * 2 - 120
    EXPECT_EQ(view.viewOffsetX(), 450);
    EXPECT_EQ(view.viewOffsetY(), 720);
    EXPECT_EQ(repaints, 1);

    view.setZoom(1.0, a4, view.anchorAt(0, 0));  // sheet (225, 360) to the corner
    EXPECT_EQ(view.hScroll().value, 225);
    EXPECT_EQ(view.vScroll().value, 360);

    // A sheet that fits the canvas stays at its start, wherever the anchor was.
    view.setZoom(0.25, a4, ViewAnchor{10, 10, 600, 400});
    EXPECT_EQ(view.hScroll().value, 0);
    EXPECT_EQ(view.vScroll().value, 0);
}

TEST_F(ZoomedViewport, AutoPanStepsThirtySheetUnits)
{
    view.resize(700, 500, a4);
    view.setZoom(2.0, a4, {});
    view.setValue(ScrollAxis::Horizontal, 100);
    view.autoPanPass(600, 250);
    EXPECT_EQ(view.hScroll().value, 160);
    view.setZoom(0.75, a4, {});
    view.setValue(ScrollAxis::Vertical, 20);
    view.autoPanPass(350, 400);
    EXPECT_EQ(view.vScroll().value, 42);  // 22.5 rounds half to even
}

} // namespace
} // namespace corvix
