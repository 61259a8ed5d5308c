#include "render/batching_target.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace corvix {

namespace {

// Batches of one key that items may still join; the oldest beyond these are written, so
// that the batches held stay few however large the drawing.
constexpr size_t kOpenPerKey = 256;
// The batches one table of owners can number.
constexpr size_t kNumberedBatches = 0xFFFF;

// The owner table's entries are scanned and filled by blocks of rows: a column (the
// vertical lines) one entry a row, longer rows eight entries at a time, in loops of a
// fixed length, which the compiler turns into single vector instructions.
using EightEntries = std::array<uint16_t, 8>;

uint16_t largestInRow(const uint16_t* first, const uint16_t* end)
{
    uint16_t top = 0;
    if (end - first >= 8) {
        EightEntries largest{};
        for (; end - first >= 8; first += 8) {
            EightEntries next;
            for (size_t i = 0; i < next.size(); ++i)
                next[i] = std::max(largest[i], first[i]);
            largest = next;
        }
        for (const uint16_t lane : largest)
            top = std::max(top, lane);
    }
    for (; first != end; ++first)
        top = std::max(top, *first);
    return top;
}

void fillRow(uint16_t* first, uint16_t* end, uint16_t value)
{
    EightEntries eight;
    eight.fill(value);
    for (; end - first >= 8; first += 8)
        std::memcpy(first, eight.data(), sizeof eight);
    std::fill(first, end, value);
}

int32_t wholeUnits(double measured)
{
    if (!std::isfinite(measured) || measured < 0)
        return 0;
    return int32_t(std::lrint(std::min(measured, 1e9)));
}

} // namespace

void BatchingTarget::Cover::add(int64_t left, int64_t top, int64_t right, int64_t bottom, int32_t width,
                                int32_t height)
{
    left = std::max<int64_t>(left, 0);
    top = std::max<int64_t>(top, 0);
    right = std::min<int64_t>(right, width - 1);
    bottom = std::min<int64_t>(bottom, height - 1);
    if (left <= right && top <= bottom)
        rects[count++] = {int32_t(left), int32_t(top), int32_t(right), int32_t(bottom)};
}

BatchingTarget::BatchingTarget(BatchWriter& writer, const TextMeasurer& measurer, int32_t width, int32_t height,
                               Color background)
    : writer_(writer)
    , measurer_(measurer)
    , width_(std::max(width, 0))
    , height_(std::max(height, 0))
    , background_(background)
    , lineHeight_(wholeUnits(measurer.TextHeight("a")))
    , owner_(size_t(width_) * size_t(height_), 0)
{
}

double BatchingTarget::TextWidth(std::string_view text) const
{
    return measurer_.TextWidth(text);
}

double BatchingTarget::TextHeight(std::string_view text) const
{
    return measurer_.TextHeight(text);
}

BatchingTarget::Cover BatchingTarget::rectCover(int64_t left, int64_t top, int64_t right, int64_t bottom) const
{
    Cover cover;
    cover.add(left, top, right, bottom, width_, height_);
    return cover;
}

BatchingTarget::Cover BatchingTarget::segmentCover(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    const UnitPoint last = lastUnit(x1, y1, x2, y2);
    Cover cover = rectCover(std::min(x1, last.x), std::min(y1, last.y), std::max(x1, last.x), std::max(y1, last.y));
    cover.slanted = x1 != x2 && y1 != y2;
    if (!cover.slanted || cover.count == 0)
        return cover;
    // The units the painter's rule steps through, within the clipped box; lines that only
    // run side by side do not share one, as their boxes would.
    const SurfaceRect& box = cover.rects[0];
    const int64_t dx = int64_t(x2) - x1;
    const int64_t dy = int64_t(y2) - y1;
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const int64_t steps = alongX ? std::llabs(dx) : std::llabs(dy);
    slantedUnits_.clear();
    for (int64_t i = 0; i < steps; ++i) {
        const double t = double(i) / double(steps);
        const int64_t x = alongX ? x1 + (dx > 0 ? i : -i) : x1 + int64_t(std::nearbyint(t * double(dx)));
        const int64_t y = alongX ? y1 + int64_t(std::nearbyint(t * double(dy))) : y1 + (dy > 0 ? i : -i);
        if (x >= box.left && x <= box.right && y >= box.top && y <= box.bottom)
            slantedUnits_.push_back(size_t(y) * size_t(width_) + size_t(x));
    }
    cover.units = slantedUnits_;
    return cover;
}

template <typename Unit, typename Visit>
void BatchingTarget::forEachBlock(Unit* owner, int32_t width, const Cover& cover, Visit&& visit)
{
    if (cover.slanted) {
        for (const size_t unit : cover.units)
            visit(owner + unit, size_t(1), size_t(1));
        return;
    }
    for (int i = 0; i < cover.count; ++i) {
        const SurfaceRect& r = cover.rects[i];
        visit(owner + size_t(r.top) * size_t(width) + size_t(r.left), size_t(r.right - r.left) + 1,
              size_t(r.bottom - r.top) + 1);
    }
}

uint32_t BatchingTarget::topmost(const Cover& cover) const
{
    const size_t stride = size_t(width_);
    uint16_t top = 0;
    forEachBlock(owner_.data(), width_, cover, [&](const uint16_t* row, size_t length, size_t rows) {
        for (; rows > 0; --rows, row += stride)
            top = std::max(top, length == 1 ? *row : largestInRow(row, row + length));
    });
    return top;
}

void BatchingTarget::mark(const Cover& cover, uint32_t batch)
{
    const size_t stride = size_t(width_);
    const auto value = uint16_t(batch);
    forEachBlock(owner_.data(), width_, cover, [&](uint16_t* row, size_t length, size_t rows) {
        for (; rows > 0; --rows, row += stride) {
            if (length == 1)
                *row = value;
            else
                fillRow(row, row + length, value);
        }
    });
}

void BatchingTarget::restartNumbering()
{
    // Everything written so far lies under whatever comes later, so the new numbers need
    // not know the old ones.
    finish();
    batches_.clear();
    written_ = 0;
    std::fill(owner_.begin(), owner_.end(), uint16_t(0));
}

BatchingTarget::Batch& BatchingTarget::batchFor(const Key& key, const Cover& cover)
{
    if (batches_.size() == kNumberedBatches)
        restartNumbering();
    auto keyed = std::find_if(open_.begin(), open_.end(), [&](const OpenBatches& o) { return o.key == key; });
    if (keyed == open_.end()) {
        open_.push_back({key, {}});
        keyed = std::prev(open_.end());
    }
    std::vector<size_t>& open = keyed->batches;
    // The lowest batch of the key that lies over everything the item covers, so that
    // what comes later finds room as low as possible too.
    const uint32_t top = topmost(cover);
    const auto fits = std::lower_bound(open.begin(), open.end(), size_t(top), [](size_t b, size_t t) { return b + 1 < t; });
    size_t index = 0;
    if (fits != open.end()) {
        index = *fits;
    } else {
        index = batches_.size();
        batches_.emplace_back().key = key;
        ++made_;
        open.push_back(index);
        if (open.size() > kOpenPerKey) {
            close(open.front());
            open.erase(open.begin());
        }
    }
    mark(cover, uint32_t(index + 1));
    return batches_[index];
}

void BatchingTarget::close(size_t batch)
{
    batches_[batch].closed = true;
    writeClosed();
}

void BatchingTarget::writeClosed()
{
    while (written_ < batches_.size() && batches_[written_].closed)
        write(batches_[written_++]);
}

void BatchingTarget::write(Batch& batch)
{
    switch (batch.key.kind) {
    case Kind::Fills:
        writer_.fills(batch.key.color, batch.fills);
        break;
    case Kind::Strokes:
        batch.strokes.unpack(unpacked_);
        writer_.strokes(batch.key.color, batch.key.style, unpacked_);
        break;
    case Kind::Texts:
        writer_.texts(batch.key.color, batch.texts);
        break;
    case Kind::Pictures:
        writer_.pictures(batch.pictures);
        break;
    }
    // Its items are written; only its key stays.
    batch.fills = {};
    batch.strokes = {};
    batch.texts = {};
    batch.pictures = {};
}

void BatchingTarget::finish()
{
    for (const OpenBatches& keyed : open_) {
        for (const size_t b : keyed.batches)
            batches_[b].closed = true;
    }
    open_.clear();
    writeClosed();
}

void BatchingTarget::Cls()
{
    const Cover cover = rectCover(0, 0, width_ - 1, height_ - 1);
    if (cover.count > 0)
        batchFor({Kind::Fills, background_, LineStyle::Solid}, cover).fills.push_back(cover.rects[0]);
}

void BatchingTarget::Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color)
{
    if (x1 == x2 && y1 == y2)
        return;
    const Cover cover = segmentCover(x1, y1, x2, y2);
    if (cover.count > 0)
        batchFor({Kind::Strokes, color, style_}, cover).strokes.push_back({x1, y1, x2, y2, false});
}

void BatchingTarget::Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color)
{
    const int64_t left = std::min(x1, x2);
    const int64_t right = std::max(x1, x2);
    const int64_t top = std::min(y1, y2);
    const int64_t bottom = std::max(y1, y2);
    Cover cover;
    cover.add(left, top, right, top, width_, height_);
    cover.add(left, bottom, right, bottom, width_, height_);
    cover.add(left, top, left, bottom, width_, height_);
    cover.add(right, top, right, bottom, width_, height_);
    if (cover.count > 0)
        batchFor({Kind::Strokes, color, style_}, cover).strokes.push_back({x1, y1, x2, y2, true});
}

void BatchingTarget::ForeColor(Color color)
{
    textColor_ = color;
}

void BatchingTarget::CurrentX(int32_t x)
{
    textX_ = x;
}

void BatchingTarget::CurrentY(int32_t y)
{
    textY_ = y;
}

void BatchingTarget::Print(std::string_view text)
{
    printLines_.split(text);
    for (int32_t k = 0; k < printLines_.count(); ++k) {
        const std::string_view line = printLines_[k];
        const int64_t top = int64_t(textY_) + int64_t(k) * lineHeight_;
        const int32_t width = wholeUnits(measurer_.TextWidth(line));
        const int64_t right = int64_t(textX_) + width - 1;
        const int64_t bottom = top + lineHeight_ - 1;
        // The line's box, behind the text unless the font is transparent.
        const Cover cover = rectCover(textX_, top, right, bottom);
        if (cover.count == 0)
            continue;
        if (!fontTransparent_)
            batchFor({Kind::Fills, background_, LineStyle::Solid}, cover)
                .fills.push_back({textX_, int32_t(top), int32_t(right), int32_t(bottom)});
        batchFor({Kind::Texts, textColor_, LineStyle::Solid}, cover)
            .texts.push_back({textX_, int32_t(top), width, lineHeight_, std::string(line)});
    }
}

void BatchingTarget::PaintPicture(Marker marker, int32_t x, int32_t y, int32_t w, int32_t h)
{
    if (w <= 0 || h <= 0)
        return;
    const Cover cover = rectCover(x, y, int64_t(x) + w - 1, int64_t(y) + h - 1);
    if (cover.count > 0)
        batchFor({Kind::Pictures, colors::Black, LineStyle::Solid}, cover).pictures.push_back({marker, x, y, w, h});
}

void BatchingTarget::DrawStyle(LineStyle style)
{
    style_ = style;
}

void BatchingTarget::FontTransparent(bool transparent)
{
    fontTransparent_ = transparent;
}

void BatchingTarget::XorMode(bool)
{
}

std::optional<SurfaceRect> BatchingTarget::DrawableArea() const
{
    return SurfaceRect{0, 0, width_ - 1, height_ - 1};
}

} // namespace corvix
