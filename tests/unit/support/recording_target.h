#pragma once
// A RenderTarget that records its calls, with a fixed-pitch fake font, so that drawing
// and sizing tests are exact and independent of real fonts.

#include "render/render_target.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvix::test {

// Every character is kCharWidth wide and every line kLineHeight high; lines split at CR LF.
class FixedPitchFont : public TextMeasurer {
public:
    static constexpr int kCharWidth = 7;
    static constexpr int kLineHeight = 14;

    double TextWidth(std::string_view text) const override
    {
        size_t longest = 0;
        forEachLine(text, [&](std::string_view line) { longest = std::max(longest, line.size()); });
        return double(longest) * kCharWidth;
    }

    double TextHeight(std::string_view text) const override
    {
        int lines = 0;
        forEachLine(text, [&](std::string_view) { ++lines; });
        return double(lines) * kLineHeight;
    }

private:
    template<typename F>
    static void forEachLine(std::string_view text, F f)
    {
        for (;;) {
            const size_t end = text.find("\r\n");
            f(text.substr(0, end));
            if (end == std::string_view::npos)
                return;
            text.remove_prefix(end + 2);
        }
    }
};

struct RecordedOp {
    std::string name;           // the RenderTarget operation
    std::vector<int32_t> args;  // its integer arguments, in order
    Color color{};
    std::string text;
    bool operator==(const RecordedOp&) const = default;
};

class RecordingTarget final : public RenderTarget {
public:
    double TextWidth(std::string_view text) const override { return font_.TextWidth(text); }
    double TextHeight(std::string_view text) const override { return font_.TextHeight(text); }

    void Cls() override { ops.push_back({"Cls", {}, {}, {}}); }
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color) override
    {
        ops.push_back({"Line", {x1, y1, x2, y2}, color, {}});
    }
    void Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color) override
    {
        ops.push_back({"Box", {x1, y1, x2, y2}, color, {}});
    }
    void ForeColor(Color color) override { ops.push_back({"ForeColor", {}, color, {}}); }
    void CurrentX(int32_t x) override { ops.push_back({"CurrentX", {x}, {}, {}}); }
    void CurrentY(int32_t y) override { ops.push_back({"CurrentY", {y}, {}, {}}); }
    void Print(std::string_view text) override { ops.push_back({"Print", {}, {}, std::string(text)}); }
    void PaintPicture(Marker marker, int32_t x, int32_t y, int32_t w, int32_t h) override
    {
        ops.push_back({"PaintPicture", {int32_t(marker), x, y, w, h}, {}, {}});
    }
    void DrawStyle(LineStyle style) override { ops.push_back({"DrawStyle", {int32_t(style)}, {}, {}}); }
    void FontTransparent(bool transparent) override { ops.push_back({"FontTransparent", {transparent}, {}, {}}); }
    void XorMode(bool on) override { ops.push_back({"XorMode", {on}, {}, {}}); }

    std::vector<RecordedOp> ops;

private:
    FixedPitchFont font_;
};

} // namespace corvix::test
