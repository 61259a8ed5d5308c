#pragma once

#include "export/byte_sink.h"
#include "export/deflate_stream.h"
#include "export/output_buffer.h"
#include "model/paper.h"
#include "render/advance_measurer.h"
#include "render/batching_target.h"

#include <string_view>
#include <vector>

namespace corvix {

// Streams the page as a PDF document of one page into a sink, batch by batch: the
// sheet scaled to fit the page and centred on it, each batch of lines one path, the nine markers
// defined once as forms of filled rectangles and placed by reference, texts in the
// standard Courier font with the character spacing that makes its advance the sheet
// font's cell, so that every character stands where the page image has it. The page's
// content is deflated as it is written, never held whole.
class PdfWriter final : public BatchWriter {
public:
    // Writes the document up to the page's content; page is in points (72 to the inch),
    // the title in UTF-16; font must outlive the writer.
    PdfWriter(ByteSink& sink, int32_t sheetWidth, int32_t sheetHeight, PaperPoints page, std::u16string_view title,
              const AdvanceMeasurer& font);

    // Writes the rest of the document; false when the sink did not take all of it.
    bool end();

    void fills(Color color, std::span<const SurfaceRect> rects) override;
    void strokes(Color color, LineStyle style, std::span<const Stroke> strokes) override;
    void texts(Color color, std::span<const TextRun> runs) override;
    void pictures(std::span<const PicturePlacement> pictures) override;

private:
    void beginObject(int number);
    // " N 0 R": a reference to object N.
    void putReference(int number);
    void writeMarkerForms();
    void writeInfo(std::u16string_view title);
    void writeCrossReference();

    OutputBuffer out_;
    DeflateStream content_;
    const AdvanceMeasurer& font_;
    // Where each object starts, by number from 1.
    std::vector<int64_t> offsets_;
    int64_t contentStart_ = 0;
};

} // namespace corvix
