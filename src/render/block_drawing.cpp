#include "render/block_drawing.h"

#include <cstdlib>

namespace corvix {

namespace {

// Where one block lands on the surface: its centre and its text box.
struct Frame {
    int32_t cx, cy;
    int32_t L, T, R, B;
};

Frame frameOf(const Block& b, int32_t ox, int32_t oy)
{
    Frame f{};
    f.cx = b.x - ox;
    f.cy = b.y - oy;
    f.L = f.cx - b.width / 2;
    f.T = f.cy - b.height / 2;
    f.R = f.L + b.width;
    f.B = f.T + b.height;
    return f;
}

void drawText(RenderTarget& target, const Block& b, const Frame& f, const TextLines& lines, CharCell cell)
{
    const int32_t n = lines.longest();
    for (int32_t k = 0; k < lines.count(); ++k) {
        const int32_t length = int32_t(lines[k].size());
        const int32_t x = b.kind == BlockKind::Action ? f.L : f.L + ((n - length) / 2) * cell.width;
        target.CurrentX(x);
        target.CurrentY(f.T + k * cell.height);
        target.Print(lines[k]);
    }
}

void drawAction(RenderTarget& t, const Block& b, const Frame& f, const BlockColors& c, Color stub)
{
    const auto [cx, cy, L, T, R, B] = f;
    t.Line(L - 4, T - 4, R + 5, T - 4, c.light);
    t.Line(L - 3, T - 3, R + 4, T - 3, c.dark);
    t.Line(L - 3, B + 3, R + 3, B + 3, c.light);
    t.Line(L - 4, B + 4, R + 4, B + 4, c.dark);
    t.Line(L - 4, T - 4, L - 4, B + 4, c.light);
    t.Line(L - 3, T - 3, L - 3, B + 3, c.dark);
    t.Line(R + 4, T - 3, R + 4, B + 4, c.dark);
    t.Line(R + 3, T - 2, R + 3, B + 3, c.light);
    t.Line(cx, T - 20, cx, T - 4, stub);
    t.Line(cx, B + 20, cx, B + 4, stub);
    const int32_t a = markerWidth(Marker::SetaBaixo);
    t.PaintPicture(Marker::SetaBaixo, cx - a / 2, cy + b.portDy, a, a);
    t.PaintPicture(Marker::SetaBaixo, cx - a / 2, cy - b.portDy - a, a, a);
}

void drawDecision(RenderTarget& t, const Block& b, const Frame& f, const BlockColors& c, Color stub)
{
    const auto [cx, cy, L, T, R, B] = f;
    const int32_t half = ((B + 4) - (T - 4)) / 2;
    const int32_t vl = (L - 4) - half;
    const int32_t vr = (R + 4) + half;
    t.Line(L - 4, T - 4, R + 5, T - 4, c.light);
    t.Line(L - 3, T - 3, R + 4, T - 3, c.dark);
    t.Line(L - 3, B + 3, R + 4, B + 3, c.light);
    t.Line(L - 4, B + 4, R + 5, B + 4, c.dark);
    t.Line(vl, cy, L - 4, T - 4, c.light);
    t.Line(vl, cy, L - 4, B + 4, c.dark);
    t.Line(vl + 2, cy, L - 3, T - 3, c.dark);
    t.Line(vl + 2, cy, L - 3, B + 3, c.light);
    t.Line(vr, cy, R + 4, T - 4, c.light);
    t.Line(vr, cy, R + 4, B + 4, c.dark);
    t.Line(vr - 2, cy, R + 3, T - 3, c.dark);
    t.Line(vr - 2, cy, R + 3, B + 3, c.light);
    t.Line(cx, T - 21, cx, T - 4, stub);
    t.Line(vl - 16, cy, vl, cy, stub);
    t.Line(vr + 16, cy, vr, cy, stub);

    const bool swapped = b.kind == BlockKind::DecisionSwapped;
    const Marker right = swapped ? Marker::SimDir : Marker::Naodir;
    const Marker left = swapped ? Marker::Naoesq : Marker::SimEsq;
    const int32_t s = markerWidth(Marker::SimDir);
    t.PaintPicture(right, cx + b.portDx - s, cy - s / 2, s, s);
    t.PaintPicture(left, cx - b.portDx, cy - s / 2, s, s);
}

void drawGotoJump(RenderTarget& t, const Block& b, const Frame& f, const BlockColors& c)
{
    const auto [cx, cy, L, T, R, B] = f;
    t.Line(L + 4, T - 4, R - 4, T - 4, c.light);
    t.Line(L + 5, T - 3, R - 5, T - 3, c.dark);
    t.Line(L + 4, T - 4, L - 4, T + 4, c.light);
    t.Line(L + 5, T - 3, L - 3, T + 5, c.dark);
    t.Line(R - 4, T - 4, R + 4, T + 4, c.dark);
    t.Line(R - 5, T - 3, R + 3, T + 5, c.light);
    const int32_t m = markerWidth(Marker::Saida);
    t.PaintPicture(c.exit, cx - m / 2, cy + b.portDy, m, m);
}

void drawGotoTarget(RenderTarget& t, const Block& b, const Frame& f, const BlockColors& c)
{
    const auto [cx, cy, L, T, R, B] = f;
    t.Line(L + 7, B + 3, R - 5, B + 3, c.light);
    t.Line(L + 6, B + 4, R - 4, B + 4, c.dark);
    t.Line(L + 4, B + 4, L - 4, B - 4, c.light);
    t.Line(L + 5, B + 3, L - 3, B - 5, c.dark);
    t.Line(R - 4, B + 4, R + 4, B - 4, c.dark);
    t.Line(R - 5, B + 3, R + 3, B - 5, c.light);
    const int32_t m = markerWidth(Marker::Saida);
    t.PaintPicture(c.entry, cx - m / 2, cy - b.portDy - m, m, m);
}

void drawExplanation(RenderTarget& t, const Frame& f, const BlockColors& c)
{
    t.DrawStyle(LineStyle::Dot);
    t.Box(f.L - 4, f.T - 4, f.R + 4, f.B + 4, c.explanation);
    t.DrawStyle(LineStyle::Solid);
}

} // namespace

BlockColors blockColors(bool highlighted)
{
    if (highlighted)
        return {colors::Red, colors::Yellow, colors::Cyan, colors::Yellow, Marker::EntradaClara, Marker::SaidaClara};
    return {colors::Black, colors::Cyan, colors::Blue, colors::Black, Marker::Entrada, Marker::Saida};
}

Extent blockExtent(const Block& b, int32_t ox, int32_t oy, CharCell cell)
{
    const int64_t cx = int64_t(b.x) - ox;
    const int64_t cy = int64_t(b.y) - oy;
    // Halves rounded up, as a stored width or height may be odd or negative.
    const int64_t halfWidth = std::llabs(b.width) / 2 + 1;
    const int64_t halfHeight = std::llabs(b.height) / 2 + 1;
    // Frame, stubs and pictures reach at most 32 units beyond the text box, the side
    // vertices and the ports.
    constexpr int64_t shapes = 32;
    const int64_t acrossX = halfWidth + halfHeight + std::llabs(b.portDx) + shapes;
    const int64_t acrossY = halfHeight + std::llabs(b.portDy) + shapes;
    Extent e{cx - acrossX, cy - acrossY, cx + acrossX, cy + acrossY};

    // Each line costs at least its CR LF, and a glyph may overhang its cell a little.
    const int64_t size = int64_t(b.text.size());
    const int64_t overhang = 2 * (int64_t(cell.width) + cell.height);
    e.include({cx - halfWidth - overhang, cy - halfHeight - overhang,
               cx + halfWidth + 2 * size * cell.width + overhang,
               cy + halfHeight + (size / 2 + 1) * cell.height + overhang});
    return e;
}

void drawBlock(RenderTarget& target, const Block& block, const TextLines& lines, int32_t ox, int32_t oy,
               bool highlighted, Color stubColor, CharCell cell)
{
    const BlockColors c = blockColors(highlighted);
    target.ForeColor(c.text);
    drawText(target, block, frameOf(block, ox, oy), lines, cell);
    drawBlockShape(target, block, ox, oy, c, stubColor);
}

void drawBlockShape(RenderTarget& target, const Block& block, int32_t ox, int32_t oy, const BlockColors& c,
                    Color stubColor)
{
    const Frame f = frameOf(block, ox, oy);
    switch (block.kind) {
    case BlockKind::Action:
        drawAction(target, block, f, c, stubColor);
        break;
    case BlockKind::Decision:
    case BlockKind::DecisionSwapped:
        drawDecision(target, block, f, c, stubColor);
        break;
    case BlockKind::GotoJump:
        drawGotoJump(target, block, f, c);
        break;
    case BlockKind::GotoTarget:
        drawGotoTarget(target, block, f, c);
        break;
    case BlockKind::Explanation:
        drawExplanation(target, f, c);
        break;
    default:
        break;
    }
}

} // namespace corvix
