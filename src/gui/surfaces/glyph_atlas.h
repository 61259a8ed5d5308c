#pragma once

#include "surfaces/pixel_canvas.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <string_view>

namespace corvix {

class QtTextMeasurer;

// The sheet font's 256 Windows-1252 characters, each drawn once as a coverage mask, so
// that text can go straight into an image's pixels one cell after another, as Qt itself
// draws a font of fixed pitch with whole-pixel cells. Drawn at a scale (a shrunk canvas),
// the glyphs are those Qt draws under that scale, one cell every cell width times scale
// pixels.
class GlyphAtlas {
public:
    explicit GlyphAtlas(const QtTextMeasurer& font, double scale = 1);

    double scale() const { return scale_; }

    // True when every character of line advances by exactly one cell (a character the
    // font lacks may come from another font with another width).
    bool fits(std::string_view line) const;
    // The line with its top-left corner at pixel (x, top), in color.
    void draw(PixelCanvas& pixels, std::string_view line, int64_t x, int64_t top, QRgb color) const;

private:
    struct Glyph {
        QImage mask;    // Format_Alpha8, cut to the ink; null for a character without any
        QPoint offset;  // of the mask from the cell's top-left corner
        bool fixed = false;
    };

    std::array<Glyph, 256> glyphs_;
    int cellWidth_ = 0;  // units
    double scale_ = 1;
};

} // namespace corvix
