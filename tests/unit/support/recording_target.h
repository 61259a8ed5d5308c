#pragma once
// A RenderTarget that records every operation with its arguments, for exact drawing
// tests. Its font is a fake of fixed pitch: every character is cellWidth x cellHeight.

#include "render/render_target.h"
#include "render/text_lines.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace corvix::testing {

enum class Op { Cls, Line, Box, ForeColor, CurrentX, CurrentY, Print, PaintPicture, DrawStyle, FontTransparent, XorMode };

// One recorded operation. Fields an operation does not use keep their defaults.
// Line and Box: (x1, y1)-(x2, y2) and color. PaintPicture: marker at (x1, y1), size
// x2 x y2. CurrentX, CurrentY: the value in x1. ForeColor: color. DrawStyle: style.
// FontTransparent, XorMode: on. Print: text at the text position (x1, y1) in the text
// colour (color), with the font transparency then in force (on).
struct RecordedOp {
    Op op = Op::Cls;
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
    Color color{};
    std::string text{};
    Marker marker = Marker::SetaBaixo;
    LineStyle style = LineStyle::Solid;
    bool on = false;

    bool operator==(const RecordedOp&) const = default;
};

inline RecordedOp lineOp(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color)
{
    return {.op = Op::Line, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .color = color};
}

inline RecordedOp boxOp(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color)
{
    return {.op = Op::Box, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .color = color};
}

inline RecordedOp styleOp(LineStyle style)
{
    return {.op = Op::DrawStyle, .style = style};
}

inline RecordedOp xorOp(bool on)
{
    return {.op = Op::XorMode, .on = on};
}

inline RecordedOp pictureOp(Marker marker, int32_t x, int32_t y, int32_t w, int32_t h)
{
    return {.op = Op::PaintPicture, .x1 = x, .y1 = y, .x2 = w, .y2 = h, .marker = marker};
}

inline RecordedOp printOp(std::string text, int32_t x, int32_t y, Color color, bool transparent)
{
    return {.op = Op::Print, .x1 = x, .y1 = y, .color = color, .text = std::move(text), .on = transparent};
}

inline std::ostream& operator<<(std::ostream& out, Color c)
{
    return out << '(' << int(c.r) << ',' << int(c.g) << ',' << int(c.b) << ')';
}

// Readable failure messages in GoogleTest.
inline void PrintTo(const RecordedOp& r, std::ostream* out)
{
    static const char* const names[] = {"Cls", "Line", "Box", "ForeColor", "CurrentX", "CurrentY",
                                        "Print", "PaintPicture", "DrawStyle", "FontTransparent", "XorMode"};
    *out << names[int(r.op)] << ' ' << r.x1 << ',' << r.y1 << ' ' << r.x2 << ',' << r.y2 << ' ' << r.color;
    if (r.op == Op::Print)
        *out << " \"" << r.text << '"';
    if (r.op == Op::PaintPicture)
        *out << " marker " << int(r.marker);
    if (r.op == Op::DrawStyle)
        *out << " style " << int(r.style);
    if (r.op == Op::FontTransparent || r.op == Op::XorMode || r.op == Op::Print)
        *out << (r.on ? " on" : " off");
}

class RecordingTarget final : public RenderTarget {
public:
    explicit RecordingTarget(int32_t cellWidth = 7, int32_t cellHeight = 14)
        : cellWidth_(cellWidth)
        , cellHeight_(cellHeight)
    {
    }

    std::vector<RecordedOp> ops;
    // As last set; not an operation of the pass, so not among ops.
    Magnification magnification;

    // The operations of one kind, in order.
    std::vector<RecordedOp> only(Op op) const
    {
        std::vector<RecordedOp> out;
        std::copy_if(ops.begin(), ops.end(), std::back_inserter(out), [op](const RecordedOp& r) { return r.op == op; });
        return out;
    }

    // Lines, boxes and pictures: the drawing without text and state changes.
    std::vector<RecordedOp> shapes() const
    {
        std::vector<RecordedOp> out;
        std::copy_if(ops.begin(), ops.end(), std::back_inserter(out), [](const RecordedOp& r) {
            return r.op == Op::Line || r.op == Op::Box || r.op == Op::PaintPicture;
        });
        return out;
    }

    // Makes the render pass cull against this area, as a real surface does.
    void setDrawableArea(std::optional<SurfaceRect> area) { area_ = area; }

    double TextWidth(std::string_view text) const override
    {
        TextLines lines;
        lines.split(text);
        return double(lines.longest()) * cellWidth_;
    }

    double TextHeight(std::string_view text) const override
    {
        TextLines lines;
        lines.split(text);
        return double(lines.count()) * cellHeight_;
    }

    void Cls() override { ops.push_back({.op = Op::Cls}); }
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color) override
    {
        ops.push_back(lineOp(x1, y1, x2, y2, color));
    }
    void Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color) override
    {
        ops.push_back(boxOp(x1, y1, x2, y2, color));
    }
    void ForeColor(Color color) override
    {
        foreColor_ = color;
        ops.push_back({.op = Op::ForeColor, .color = color});
    }
    void CurrentX(int32_t x) override
    {
        x_ = x;
        ops.push_back({.op = Op::CurrentX, .x1 = x});
    }
    void CurrentY(int32_t y) override
    {
        y_ = y;
        ops.push_back({.op = Op::CurrentY, .x1 = y});
    }
    void Print(std::string_view text) override { ops.push_back(printOp(std::string(text), x_, y_, foreColor_, transparent_)); }
    void PaintPicture(Marker marker, int32_t x, int32_t y, int32_t w, int32_t h) override
    {
        ops.push_back(pictureOp(marker, x, y, w, h));
    }
    void DrawStyle(LineStyle style) override { ops.push_back({.op = Op::DrawStyle, .style = style}); }
    void FontTransparent(bool transparent) override
    {
        transparent_ = transparent;
        ops.push_back({.op = Op::FontTransparent, .on = transparent});
    }
    void XorMode(bool on) override { ops.push_back({.op = Op::XorMode, .on = on}); }
    void Magnify(const Magnification& m) override { magnification = m; }
    std::optional<SurfaceRect> DrawableArea() const override { return area_; }

private:
    int32_t cellWidth_;
    int32_t cellHeight_;
    Color foreColor_ = colors::Black;
    int32_t x_ = 0;
    int32_t y_ = 0;
    bool transparent_ = true;
    std::optional<SurfaceRect> area_;
};

} // namespace corvix::testing
