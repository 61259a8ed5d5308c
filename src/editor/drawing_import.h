#pragma once
// Blocks that come without places (a Mermaid text) measured and laid out by Arrange. The
// core reaches Arrange only through the Arranger it is given (the shell and the command
// line give layout::arrangeBlocks), so it links no Graphviz; it shares Arrange's types.

#include "model/arrangement.h"
#include "model/editor_state.h"
#include "render/block_geometry.h"
#include "render/render_target.h"
#include "storage/fragment_codec.h"

#include <functional>
#include <optional>
#include <span>
#include <string>

namespace corvix {

using Arranger = std::function<Arrangement(const EditorState&, std::span<const int32_t>)>;

struct ArrangedImport {
    std::optional<DiagramFragment> fragment;  // sized blocks at their arranged centres
    Message refusal;                          // why not, when there is no fragment
};

// The fragment's blocks measured with font and arranged as if appended to state's blocks,
// which keep their places: put near `near` in free space on the page, or, without near,
// as the whole drawing of an empty state. state is not changed.
ArrangedImport arrangeImported(const EditorState& state, DiagramFragment fragment, const TextMeasurer& font,
                               const Arranger& arrange, std::optional<Point> near);

// The fragment's blocks and links become state's whole tables.
void putDrawing(EditorState& state, const DiagramFragment& fragment);

} // namespace corvix
