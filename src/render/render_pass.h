#pragma once

#include "model/editor_state.h"
#include "render/render_target.h"
#include "render/text_lines.h"

#include <cstdint>

namespace corvix {

// One full drawing of the diagram. Holds the text-line scratch table between passes;
// an object per surface, or the one behind desenha_diagrama.
class RenderPass {
public:
    void draw(RenderTarget& target, const EditorState& state, int32_t ox, int32_t oy);

    const TextLines& textLines() const { return textLines_; }

private:
    TextLines textLines_;
};

// Draws the whole diagram from scratch so that sheet point (ox, oy) falls on the
// target's origin: page frame, blocks, links, header and footer.
void desenha_diagrama(RenderTarget& target, const EditorState& state, int32_t ox, int32_t oy);

} // namespace corvix
