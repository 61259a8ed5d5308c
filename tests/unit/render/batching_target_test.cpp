#include "render/batching_target.h"
#include "render/render_pass.h"
#include "support/capacity_diagram.h"
#include "support/recording_target.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace corvix {
namespace {

using testing::Op;
using testing::RecordingTarget;

constexpr int32_t kCell = 7;
constexpr int32_t kLine = 14;

// What painted each unit of a page last: the kind of drawing, its colour and its style
// or marker, so that two pages compare equal only if every unit shows the same thing.
class UnitPage {
public:
    UnitPage(int32_t width, int32_t height)
        : width_(width)
        , height_(height)
        , units_(size_t(width) * size_t(height), 0)
    {
    }

    static uint64_t paint(int kind, Color c, int extra = 0)
    {
        return uint64_t(kind) << 40 | uint64_t(c.r) << 24 | uint64_t(c.g) << 16 | uint64_t(c.b) << 8 | uint64_t(extra);
    }

    void rect(int64_t left, int64_t top, int64_t right, int64_t bottom, uint64_t value)
    {
        for (int64_t y = std::max<int64_t>(top, 0); y <= std::min<int64_t>(bottom, height_ - 1); ++y) {
            for (int64_t x = std::max<int64_t>(left, 0); x <= std::min<int64_t>(right, width_ - 1); ++x)
                units_[size_t(y * width_ + x)] = value;
        }
    }

    // The units the page image paints: from the start up to, not including, the end.
    void stroke(const Stroke& s, uint64_t value)
    {
        if (s.box) {
            const int64_t l = std::min(s.x1, s.x2), r = std::max(s.x1, s.x2);
            const int64_t t = std::min(s.y1, s.y2), b = std::max(s.y1, s.y2);
            rect(l, t, r, t, value);
            rect(l, b, r, b, value);
            rect(l, t, l, b, value);
            rect(r, t, r, b, value);
            return;
        }
        const int64_t dx = int64_t(s.x2) - s.x1, dy = int64_t(s.y2) - s.y1;
        const int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
        for (int64_t i = 0; i < steps; ++i) {
            const double t = double(i) / double(steps);
            const int64_t x = s.x1 + int64_t(std::nearbyint(t * double(dx)));
            const int64_t y = s.y1 + int64_t(std::nearbyint(t * double(dy)));
            rect(x, y, x, y, value);
        }
    }

    bool operator==(const UnitPage&) const = default;

private:
    int32_t width_;
    int32_t height_;
    std::vector<uint64_t> units_;
};

enum Kind { Fill = 1, Line, Text, Picture };

// Paints each batch over the ones before, as an SVG or PDF viewer shows them.
class PaintingWriter final : public BatchWriter {
public:
    explicit PaintingWriter(UnitPage& page)
        : page_(page)
    {
    }
    void fills(Color c, std::span<const SurfaceRect> rects) override
    {
        for (const SurfaceRect& r : rects)
            page_.rect(r.left, r.top, r.right, r.bottom, UnitPage::paint(Fill, c));
    }
    void strokes(Color c, LineStyle style, std::span<const Stroke> strokes) override
    {
        for (const Stroke& s : strokes)
            page_.stroke(s, UnitPage::paint(Line, c, int(style)));
    }
    void texts(Color c, std::span<const TextRun> runs) override
    {
        for (const TextRun& t : runs)
            page_.rect(t.x, t.top, int64_t(t.x) + t.width - 1, int64_t(t.top) + t.height - 1, UnitPage::paint(Text, c));
    }
    void pictures(std::span<const PicturePlacement> pictures) override
    {
        for (const PicturePlacement& p : pictures)
            page_.rect(p.x, p.y, int64_t(p.x) + p.w - 1, int64_t(p.y) + p.h - 1, UnitPage::paint(Picture, {}, int(p.marker)));
    }

private:
    UnitPage& page_;
};

// The recorded calls painted one by one, in the order the pass made them.
void paintInCallOrder(const RecordingTarget& recording, UnitPage& page, int32_t width, int32_t height, Color background)
{
    LineStyle style = LineStyle::Solid;
    for (const testing::RecordedOp& op : recording.ops) {
        switch (op.op) {
        case Op::Cls:
            page.rect(0, 0, width - 1, height - 1, UnitPage::paint(Fill, background));
            break;
        case Op::DrawStyle:
            style = op.style;
            break;
        case Op::Line:
        case Op::Box:
            page.stroke({op.x1, op.y1, op.x2, op.y2, op.op == Op::Box}, UnitPage::paint(Line, op.color, int(style)));
            break;
        case Op::PaintPicture:
            page.rect(op.x1, op.y1, int64_t(op.x1) + op.x2 - 1, int64_t(op.y1) + op.y2 - 1,
                      UnitPage::paint(Picture, {}, int(op.marker)));
            break;
        case Op::Print: {
            TextLines lines;
            lines.split(op.text);
            for (int32_t k = 0; k < lines.count(); ++k) {
                const int64_t top = int64_t(op.y1) + int64_t(k) * kLine;
                const int64_t right = int64_t(op.x1) + int64_t(lines[k].size()) * kCell - 1;
                if (!op.on)
                    page.rect(op.x1, top, right, top + kLine - 1, UnitPage::paint(Fill, background));
                page.rect(op.x1, top, right, top + kLine - 1, UnitPage::paint(Text, op.color));
            }
            break;
        }
        default:
            break;
        }
    }
}

TEST(BatchingTarget, everyUnitShowsWhatThePassPaintedThereLast)
{
    // Ten thousand overlapping blocks on one page: every crossing of two colours decides.
    EditorState state;
    const RecordingTarget font(kCell, kLine);
    testing::makeCapacityDiagram(state, font, testing::CapacityLayout::OnTheSheet);
    state.programNotice = "corvix - drawn with Corvix";
    const int32_t width = state.paper.pageWidth;
    const int32_t height = state.paper.pageHeight;

    RecordingTarget recording(kCell, kLine);
    recording.setDrawableArea(SurfaceRect{0, 0, width - 1, height - 1});
    RenderPass().drawFilePage(recording, state);
    UnitPage inOrder(width, height);
    paintInCallOrder(recording, inOrder, width, height, colors::White);

    UnitPage batched(width, height);
    PaintingWriter writer(batched);
    BatchingTarget target(writer, font, width, height, colors::White);
    RenderPass().drawFilePage(target, state);
    target.finish();

    EXPECT_TRUE(batched == inOrder);
    // The point of batching: a few thousand batches for some hundred thousand calls.
    EXPECT_LT(target.batchCount() * 20, recording.ops.size());
}

TEST(BatchingTarget, batchesBeyondWhatTheOwnerTableNumbersStillPaintInOrder)
{
    // Lines of two colours in turn over the same units, each of a length of its own: every
    // line needs a batch of its own, some seventy thousand in all.
    constexpr int32_t kWidth = 8;
    const RecordingTarget font(kCell, kLine);
    RecordingTarget recording(kCell, kLine);
    UnitPage batched(kWidth, 1);
    PaintingWriter writer(batched);
    BatchingTarget target(writer, font, kWidth, 1, colors::White);
    for (int32_t i = 0; i < 70000; ++i) {
        const Color color = i % 2 ? colors::Red : colors::Blue;
        const int32_t end = 1 + (i * 5) % kWidth;
        recording.Line(0, 0, end, 0, color);
        target.Line(0, 0, end, 0, color);
    }
    target.finish();
    UnitPage inOrder(kWidth, 1);
    paintInCallOrder(recording, inOrder, kWidth, 1, colors::White);
    EXPECT_GT(target.batchCount(), size_t(0xFFFF));
    EXPECT_TRUE(batched == inOrder);
}

// Path commands as text, one letter and its units each.
struct PathText {
    std::string text;
    void moveTo(int32_t x, int32_t y) { text += "M" + std::to_string(x) + "," + std::to_string(y) + " "; }
    void lineTo(int32_t x, int32_t y) { text += "L" + std::to_string(x) + "," + std::to_string(y) + " "; }
    void close() { text += "Z "; }
    void unit(int32_t x, int32_t y) { text += "U" + std::to_string(x) + "," + std::to_string(y) + " "; }
};

struct StrokePathCase {
    const char* name;
    std::vector<Stroke> strokes;
    const char* path;
};

class StrokePath : public ::testing::TestWithParam<StrokePathCase> {};

TEST_P(StrokePath, paintsTheUnitsOfTheSegments)
{
    PathText path;
    writeStrokePath(GetParam().strokes, path);
    EXPECT_EQ(path.text, GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, StrokePath,
    ::testing::Values(
        StrokePathCase{"lone_segment_stops_a_unit_short", {{10, 5, 20, 5}}, "M10,5 L19,5 "},
        StrokePathCase{"turn_runs_on_through_the_corner", {{10, 5, 10, 40}, {10, 40, 30, 40}}, "M10,5 L10,40 L29,40 "},
        // The second segment of a vertical-first route may have no length: the corner stays unpainted.
        StrokePathCase{"zero_length_second_segment", {{10, 5, 10, 40}, {10, 40, 10, 40}}, "M10,5 L10,39 "},
        StrokePathCase{"turning_back_starts_anew", {{10, 5, 20, 5}, {20, 5, 12, 5}}, "M10,5 L19,5 M20,5 L13,5 "},
        StrokePathCase{"slanted_segments_are_not_joined", {{0, 0, 8, 8}, {8, 8, 16, 8}}, "M0,0 L7,7 M8,8 L15,8 "},
        StrokePathCase{"one_unit_segment", {{7, 7, 8, 7}}, "U7,7 "},
        StrokePathCase{"box_is_closed", {{2, 3, 9, 6, true}}, "M2,3 L9,3 L9,6 L2,6 Z "}),
    [](const ::testing::TestParamInfo<StrokePathCase>& p) { return std::string(p.param.name); });

} // namespace
} // namespace corvix
