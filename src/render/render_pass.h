#pragma once

#include "model/editor_state.h"
#include "render/render_target.h"

#include <cstdint>

namespace corvix {

// Draws the whole diagram from scratch so that sheet point (ox, oy) falls on the
// target's origin: page frame, blocks, links, header and footer.
void desenha_diagrama(RenderTarget& target, const EditorState& state, int32_t ox, int32_t oy);

} // namespace corvix
