#pragma once

#include "model/block.h"
#include "render/extent.h"
#include "render/render_target.h"
#include "render/text_lines.h"

#include <cstdint>

namespace corvix {

// The surface's character cell, measured once a pass.
struct CharCell {
    int32_t width = 0;
    int32_t height = 0;
};

// A block is highlighted when it is selected or while everything is being moved.
struct BlockColors {
    Color text;
    Color light;        // light edge
    Color dark;         // dark edge
    Color explanation;  // dotted outline of an explanation
    Marker entry;       // goto target's marker
    Marker exit;        // goto jump's marker
};

BlockColors blockColors(bool highlighted);

// Bounds of everything drawBlock may paint for this block, offset and cell. The block's
// text is bounded by its length alone, without splitting it, on the assumption that no
// character of the surface's font is wider than two cells.
Extent blockExtent(const Block& block, int32_t ox, int32_t oy, CharCell cell);

// Draws the text first, then the outline, stubs and pictures of the block's kind; a
// block of an unknown kind is its text alone. lines holds block.text split, and the
// block's extent must lie within the drawing limit.
void drawBlock(RenderTarget& target, const Block& block, const TextLines& lines, int32_t ox, int32_t oy,
               bool highlighted, Color stubColor, CharCell cell);

// The part of drawBlock after the text: outline, stubs and pictures; nothing for a block
// of an unknown kind.
void drawBlockShape(RenderTarget& target, const Block& block, int32_t ox, int32_t oy, const BlockColors& colors,
                    Color stubColor);

} // namespace corvix
