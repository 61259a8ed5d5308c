#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace corvix {

struct Color {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Color&) const = default;
};

namespace colors {
inline constexpr Color Black{0, 0, 0};
inline constexpr Color White{255, 255, 255};
inline constexpr Color Red{255, 0, 0};
inline constexpr Color Yellow{255, 255, 0};
inline constexpr Color Cyan{0, 255, 255};
inline constexpr Color Blue{0, 0, 255};
inline constexpr Color Cream{255, 255, 220};  // canvas and preview background
} // namespace colors

// The nine marker pictures; each surface owns their pixels. SetaBaixo: the down arrow of
// an entry; SimDir/SimEsq and Naodir/Naoesq: the Yes and No labels right and left of a
// decision; Saida/Entrada: the goto jump's and target's markers, Clara their highlighted
// (light) forms.
enum class Marker { SetaBaixo, SimDir, SimEsq, Naodir, Naoesq, Saida, Entrada, SaidaClara, EntradaClara };
inline constexpr size_t kMarkerCount = size_t(Marker::EntradaClara) + 1;

// Every marker picture is square: the arrow 12 units, the labels and goto markers 16.
constexpr int32_t markerWidth(Marker marker)
{
    return marker == Marker::SetaBaixo ? 12 : 16;
}

// Line styles by their classic numbers.
enum class LineStyle : int { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4 };

// Text size in a font, in sheet units. Texts are Windows-1252 bytes, lines split at CR LF.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual double TextWidth(std::string_view text) const = 0;
    virtual double TextHeight(std::string_view text) const = 0;
};

// A rectangle of surface units, edges included.
struct SurfaceRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool operator==(const SurfaceRect&) const = default;
};

// How a magnified surface lays its units on its device: unit u covers device pixels from
// u * scale + shift on. The canvas is magnified by zoom and the screen's pixel ratio.
struct Magnification {
    double scale = 1;
    double shiftX = 0;
    double shiftY = 0;
    bool operator==(const Magnification&) const = default;
};

// The drawing surface the render pass draws on: canvas, page image, SVG, PDF, or a
// recording in the tests. Coordinates are sheet units on the surface; the surface clips.
class RenderTarget : public TextMeasurer {
public:
    // Fills the surface with its background colour.
    virtual void Cls() = 0;
    // One unit wide in the current style; paints (x1, y1) but not (x2, y2).
    virtual void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color) = 0;
    // The closed outline of the rectangle with these opposite corners.
    virtual void Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color) = 0;
    virtual void ForeColor(Color color) = 0;
    virtual void CurrentX(int32_t x) = 0;
    virtual void CurrentY(int32_t y) = 0;
    // Top-left at the text position, in the text colour; on a background box when
    // font transparency is off.
    virtual void Print(std::string_view text) = 0;
    // Scaled to w x h; transparent pixels leave the surface untouched.
    virtual void PaintPicture(Marker marker, int32_t x, int32_t y, int32_t w, int32_t h) = 0;
    virtual void DrawStyle(LineStyle style) = 0;
    virtual void FontTransparent(bool transparent) = 0;
    // Exclusive-or drawing for the rubber band: drawing a line twice removes it.
    virtual void XorMode(bool on) = 0;
    // Set before a pass by the canvas's view; the render pass never calls it, and surfaces
    // that are never magnified (page, preview, print, export) keep one unit a unit.
    virtual void Magnify(const Magnification&) {}

    // The area outside which nothing drawn can show. The render pass skips blocks and
    // links that lie wholly outside it; no area (the default) means every operation
    // must reach the surface, as a recording needs.
    virtual std::optional<SurfaceRect> DrawableArea() const { return std::nullopt; }
};

} // namespace corvix
