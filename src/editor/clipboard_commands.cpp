#include "editor/clipboard_commands.h"

#include "model/text_rules.h"
#include "storage/diagram_codec.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string_view>
#include <utility>

namespace corvix {

namespace {

constexpr int32_t kPasteOffset = 16;  // right and down of the copied blocks

DiagramFragment fragmentOf(const EditorState& state, const std::vector<int32_t>& ascending)
{
    DiagramFragment fragment;
    for (const int32_t index : ascending)
        fragment.blocks.push_back(state.blocks[size_t(index)]);
    // A copied block's position in the fragment, or -1 for one left behind.
    const auto position = [&](int32_t code) {
        const auto at = std::lower_bound(ascending.begin(), ascending.end(), codeBlock(code));
        return at != ascending.end() && *at == codeBlock(code) ? int32_t(at - ascending.begin()) : -1;
    };
    for (int32_t i = 0; i < state.linkCount; ++i) {
        const Link& link = state.links[size_t(i)];
        const int32_t source = position(link.source);
        const int32_t target = position(link.target);
        if (source >= 0 && target >= 0)
            fragment.links.push_back({connectionCode(source, codePort(link.source)),
                                      connectionCode(target, codePort(link.target))});
    }
    return fragment;
}

// Other programs get one line a block, so a block's own line breaks become spaces.
std::string textsOf(const DiagramFragment& fragment)
{
    std::string text;
    for (const Block& block : fragment.blocks) {
        const std::string_view line = block.text;
        for (size_t i = 0; i < line.size(); ++i) {
            const bool lineBreak = line.substr(i, 2) == "\r\n";
            text += lineBreak ? ' ' : line[i];
            i += lineBreak ? 1 : 0;
        }
        text += "\r\n";
    }
    return text;
}

// The middle of the box around the blocks' centres.
Point middleOf(const DiagramFragment& fragment)
{
    const auto [left, right] = std::minmax_element(fragment.blocks.begin(), fragment.blocks.end(),
                                                   [](const Block& a, const Block& b) { return a.x < b.x; });
    const auto [top, bottom] = std::minmax_element(fragment.blocks.begin(), fragment.blocks.end(),
                                                   [](const Block& a, const Block& b) { return a.y < b.y; });
    return {int32_t((int64_t(left->x) + right->x) / 2), int32_t((int64_t(top->y) + bottom->y) / 2)};
}

int32_t difference(int32_t a, int32_t b)
{
    return int32_t(std::clamp<int64_t>(int64_t(a) - b, INT32_MIN, INT32_MAX));
}

// At most what a block record holds, never ending inside a line break.
std::string withinTextLimit(std::string text)
{
    if (text.size() <= size_t(kMaxTextBytes))
        return text;
    size_t length = size_t(kMaxTextBytes);
    if (text[length - 1] == '\r' && text[length] == '\n')
        --length;
    text.resize(length);
    return text;
}

} // namespace

ClipboardCommands::ClipboardCommands(EditorState& state, DrawingCommands& commands, CanvasView& view)
    : state_(state)
    , commands_(commands)
    , view_(view)
{
}

std::optional<ClipboardContent> ClipboardCommands::copy() const
{
    const std::vector<int32_t>& selected = state_.selection.blocks();
    if (selected.empty())
        return std::nullopt;
    const DiagramFragment fragment = fragmentOf(state_, selected);
    std::optional<std::vector<uint8_t>> bytes = encodeFragment(fragment);
    if (!bytes)
        return std::nullopt;
    return ClipboardContent{std::move(*bytes), textsOf(fragment), {}};
}

std::optional<ClipboardContent> ClipboardCommands::cut()
{
    std::optional<ClipboardContent> content = copy();
    if (!content)
        return std::nullopt;
    commands_.removeBlocks(state_.selection.blocks());
    state_.selection = {};
    view_.repinta_tudo();
    return content;
}

void ClipboardCommands::paste(const ClipboardContent& content, std::optional<CanvasPoint> pointer)
{
    std::optional<Point> at;
    if (pointer)
        at = view_.sheetPoint(pointer->x, pointer->y);
    if (const std::optional<DiagramFragment> fragment = decodeFragment(content.blocks))
        pasteBlocks(*fragment, at);
    else
        pasteText(content.text, at);
}

void ClipboardCommands::duplicate()
{
    const std::vector<int32_t> selected = state_.selection.blocks();
    if (!selected.empty())
        pasteBlocks(fragmentOf(state_, selected), std::nullopt);
}

void ClipboardCommands::pasteBlocks(const DiagramFragment& fragment, std::optional<Point> at)
{
    Point by{kPasteOffset, kPasteOffset};
    if (at) {
        const Point middle = middleOf(fragment);
        by = {difference(at->x, middle.x), difference(at->y, middle.y)};
    }
    const std::optional<int32_t> first = commands_.paste(fragment, by.x, by.y);
    if (!first)
        return;
    std::vector<int32_t> pasted(fragment.blocks.size());
    std::iota(pasted.begin(), pasted.end(), *first);
    state_.selection = Selection::ofBlocks(std::move(pasted));
    view_.repinta_tudo();
}

void ClipboardCommands::pasteText(std::string text, std::optional<Point> at)
{
    text = withinTextLimit(std::move(text));
    if (trimSpaces(text).empty())
        return;
    const Point place = at ? *at : view_.viewCentre();
    if (!commands_.insere_bloco(BlockKind::Action, text, place.x, place.y))
        return;
    state_.selection = Selection::ofBlock(state_.blockCount - 1);
    view_.repinta_tudo();
}

} // namespace corvix
