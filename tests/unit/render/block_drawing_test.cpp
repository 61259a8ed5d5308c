#include "render/block_drawing.h"
#include "render/block_geometry.h"
#include "render/shape_extent.h"
#include "support/recording_target.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace corvix {

// Found by GoogleTest next to Extent.
void PrintTo(const Extent& e, std::ostream* out)
{
    *out << e.left << ',' << e.top << ' ' << e.right << ',' << e.bottom;
}

namespace {

using testing::boxOp;
using testing::lineOp;
using testing::Op;
using testing::pictureOp;
using testing::printOp;
using testing::RecordedOp;
using testing::RecordingTarget;

constexpr CharCell kCell{8, 16};
constexpr Color kLight = colors::Cyan;
constexpr Color kDark = colors::Blue;
constexpr Color kStub = colors::Black;

// Sized by the fake font, centred exactly at (x, y) even off the grid.
Block makeBlock(BlockKind kind, int32_t x, int32_t y, std::string text)
{
    Block b;
    sizeBlock(b, kind, std::move(text), x, y, RecordingTarget(kCell.width, kCell.height));
    b.x = x;
    b.y = y;
    return b;
}

RecordingTarget drawn(const Block& b, bool highlighted = false, int32_t ox = 0, int32_t oy = 0)
{
    RecordingTarget target(kCell.width, kCell.height);
    TextLines lines;
    lines.split(b.text);
    drawBlock(target, b, lines, ox, oy, highlighted, kStub, kCell);
    return target;
}

// The drawing without its text: lines, boxes, pictures and style changes.
std::vector<RecordedOp> outline(const RecordingTarget& target)
{
    std::vector<RecordedOp> out;
    for (const RecordedOp& r : target.ops) {
        if (r.op == Op::Line || r.op == Op::Box || r.op == Op::PaintPicture || r.op == Op::DrawStyle)
            out.push_back(r);
    }
    return out;
}

RecordedOp styleOp(LineStyle style)
{
    return {.op = Op::DrawStyle, .style = style};
}

TEST(BlockGeometry, TextBoxAndPortsOfAOneCharacterBlock)
{
    const Block action = makeBlock(BlockKind::Action, 100, 100, "a");
    EXPECT_EQ(action.width, 8);
    EXPECT_EQ(action.height, 16);
    EXPECT_EQ(portPoint(action, Port::Top), (Point{100, 72}));
    EXPECT_EQ(portPoint(action, Port::Bottom), (Point{100, 128}));
    EXPECT_THAT(drawn(action).only(Op::Print), ::testing::ElementsAre(printOp("a", 96, 92, colors::Black, true)));

    const Block decision = makeBlock(BlockKind::Decision, 100, 100, "a");
    EXPECT_EQ(portPoint(decision, Port::Top), (Point{100, 71}));
    EXPECT_EQ(portPoint(decision, Port::Right), (Point{136, 100}));
    EXPECT_EQ(portPoint(decision, Port::Left), (Point{64, 100}));
}

TEST(BlockGeometry, CentreSnapsToTheGridTruncatingTowardZero)
{
    struct Case {
        int32_t x, y;
        Point centre;
    };
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    for (const Case& c : {Case{3, 12, {0, 16}}, Case{-4, -4, {0, 0}}, Case{-11, 0, {0, 0}}, Case{-12, 0, {-8, 0}},
                          // A centre from a file at either end of the range; the snap once overflowed.
                          Case{kMax, kMax - 3, {kMax - 7, kMax - 7}}, Case{kMin, kMin, {kMin + 8, kMin + 8}}}) {
        Block b;
        sizeBlock(b, BlockKind::Action, "a", c.x, c.y, RecordingTarget());
        EXPECT_EQ((Point{b.x, b.y}), c.centre) << c.x << "," << c.y;
    }
}

struct OutlineCase {
    const char* name;
    BlockKind kind;
    std::vector<RecordedOp> expected;
};

// Every kind's outline, in drawing order, for text box (96, 92)-(104, 108) or, for the
// gotos and the explanation, (180, 92)-(220, 108).
std::vector<OutlineCase> outlineCases()
{
    return {
        {"Action", BlockKind::Action,
         {lineOp(92, 88, 109, 88, kLight), lineOp(93, 89, 108, 89, kDark), lineOp(93, 111, 107, 111, kLight),
          lineOp(92, 112, 108, 112, kDark), lineOp(92, 88, 92, 112, kLight), lineOp(93, 89, 93, 111, kDark),
          lineOp(108, 89, 108, 112, kDark), lineOp(107, 90, 107, 111, kLight), lineOp(100, 72, 100, 88, kStub),
          lineOp(100, 128, 100, 112, kStub), pictureOp(Marker::SetaBaixo, 94, 72, 12, 12),
          pictureOp(Marker::SetaBaixo, 94, 116, 12, 12)}},
        {"Decision", BlockKind::Decision,
         {lineOp(92, 88, 109, 88, kLight), lineOp(93, 89, 108, 89, kDark), lineOp(93, 111, 108, 111, kLight),
          lineOp(92, 112, 109, 112, kDark), lineOp(80, 100, 92, 88, kLight), lineOp(80, 100, 92, 112, kDark),
          lineOp(82, 100, 93, 89, kDark), lineOp(82, 100, 93, 111, kLight), lineOp(120, 100, 108, 88, kLight),
          lineOp(120, 100, 108, 112, kDark), lineOp(118, 100, 107, 89, kDark), lineOp(118, 100, 107, 111, kLight),
          lineOp(100, 71, 100, 88, kStub), lineOp(64, 100, 80, 100, kStub), lineOp(136, 100, 120, 100, kStub),
          pictureOp(Marker::Naodir, 120, 92, 16, 16), pictureOp(Marker::SimEsq, 64, 92, 16, 16)}},
        {"DecisionSwapped", BlockKind::DecisionSwapped,
         {lineOp(92, 88, 109, 88, kLight), lineOp(93, 89, 108, 89, kDark), lineOp(93, 111, 108, 111, kLight),
          lineOp(92, 112, 109, 112, kDark), lineOp(80, 100, 92, 88, kLight), lineOp(80, 100, 92, 112, kDark),
          lineOp(82, 100, 93, 89, kDark), lineOp(82, 100, 93, 111, kLight), lineOp(120, 100, 108, 88, kLight),
          lineOp(120, 100, 108, 112, kDark), lineOp(118, 100, 107, 89, kDark), lineOp(118, 100, 107, 111, kLight),
          lineOp(100, 71, 100, 88, kStub), lineOp(64, 100, 80, 100, kStub), lineOp(136, 100, 120, 100, kStub),
          pictureOp(Marker::SimDir, 120, 92, 16, 16), pictureOp(Marker::Naoesq, 64, 92, 16, 16)}},
        {"GotoJump", BlockKind::GotoJump,
         {lineOp(184, 88, 216, 88, kLight), lineOp(185, 89, 215, 89, kDark), lineOp(184, 88, 176, 96, kLight),
          lineOp(185, 89, 177, 97, kDark), lineOp(216, 88, 224, 96, kDark), lineOp(215, 89, 223, 97, kLight),
          pictureOp(Marker::Saida, 192, 72, 16, 16)}},
        {"GotoTarget", BlockKind::GotoTarget,
         {lineOp(187, 111, 215, 111, kLight), lineOp(186, 112, 216, 112, kDark), lineOp(184, 112, 176, 104, kLight),
          lineOp(185, 111, 177, 103, kDark), lineOp(216, 112, 224, 104, kDark), lineOp(215, 111, 223, 103, kLight),
          pictureOp(Marker::Entrada, 192, 112, 16, 16)}},
        {"Explanation", BlockKind::Explanation,
         {styleOp(LineStyle::Dot), boxOp(176, 88, 224, 112, colors::Black), styleOp(LineStyle::Solid)}},
        {"UnknownKindIsTextAlone", kindFromCode(7), {}},
    };
}

TEST(BlockDrawing, EveryKindDrawsItsOutlineInOrder)
{
    for (const OutlineCase& c : outlineCases()) {
        const bool narrow = c.kind == BlockKind::Action || c.kind == BlockKind::Decision || c.kind == BlockKind::DecisionSwapped;
        const Block b = narrow ? makeBlock(c.kind, 100, 100, "a") : makeBlock(c.kind, 200, 100, "abcde");
        const RecordingTarget target = drawn(b);
        EXPECT_EQ(outline(target), c.expected) << c.name;
        // The text comes first, in black.
        ASSERT_GE(target.ops.size(), 4u) << c.name;
        EXPECT_EQ(target.ops[0], (RecordedOp{.op = Op::ForeColor, .color = colors::Black})) << c.name;
        EXPECT_EQ(target.ops[3].op, Op::Print) << c.name;
    }
}

TEST(BlockDrawing, OffsetMovesEverythingBack)
{
    const Block b = makeBlock(BlockKind::Action, 100, 100, "a");
    const RecordingTarget target = drawn(b, false, 100, 50);
    EXPECT_EQ(outline(target).front(), lineOp(-8, 38, 9, 38, kLight));
    EXPECT_EQ(target.only(Op::Print).front().x1, -4);
    EXPECT_EQ(target.only(Op::Print).front().y1, 42);
}

TEST(BlockDrawing, HighlightedBlockTakesTheBrightColoursAndMarkers)
{
    struct Case {
        BlockKind kind;
        std::vector<RecordedOp> firstAndLast;
    };
    const std::vector<Case> cases = {
        {BlockKind::Action, {lineOp(176, 88, 225, 88, colors::Yellow), pictureOp(Marker::SetaBaixo, 194, 116, 12, 12)}},
        {BlockKind::GotoJump, {lineOp(184, 88, 216, 88, colors::Yellow), pictureOp(Marker::SaidaClara, 192, 72, 16, 16)}},
        {BlockKind::GotoTarget, {lineOp(187, 111, 215, 111, colors::Yellow), pictureOp(Marker::EntradaClara, 192, 112, 16, 16)}},
        {BlockKind::Explanation, {styleOp(LineStyle::Dot), styleOp(LineStyle::Solid)}},
    };
    for (const Case& c : cases) {
        const RecordingTarget target = drawn(makeBlock(c.kind, 200, 100, "abcde"), true);
        const std::vector<RecordedOp> shapes = outline(target);
        EXPECT_EQ(shapes.front(), c.firstAndLast[0]) << kindCode(c.kind);
        EXPECT_EQ(shapes.back(), c.firstAndLast[1]) << kindCode(c.kind);
        EXPECT_EQ(target.only(Op::Print).front().color, colors::Red) << kindCode(c.kind);
    }
    const std::vector<RecordedOp> action = outline(drawn(makeBlock(BlockKind::Action, 200, 100, "abcde"), true));
    EXPECT_EQ(action[1].color, colors::Cyan);  // the dark edge
    EXPECT_EQ(action[8].color, kStub);         // stubs keep the pass's colour
    const RecordingTarget explanation = drawn(makeBlock(BlockKind::Explanation, 200, 100, "abcde"), true);
    EXPECT_EQ(explanation.only(Op::Box).front().color, colors::Yellow);
}

TEST(BlockDrawing, LinesAreCentredInWholeCellsExceptInAnAction)
{
    const std::string text = "abcde\r\nabc\r\nab";
    struct Case {
        BlockKind kind;
        std::vector<int32_t> xs;
    };
    // The text box's left edge L is 180 for five cells of 8 at x = 200.
    for (const Case& c : {Case{BlockKind::Action, {180, 180, 180}}, Case{BlockKind::Decision, {180, 188, 188}},
                          Case{BlockKind::Explanation, {180, 188, 188}}, Case{kindFromCode(42), {180, 188, 188}}}) {
        const RecordingTarget target = drawn(makeBlock(c.kind, 200, 104, text), false);
        const std::vector<RecordedOp> prints = target.only(Op::Print);
        ASSERT_EQ(prints.size(), 3u) << kindCode(c.kind);
        for (size_t k = 0; k < 3; ++k) {
            EXPECT_EQ(prints[k].x1, c.xs[k]) << kindCode(c.kind) << " line " << k;
            EXPECT_EQ(prints[k].y1, 80 + int32_t(k) * 16) << kindCode(c.kind) << " line " << k;
        }
    }
}

TEST(BlockDrawing, EmptyTextDrawsOneEmptyLineAndTheWholeOutline)
{
    const RecordingTarget target = drawn(makeBlock(BlockKind::Decision, 100, 100, ""));
    EXPECT_THAT(target.only(Op::Print), ::testing::ElementsAre(printOp("", 100, 92, colors::Black, true)));
    EXPECT_EQ(target.shapes().size(), 17u);
}

TEST(TextLines, SplitsAtCarriageReturnLineFeed)
{
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"", {""}},
        {"ab", {"ab"}},
        {"ab\r\ncd", {"ab", "cd"}},
        {"ab\r\n", {"ab"}},
        {"ab\r\n\r\n", {"ab", ""}},
        {"\r\n", {""}},
        {"a\nb\rc", {"a\nb\rc"}},
    };
    TextLines lines;
    for (const Case& c : cases) {
        lines.split(c.text);
        std::vector<std::string> got;
        for (int32_t k = 0; k < lines.count(); ++k)
            got.emplace_back(lines[k]);
        EXPECT_EQ(got, c.lines) << c.text;
    }
}

TEST(TextLines, GrowsByTenSpareEntriesKeepingItsSize)
{
    std::string text;
    for (int k = 0; k < 25; ++k)
        text += "line " + std::to_string(k) + "\r\n";
    TextLines lines;
    EXPECT_EQ(lines.capacity(), 21u);
    lines.split(text);
    EXPECT_EQ(lines.count(), 25);
    EXPECT_EQ(lines[24], "line 24");
    EXPECT_EQ(lines.capacity(), 32u);  // line 21 needed 22 entries, plus ten
    lines.split("short");
    EXPECT_EQ(lines.capacity(), 32u);
}

TEST(BlockExtent, CoversEverythingTheBlockDraws)
{
    for (BlockKind kind : {BlockKind::Action, BlockKind::Decision, BlockKind::DecisionSwapped, BlockKind::GotoJump, BlockKind::GotoTarget, BlockKind::Explanation, BlockKind::None}) {
        const Block b = makeBlock(kind, 400, 300, "abc\r\ndefghij\r\nk");
        const Extent e = blockExtent(b, 50, 20, kCell);
        const RecordingTarget target = drawn(b, false, 50, 20);
        for (const RecordedOp& r : target.ops) {
            if (r.op == Op::Line || r.op == Op::Box) {
                for (Point p : {Point{r.x1, r.y1}, Point{r.x2, r.y2}})
                    EXPECT_TRUE(e.meets({p.x, p.y, p.x, p.y})) << kindCode(kind) << " at " << p.x << "," << p.y;
            } else if (r.op == Op::PaintPicture || r.op == Op::Print) {
                const int32_t w = r.op == Op::Print ? int32_t(r.text.size()) * kCell.width : r.x2;
                const int32_t h = r.op == Op::Print ? kCell.height : r.y2;
                EXPECT_TRUE(e.left <= r.x1 && e.top <= r.y1 && e.right >= r.x1 + w && e.bottom >= r.y1 + h) << kindCode(kind);
            }
        }
    }
}

// The units a block's outline, stubs and pictures paint, for text box (96, 92)-(104, 108):
// segments without their end unit, boxes with their edges, pictures whole.
TEST(BlockShapeExtent, IsWhatTheOutlineStubsAndPicturesPaint)
{
    struct Case {
        BlockKind kind;
        std::optional<Extent> expected;
    };
    for (const Case& c : {Case{BlockKind::Action, Extent{92, 72, 108, 128}}, Case{BlockKind::Decision, Extent{64, 71, 136, 112}},
                          Case{BlockKind::DecisionSwapped, Extent{64, 71, 136, 112}}, Case{BlockKind::GotoJump, Extent{92, 72, 107, 96}},
                          Case{BlockKind::GotoTarget, Extent{92, 104, 107, 127}}, Case{BlockKind::Explanation, Extent{92, 88, 108, 112}},
                          Case{kindFromCode(7), std::nullopt}}) {
        EXPECT_EQ(blockShapeExtent(makeBlock(c.kind, 100, 100, "a")), c.expected) << kindCode(c.kind);
    }
    // Never drawn, so it covers nothing.
    EXPECT_FALSE(blockShapeExtent(makeBlock(BlockKind::Action, std::numeric_limits<int32_t>::max(), 100, "a")));
}

} // namespace
} // namespace corvix
