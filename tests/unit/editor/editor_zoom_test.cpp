#include "editor_fixture.h"

#include "support/case_name.h"
#include "view/zoom.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace corvix::testing {
namespace {

constexpr auto H = ScrollAxis::Horizontal;
constexpr auto V = ScrollAxis::Vertical;
constexpr KeyModifiers kAlt{KeyModifiers::kAlt};

class EditorZoomTest : public ThreeBlocks {
protected:
    void wheel(int32_t notches, KeyModifiers modifiers, float x, float y)
    {
        editor.wheelTurned(notches, modifiers, x, y);
    }
    // What the last repaint and the rubber band drew after it.
    std::vector<RecordedOp> sinceLastCls() const
    {
        const auto last = std::find_if(canvas.ops.rbegin(), canvas.ops.rend(),
                                       [](const RecordedOp& r) { return r.op == Op::Cls; });
        return {last.base() - 1, canvas.ops.end()};
    }
};

struct WheelCase {
    const char* name;
    double zoom;
    int32_t scrollX;
    int32_t scrollY;
    float x;
    float y;
    int32_t notches;
    double expectedZoom;
};

class CtrlWheel : public EditorZoomTest, public ::testing::WithParamInterface<WheelCase> {};

TEST_P(CtrlWheel, KeepsTheSheetPointUnderThePointer)
{
    const WheelCase& c = GetParam();
    editor.zoom().zoomTo(c.zoom);
    editor.viewport().setValue(H, c.scrollX);
    editor.viewport().setValue(V, c.scrollY);
    const ViewAnchor before = editor.viewport().anchorAt(c.x, c.y);

    wheel(c.notches, kCtrl, c.x, c.y);

    EXPECT_EQ(editor.zoom().zoom(), c.expectedZoom);
    const ViewAnchor after = editor.viewport().anchorAt(c.x, c.y);
    // The bars hold whole pixels: the point may move by half a pixel.
    EXPECT_LE(std::abs(after.sheetX - before.sheetX), 0.5 / c.expectedZoom);
    EXPECT_LE(std::abs(after.sheetY - before.sheetY), 0.5 / c.expectedZoom);
    // A press there finds the same sheet point as before.
    const Point pressed = {canvasToSheet(int16_t(editor.viewport().viewOffsetX()), c.x, editor.zoom().zoom()),
                           canvasToSheet(int16_t(editor.viewport().viewOffsetY()), c.y, editor.zoom().zoom())};
    EXPECT_LE(std::abs(pressed.x - before.sheetX), 1.0);
    EXPECT_LE(std::abs(pressed.y - before.sheetY), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Zooms, CtrlWheel, ::testing::Values(
    WheelCase{"InFromActualSize", 1.0, 0, 0, 300.0f, 200.0f, 1, 1.25},
    WheelCase{"InScrolled", 1.5, 400, 700, 123.5f, 401.0f, 1, 2.0},
    // At 50 % the sheet fits the canvas's width and stays at its start, where sheet x 800
    // lies under canvas x 400 at both zooms.
    WheelCase{"OutToHalf", 0.75, 200, 300, 400.0f, 50.0f, -1, 0.5},
    WheelCase{"TwoNotchesIn", 2.0, 1000, 1500, 10.0f, 470.0f, 2, 4.0},
    WheelCase{"OutOfTheLargest", 4.0, 3000, 4000, 344.0f, 244.0f, -1, 3.0}),
    CaseName());

TEST_F(EditorZoomTest, RepaintLaysTheSheetOnTheDevicePixels)
{
    editor.repaint();
    EXPECT_EQ(canvas.magnification, Magnification{});
    EXPECT_EQ(canvas.only(Op::Box).front(), boxOp(20, 30, 1168, 1507, colors::Black));

    editor.zoom().zoomTo(2.0);
    editor.viewport().setValue(H, 121);
    editor.viewport().setValue(V, 40);
    editor.zoom().setDeviceRatio(2.0);
    editor.repaint();
    // Unit 60 starts one canvas pixel left of the canvas: two device pixels.
    EXPECT_EQ(canvas.magnification, (Magnification{4.0, -2.0, 0.0}));
    EXPECT_EQ(sinceLastCls()[1], boxOp(20 - 60, 30 - 20, 1168 - 60, 1507 - 20, colors::Black));
}

TEST_F(EditorZoomTest, ZoomIsAViewSettingNotAChange)
{
    editor.zoom().zoomIn();
    editor.zoom().fitPage();
    EXPECT_FALSE(state.modified);
    // The step undone is the last insertion, not a zoom.
    ASSERT_TRUE(editor.undo());
    EXPECT_EQ(state.blockCount, 2);
    EXPECT_EQ(editor.zoom().zoom(), fitPageZoom(688, 488, state.paper));
    editor.limpa_desenho();  // New keeps the zoom
    EXPECT_EQ(editor.zoom().zoom(), fitPageZoom(688, 488, state.paper));
    EXPECT_EQ(editor.viewport().hScroll().value, 0);
}

TEST_F(EditorZoomTest, WheelScrollsAsFarAsAnArrowKey)
{
    wheel(-2, {}, 100, 100);
    EXPECT_EQ(editor.viewport().viewOffsetY(), 120);
    wheel(-1, kAlt, 100, 100);
    EXPECT_EQ(editor.viewport().viewOffsetX(), 60);
    wheel(5, kAlt, 100, 100);
    EXPECT_EQ(editor.viewport().viewOffsetX(), 0);
    EXPECT_EQ(editor.zoom().zoom(), kActualSize);
}

// While connecting, the band is drawn again at the new zoom from the same port, and the
// second press still ends the link.
TEST_F(EditorZoomTest, OperationGoesOnAcrossAZoom)
{
    press(kActionBottom.x, kActionBottom.y);
    ASSERT_EQ(state.editMode, EditMode::Connecting);
    editor.Diagrama_MouseMove(MouseButton::None, {}, 300, 300);

    wheel(1, kCtrl, 300, 300);
    EXPECT_EQ(state.editMode, EditMode::Connecting);
    const std::vector<RecordedOp> drawn = sinceLastCls();
    const auto band = std::find(drawn.begin(), drawn.end(), RecordedOp{.op = Op::XorMode, .on = true});
    ASSERT_NE(band, drawn.end());
    const Point pointer = {canvasToSheet(int16_t(editor.viewport().viewOffsetX()), 300, 1.25),
                           canvasToSheet(int16_t(editor.viewport().viewOffsetY()), 300, 1.25)};
    const ZoomedOrigin ox = zoomedOrigin(editor.viewport().viewOffsetX(), 1.25);
    const ZoomedOrigin oy = zoomedOrigin(editor.viewport().viewOffsetY(), 1.25);
    EXPECT_EQ(*(band + 1), lineOp(pointer.x - ox.unit, pointer.y - oy.unit, kActionBottom.x - ox.unit + 2,
                                  kActionBottom.y - oy.unit + 2, colors::White));

    press(kLowerTop.x, kLowerTop.y);
    EXPECT_EQ(state.linkCount, 1);
    EXPECT_EQ(state.links[0], (Link{connectionCode(0, Port::Bottom), connectionCode(2, Port::Top)}));
}

// Zoomed in, zoomed out or not: the same presses on the same sheet points make the same
// drawing and the same view to save.
TEST_F(EditorZoomTest, LinkingAndMovingGiveTheSameDrawingAtEveryZoom)
{
    struct Session {
        EditorState state;
        FakeUi ui;
        RecordingTarget canvas;
        RecordingTarget font;
        Editor editor{state, ui, canvas, font};

        explicit Session(double zoom)
        {
            editor.mtippapel_Click(0);
            editor.Form_Resize(700, 500, false);
            editor.limpa_desenho();
            editor.cancelOperation();
            editor.zoom().zoomTo(zoom);
            int16_t home = keys::Home;
            int16_t pageUp = keys::PageUp;
            editor.Form_KeyDown(home, {});
            editor.Form_KeyDown(pageUp, {});
        }
        void press(Point p, MouseButton button = kLeft)
        {
            const CanvasPoint at = canvasPointOf(editor, p);
            editor.Diagrama_MouseDown(button, {}, at.x, at.y);
        }
        void insert(Point p)
        {
            editor.minserebloco_Click();
            editor.SelBloco_Click(0);
            press(p);
        }
    };

    const auto edit = [](double zoom) {
        auto s = std::make_unique<Session>(zoom);
        s->insert({200, 120});
        s->insert({250, 330});
        s->press(portPoint(s->state.blocks[0], Port::Bottom));
        s->press(portPoint(s->state.blocks[1], Port::Top));
        s->press({s->state.blocks[1].x + 5, s->state.blocks[1].y - 3}, kRight);
        s->press({413, 397});
        return s;
    };
    const auto actual = edit(kActualSize);
    ASSERT_EQ(actual->state.linkCount, 1);
    ASSERT_EQ(actual->state.blocks[1].x, 416);
    for (const double zoom : {1.5, 0.5}) {
        const auto zoomed = edit(zoom);
        EXPECT_EQ(snapshot(zoomed->state), snapshot(actual->state)) << zoom;
        EXPECT_EQ(zoomed->editor.viewPosition().scrollX, actual->editor.viewPosition().scrollX) << zoom;
        EXPECT_EQ(zoomed->editor.viewPosition().scrollY, actual->editor.viewPosition().scrollY) << zoom;
        EXPECT_TRUE(zoomed->ui.messages.empty()) << zoom;
    }
}

} // namespace
} // namespace corvix::testing
