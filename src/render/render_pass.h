#pragma once

#include "model/editor_state.h"
#include "model/paper.h"
#include "render/render_target.h"
#include "render/text_lines.h"

#include <cstdint>
#include <vector>

namespace corvix {

// The page frame's two lines in sheet units, each the closed outline of its box.
struct PageFrame {
    SurfaceRect outer;
    SurfaceRect inner;
};

PageFrame pageFrame(const Paper& paper);

// What a pass draws highlighted.
struct Highlights {
    int32_t block = -1;   // -1 = none
    int32_t link = -1;    // -1 = none
    bool all = false;     // everything, with yellow stubs (moving the whole drawing)
    // Several selected blocks, ascending, and with them every link between two of them.
    std::vector<int32_t> several;

    bool operator==(const Highlights&) const = default;
};

// The editor's selection and move-all mode: what the canvas, the preview and the
// printed page draw highlighted.
Highlights highlightsOf(const EditorState& state);

// Draws the whole diagram from scratch so that sheet point (ox, oy) falls on the
// target's origin: page frame, blocks, links, header and footer. Holds the text-line
// scratch table between passes, so a surface drawn again and again keeps one pass.
class RenderPass {
public:
    // With the editor's selection and move-all mode highlighted.
    void desenha_diagrama(RenderTarget& target, const EditorState& state, int32_t ox, int32_t oy);
    // The page as the drawing's file holds it, for export: the sheet at the origin and
    // nothing highlighted, whatever the editor has selected.
    void drawFilePage(RenderTarget& target, const EditorState& state);
    void draw(RenderTarget& target, const EditorState& state, const Highlights& highlights, int32_t ox, int32_t oy);

    const TextLines& textLines() const { return textLines_; }

private:
    TextLines textLines_;
};

} // namespace corvix
