#pragma once
// An Editor on a 700 x 500 window with paper A4, a fake UI, a recording canvas and a
// fixed-pitch window font of 7 x 14 units a character.

#include "editor/editor.h"
#include "render/block_geometry.h"

#include "support/fake_ui.h"
#include "support/recording_target.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvix::testing {

// Both tables whole, unused entries included, with their counts.
struct Tables {
    std::vector<Block> blocks;
    int32_t blockCount = 0;
    std::vector<Link> links;
    int32_t linkCount = 0;
    bool operator==(const Tables&) const = default;
};

inline Tables snapshot(const EditorState& s)
{
    return {s.blocks, s.blockCount, s.links, s.linkCount};
}

// The canvas point where sheet point p is shown now, at the editor's zoom.
inline CanvasPoint canvasPointOf(const Editor& editor, Point p)
{
    const Viewport& v = editor.viewport();
    return {float(p.x * editor.zoom().zoom() - v.viewOffsetX()), float(p.y * editor.zoom().zoom() - v.viewOffsetY())};
}

inline constexpr MouseButton kLeft = MouseButton::Left;
inline constexpr MouseButton kRight = MouseButton::Right;
inline constexpr KeyModifiers kCtrl = kCtrlHeld;

class EditorTest : public ::testing::Test {
protected:
    EditorTest()
    {
        editor.mtippapel_Click(0);
        editor.Form_Resize(700, 500, false);
        editor.limpa_desenho();
        editor.cancelOperation();
    }

    // The canvas point over sheet point p; the view is at the origin unless a test moves it.
    CanvasPoint toCanvas(Point p) const { return canvasPointOf(editor, p); }

    // A press at sheet point (x, y).
    void press(int32_t x, int32_t y, MouseButton button = kLeft, KeyModifiers modifiers = {})
    {
        const CanvasPoint at = toCanvas({x, y});
        editor.Diagrama_MouseDown(button, modifiers, at.x, at.y);
    }

    // The pointer moved to sheet point p with the left button held.
    void moveHeld(Point p, KeyModifiers modifiers = {})
    {
        const CanvasPoint at = toCanvas(p);
        editor.Diagrama_MouseMove(kLeft, modifiers, at.x, at.y);
    }

    void release(Point p, KeyModifiers modifiers = {})
    {
        const CanvasPoint at = toCanvas(p);
        editor.Diagrama_MouseUp(kLeft, modifiers, at.x, at.y);
    }

    // A left press at from, a move to to with the button held, and its release there.
    void drag(Point from, Point to, KeyModifiers modifiers = {})
    {
        press(from.x, from.y, kLeft, modifiers);
        moveHeld(to, modifiers);
        release(to, modifiers);
    }

    // Blocks with the default text "== N ==" (and "?" for decisions), as inserted by a press.
    int32_t addBlock(BlockKind kind, int32_t x, int32_t y)
    {
        const int32_t index = state.blockCount;
        EXPECT_TRUE(editor.commands().insere_bloco(kind, "== " + std::to_string(index) + " ==", x, y));
        return index;
    }

    EditorState state;
    FakeUi ui;
    RecordingTarget canvas;
    RecordingTarget font;
    Editor editor{state, ui, canvas, font};
};

// Three blocks: an action at (400, 200) with ports top (400, 173) and bottom (400, 227);
// a decision at (200, 200) with ports top (200, 172), right (259, 200), left (141, 200);
// an action at (400, 400) with ports top (400, 373) and bottom (400, 427). No links.
class ThreeBlocks : public EditorTest {
protected:
    ThreeBlocks()
    {
        addBlock(BlockKind::Action, 400, 200);
        addBlock(BlockKind::Decision, 200, 200);
        addBlock(BlockKind::Action, 400, 400);
        state.modified = false;
    }

    static constexpr Point kActionTop{400, 173};
    static constexpr Point kActionBottom{400, 227};
    static constexpr Point kDecisionTop{200, 172};
    static constexpr Point kDecisionLeft{141, 200};
    static constexpr Point kDecisionRight{259, 200};
    static constexpr Point kLowerTop{400, 373};
    static constexpr Point kLowerBottom{400, 427};

    void connect(Point from, Point to)
    {
        press(from.x, from.y);
        press(to.x, to.y);
    }
};

} // namespace corvix::testing
