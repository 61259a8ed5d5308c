#include "render/render_pass.h"

#include "model/text_codec.h"
#include "render/block_drawing.h"
#include "render/link_drawing.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>

namespace corvix {

namespace {

// A cell size from the surface's measure; nothing a real font gives comes near the bounds.
int32_t cellSize(double measured)
{
    if (!std::isfinite(measured) || measured < 0)
        return 0;
    return int32_t(std::lrint(std::min(measured, 65536.0)));
}

bool shows(const Extent& e, const std::optional<SurfaceRect>& area)
{
    return withinDrawingLimit(e) && (!area || e.meets(*area));
}

void drawPageFrame(RenderTarget& target, const Paper& paper, int32_t ox, int32_t oy)
{
    const PageFrame frame = pageFrame(paper);
    for (const SurfaceRect& box : {frame.outer, frame.inner})
        target.Box(box.left - ox, box.top - oy, box.right - ox, box.bottom - oy, colors::Black);
}

void printHeader(RenderTarget& target, const EditorState& state, CharCell cell, int32_t ox, int32_t oy)
{
    target.FontTransparent(false);
    target.ForeColor(colors::Black);
    target.CurrentX(20 - ox);
    target.CurrentY(30 - cell.height - 6 - oy);
    target.Print(state.fileName.empty() ? std::string("<--- NEW ---> ") : "File: " + utf8ToCp1252(state.fileName));
}

void printFooter(RenderTarget& target, const EditorState& state, CharCell cell, int32_t ox, int32_t oy)
{
    const std::string notice = utf8ToCp1252(state.programNotice);
    const int64_t x = int64_t(state.paper.pageWidth) - (int64_t(notice.size()) + 5) * cell.width - ox;
    target.CurrentX(int32_t(std::clamp<int64_t>(x, -kDrawingLimit, kDrawingLimit)));
    target.CurrentY(state.paper.pageHeight - 2 * cell.height - oy);
    target.Print(notice);
}

bool isAmong(std::span<const int32_t> ascending, int32_t index)
{
    return std::binary_search(ascending.begin(), ascending.end(), index);
}

bool linkHighlighted(const Highlights& highlights, int32_t index, const Link& link)
{
    return index == highlights.link || highlights.all
           || (isAmong(highlights.several, codeBlock(link.source)) && isAmong(highlights.several, codeBlock(link.target)));
}

} // namespace

PageFrame pageFrame(const Paper& paper)
{
    const int32_t pw = paper.pageWidth;
    const int32_t ph = paper.pageHeight;
    return {{20, 30, pw - 20, ph - 30}, {26, 36, pw - 26, ph - 36}};
}

Highlights highlightsOf(const EditorState& state)
{
    const Selection& selected = state.selection;
    return {selected.block(), selected.link(), state.editMode == EditMode::MovingAll,
            selected.several() ? selected.blocks() : std::vector<int32_t>{}};
}

void RenderPass::desenha_diagrama(RenderTarget& target, const EditorState& state, int32_t ox, int32_t oy)
{
    draw(target, state, highlightsOf(state), ox, oy);
}

void RenderPass::drawFilePage(RenderTarget& target, const EditorState& state)
{
    draw(target, state, Highlights{}, 0, 0);
}

void RenderPass::draw(RenderTarget& target, const EditorState& state, const Highlights& highlights, int32_t ox,
                      int32_t oy)
{
    target.Cls();
    const CharCell cell{cellSize(target.TextWidth("a")), cellSize(target.TextHeight("a"))};
    drawPageFrame(target, state.paper, ox, oy);

    const bool movingAll = highlights.all;
    const Color stubColor = movingAll ? colors::Yellow : colors::Black;
    const std::optional<SurfaceRect> area = target.DrawableArea();

    const std::span<const Block> blocks = state.blocksInUse();
    for (size_t i = 0; i < blocks.size(); ++i) {
        const Block& block = blocks[i];
        if (!shows(blockExtent(block, ox, oy, cell), area))
            continue;
        textLines_.split(block.text);
        const bool highlighted = int32_t(i) == highlights.block || movingAll || isAmong(highlights.several, int32_t(i));
        drawBlock(target, block, textLines_, ox, oy, highlighted, stubColor, cell);
    }

    const int32_t linkCount = std::clamp<int32_t>(state.linkCount, 0, int32_t(state.links.size()));
    for (int32_t j = 0; j < linkCount; ++j) {
        const Link& link = state.links[size_t(j)];
        const std::optional<LinkPath> path = routeLink(link, blocks, ox, oy);
        if (path && shows(pathExtent(*path), area))
            drawLinkPath(target, *path, linkColor(linkHighlighted(highlights, j, link)));
    }

    printHeader(target, state, cell, ox, oy);
    printFooter(target, state, cell, ox, oy);
    target.FontTransparent(true);
}

} // namespace corvix
