#pragma once

#include "render/packed_strokes.h"
#include "render/render_target.h"
#include "render/text_lines.h"
#include "render/vector_strokes.h"

#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <vector>

namespace corvix {

// One line of text, Windows-1252, with its top-left corner and the size of its line box.
struct TextRun {
    int32_t x = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    std::string text;
};

struct PicturePlacement {
    Marker marker = Marker::SetaBaixo;
    int32_t x = 0;
    int32_t y = 0;
    int32_t w = 0;
    int32_t h = 0;
};

// A vector output format: each call draws one batch over everything before it.
class BatchWriter {
public:
    virtual ~BatchWriter() = default;
    // Filled rectangles, corners included.
    virtual void fills(Color color, std::span<const SurfaceRect> rects) = 0;
    // One unit wide lines, as writeStrokePath lays them out.
    virtual void strokes(Color color, LineStyle style, std::span<const Stroke> strokes) = 0;
    virtual void texts(Color color, std::span<const TextRun> runs) = 0;
    virtual void pictures(std::span<const PicturePlacement> pictures) = 0;
};

// A surface for vector formats that hands its writer a few thousand batches instead of
// every call: what the render pass draws in one colour and style goes into one batch,
// unless something drawn since in another batch covers a unit it paints, so that every
// unit ends up in the colour its last drawing gave it, as on a pixel surface. Batches are
// written in order as soon as no later call can add to them; finish() writes the rest.
class BatchingTarget final : public RenderTarget {
public:
    // A width x height surface; the measurer must outlive the surface.
    BatchingTarget(BatchWriter& writer, const TextMeasurer& measurer, int32_t width, int32_t height,
                   Color background);

    // Writes every batch not yet written; call once, after the last drawing.
    void finish();

    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    void Cls() override;
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color) override;
    void Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color) override;
    void ForeColor(Color color) override;
    void CurrentX(int32_t x) override;
    void CurrentY(int32_t y) override;
    void Print(std::string_view text) override;
    void PaintPicture(Marker marker, int32_t x, int32_t y, int32_t w, int32_t h) override;
    void DrawStyle(LineStyle style) override;
    void FontTransparent(bool transparent) override;
    // Vector output has no pixels to combine: the band is drawn plainly.
    void XorMode(bool on) override;
    std::optional<SurfaceRect> DrawableArea() const override;

    // Batches made so far.
    size_t batchCount() const { return made_; }

private:
    enum class Kind { Fills, Strokes, Texts, Pictures };
    struct Key {
        Kind kind = Kind::Fills;
        Color color;
        LineStyle style = LineStyle::Solid;
        bool operator==(const Key&) const = default;
    };
    struct Batch {
        Key key;
        bool closed = false;  // nothing more can join it
        std::vector<SurfaceRect> fills;
        PackedStrokes strokes;
        std::vector<TextRun> texts;
        std::vector<PicturePlacement> pictures;
    };
    // The units an item paints: up to four rectangles clipped to the surface, or the
    // units of a slanted segment, as offsets into the owner table.
    struct Cover {
        SurfaceRect rects[4];
        int count = 0;
        bool slanted = false;
        std::span<const size_t> units;
        void add(int64_t left, int64_t top, int64_t right, int64_t bottom, int32_t width, int32_t height);
    };

    // The batch of this key that an item covering these units joins, made when needed.
    Batch& batchFor(const Key& key, const Cover& cover);
    // Calls visit(first, length, rows) for each block of entries of the owner table that
    // the cover holds: rows of length entries from first down, a table row apart.
    template <typename Unit, typename Visit>
    static void forEachBlock(Unit* owner, int32_t width, const Cover& cover, Visit&& visit);
    uint32_t topmost(const Cover& cover) const;
    void mark(const Cover& cover, uint32_t batch);
    // Writes every batch and numbers anew from an empty table.
    void restartNumbering();
    void close(size_t batch);
    void writeClosed();
    void write(Batch& batch);
    // A segment's cover; a slanted one's units are kept until the next segment's.
    Cover segmentCover(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    Cover rectCover(int64_t left, int64_t top, int64_t right, int64_t bottom) const;

    BatchWriter& writer_;
    const TextMeasurer& measurer_;
    int32_t width_;
    int32_t height_;
    Color background_;
    int32_t lineHeight_;
    Color textColor_ = colors::Black;
    LineStyle style_ = LineStyle::Solid;
    int32_t textX_ = 0;
    int32_t textY_ = 0;
    bool fontTransparent_ = true;
    TextLines printLines_;
    // A deque, which grows without moving the batches made so far.
    std::deque<Batch> batches_;
    struct OpenBatches {
        Key key;
        std::vector<size_t> batches;  // ascending
    };
    std::vector<OpenBatches> open_;
    size_t written_ = 0;
    size_t made_ = 0;
    // For each unit of the surface, the last batch that paints it (its index + 1; 0 none).
    // Sixteen bits halve the table, the largest memory of an export by far; a drawing
    // that needs more batches than they number goes on after restartNumbering.
    std::vector<uint16_t> owner_;
    std::vector<size_t> slantedUnits_;
    // A batch's strokes unpacked for its writer.
    std::vector<Stroke> unpacked_;
};

} // namespace corvix
