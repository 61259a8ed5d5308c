#include "view/viewport.h"

#include "support/case_name.h"
#include "support/fake_ui.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvix {
namespace {


constexpr auto H = ScrollAxis::Horizontal;
constexpr auto V = ScrollAxis::Vertical;

Paper paperOf(int32_t index)
{
    Paper p;
    applyPaperType(p, index);
    return p;
}

struct ViewportTest : ::testing::Test {
    FakeUi ui;
    int repaints = 0;
    Viewport view{ui, [this] { ++repaints; }};
};

TEST_F(ViewportTest, MaximaFromResizeAndFromPaperChange)
{
    view.resize(700, 500, paperOf(0));
    EXPECT_EQ(view.vScroll().maximum, 1049);  // 1537 - 488
    EXPECT_EQ(view.hScroll().maximum, 500);   // 1188 - 688

    view.applyPaper(paperOf(0));
    EXPECT_EQ(view.vScroll().maximum, 1067);  // 1537 - 500 + 30
    EXPECT_EQ(view.hScroll().maximum, 508);   // 1188 - 700 + 20

    view.applyPaper(paperOf(1));
    EXPECT_EQ(view.vScroll().maximum, 963);   // 1433 - 500 + 30
    EXPECT_EQ(view.vScroll().minimum, 0);
    EXPECT_EQ(view.vScroll().smallChange, 1);
    EXPECT_EQ(view.vScroll().largeChange, 60);
}

TEST_F(ViewportTest, PaperChangeReturnsTheViewToTheOrigin)
{
    view.resize(700, 500, paperOf(0));
    view.setValue(H, 200);
    view.setValue(V, 300);
    ASSERT_EQ(view.viewOffsetX(), 200);
    ASSERT_EQ(view.viewOffsetY(), 300);

    view.applyPaper(paperOf(1));
    EXPECT_EQ(view.hScroll().value, 0);
    EXPECT_EQ(view.vScroll().value, 0);
    EXPECT_EQ(view.viewOffsetX(), 0);
    EXPECT_EQ(view.viewOffsetY(), 0);
}

TEST_F(ViewportTest, ProgramChangeNotifiesOnlyWhenTheValueChanges)
{
    view.resize(700, 500, paperOf(0));
    const int updates = ui.scrollBarChanges;

    view.setValue(V, 100);
    EXPECT_EQ(view.viewOffsetY(), 100);
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(ui.scrollBarChanges, updates + 1);

    view.setValue(V, 100);
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(ui.scrollBarChanges, updates + 1);

    view.setValue(V, 5000);  // clamped to the maximum
    EXPECT_EQ(view.vScroll().value, 1049);
    EXPECT_EQ(view.viewOffsetY(), 1049);
}

TEST_F(ViewportTest, UserScrollIsTakenOverEvenWithoutChange)
{
    view.resize(700, 500, paperOf(0));
    view.userScrolled(H, 40);
    view.userScrolled(H, 40);  // the thumb dragged and released on the same spot
    EXPECT_EQ(view.viewOffsetX(), 40);
    EXPECT_EQ(repaints, 2);
}

TEST_F(ViewportTest, LowerMaximumPullsTheValueAndTheViewDown)
{
    view.resize(700, 500, paperOf(0));
    view.setValue(V, 1000);
    repaints = 0;

    view.resize(700, 600, paperOf(0));  // maximum 1537 - 588 = 949
    EXPECT_EQ(view.vScroll().value, 949);
    EXPECT_EQ(view.viewOffsetY(), 949);
    EXPECT_EQ(repaints, 1);
}

// A sheet that fits the canvas along an axis stays at the canvas's start: nothing the
// program or the user does scrolls it into the blank space beyond.
TEST_F(ViewportTest, SheetThatFitsTheCanvasHasNothingToScroll)
{
    view.resize(700, 500, paperOf(0));
    view.setValue(H, 300);
    view.resize(1300, 500, paperOf(0));  // canvas 1288 wide, sheet 1188
    EXPECT_EQ(view.hScroll().maximum, 0);
    EXPECT_EQ(view.viewOffsetX(), 0);

    const struct {
        const char* name;
        std::function<void()> act;
    } moves[] = {
        {"set -60", [&] { view.setValue(H, -60); }},
        {"set 30", [&] { view.setValue(H, 30); }},
        {"user 40", [&] { view.userScrolled(H, 40); }},
        {"step right", [&] { view.stepTowardMaximum(H, 60); }},
        {"step left", [&] { view.stepTowardMinimum(H, 60); }},
        {"pan right", [&] { view.autoPanPass(1250, 250); }},
        {"pan left", [&] { view.autoPanPass(10, 250); }},
    };
    for (const auto& m : moves) {
        m.act();
        EXPECT_EQ(view.hScroll().value, 0) << m.name;
        EXPECT_EQ(view.viewOffsetX(), 0) << m.name;
    }
    view.stepTowardMaximum(V, 60);  // the sheet is taller than the canvas: that bar scrolls
    EXPECT_EQ(view.viewOffsetY(), 60);
}

TEST_F(ViewportTest, SheetFitsFromTheCanvasSizeOn)
{
    const struct {
        int32_t clientWidth;
        int16_t afterResize;
        int16_t afterPaper;
    } cases[] = {
        {1199, 1, 9},  // canvas 1187: one unit of the sheet is hidden
        {1200, 0, 0},  // canvas 1188: the sheet fits exactly, though 1188 - 1200 + 20 is 8
        {1300, 0, 0},
    };
    for (const auto& c : cases) {
        view.resize(c.clientWidth, 500, paperOf(0));
        EXPECT_EQ(view.hScroll().maximum, c.afterResize) << c.clientWidth;
        view.applyPaper(paperOf(0));
        EXPECT_EQ(view.hScroll().maximum, c.afterPaper) << c.clientWidth;
    }
}

TEST_F(ViewportTest, MaximumOutside16BitsIsClamped)
{
    view.resize(700, -40000, paperOf(0));
    EXPECT_EQ(view.vScroll().maximum, 32767);
}

struct StepCase {
    const char* name;
    int16_t start;
    int32_t step;
    bool towardMaximum;
    int16_t expected;
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class ViewportStep : public ViewportTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(ViewportStep, StopsAtTheEnds)
{
    const StepCase& c = GetParam();
    view.resize(700, 500, paperOf(0));  // horizontal maximum 500
    view.setValue(H, c.start);
    if (c.towardMaximum)
        view.stepTowardMaximum(H, c.step);
    else
        view.stepTowardMinimum(H, c.step);
    EXPECT_EQ(view.hScroll().value, c.expected);
    EXPECT_EQ(view.viewOffsetX(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, ViewportStep, ::testing::Values(
    StepCase{"BackOneUnit", 100, 1, false, 99},
    StepCase{"BackOneLargeStep", 100, 60, false, 40},
    StepCase{"BackExactlyAStepLeftGoesToMinimum", 60, 60, false, 0},
    StepCase{"BackLessThanAStepLeftGoesToMinimum", 59, 60, false, 0},
    StepCase{"ForwardOneLargeStep", 100, 60, true, 160},
    StepCase{"ForwardExactlyAStepLeftGoesToMaximum", 440, 60, true, 500},
    StepCase{"ForwardOneUnitNearTheEnd", 498, 1, true, 499}),
    testing::CaseName());

struct PanCase {
    const char* name;
    int16_t startX;
    int16_t startY;
    int32_t pointerX;
    int32_t pointerY;
    int32_t expectedX;
    int32_t expectedY;
};

void PrintTo(const PanCase& c, std::ostream* os) { *os << c.name; }

class ViewportPan : public ViewportTest, public ::testing::WithParamInterface<PanCase> {};

TEST_P(ViewportPan, MovesOneStepTowardTheNearEdge)
{
    const PanCase& c = GetParam();
    view.resize(700, 500, paperOf(0));  // maxima 500 and 1049; quarter lines 175/525, 125/375
    view.setValue(H, c.startX);
    view.setValue(V, c.startY);
    repaints = 0;

    view.autoPanPass(c.pointerX, c.pointerY);

    EXPECT_EQ(view.viewOffsetX(), c.expectedX);
    EXPECT_EQ(view.viewOffsetY(), c.expectedY);
    EXPECT_EQ(view.hScroll().value, c.expectedX);
    EXPECT_EQ(view.vScroll().value, c.expectedY);
    EXPECT_EQ(repaints, 0);  // the notifications are suppressed; the caller repaints
    EXPECT_FALSE(view.suppressScrollEvents());
}

INSTANTIATE_TEST_SUITE_P(AutoPan, ViewportPan, ::testing::Values(
    PanCase{"RightQuarterNearTheEndJumpsToMaximum", 490, 0, 600, 250, 500, 0},
    PanCase{"RightQuarterAtMaximumStays", 500, 0, 600, 250, 500, 0},
    PanCase{"RightQuarterSteps", 100, 0, 600, 250, 130, 0},
    PanCase{"LeftQuarterBelowAStepGoesToZero", 20, 0, 10, 250, 0, 0},
    PanCase{"LeftQuarterSteps", 100, 0, 10, 250, 70, 0},
    PanCase{"OnTheQuarterLinesNothingMoves", 100, 100, 175, 375, 100, 100},
    PanCase{"MiddleHalfNothingMoves", 100, 100, 350, 250, 100, 100},
    PanCase{"BottomQuarterSteps", 0, 100, 350, 400, 0, 130},
    PanCase{"TopLeftCornerPansBoth", 100, 100, 0, 0, 70, 70}),
    testing::CaseName());

} // namespace
} // namespace corvix
