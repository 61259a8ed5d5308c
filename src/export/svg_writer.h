#pragma once

#include "export/byte_sink.h"
#include "export/output_buffer.h"
#include "model/paper.h"
#include "render/advance_measurer.h"
#include "render/batching_target.h"

#include <string_view>

namespace corvix {

// Streams the page as an SVG document into a sink, batch by batch, keeping no document
// in memory: the nine markers defined once as vector shapes and placed by reference,
// each batch of lines one path, texts in the sheet font as UTF-8 text. Units are sheet
// units; width and height give the page the physical size the PDF's page has.
class SvgWriter final : public BatchWriter {
public:
    // Writes the document's start: a page of page points (72 to the inch) with the sheet
    // scaled to fit and centred on it, in sheet units; the title in UTF-8. font must
    // outlive the writer.
    SvgWriter(ByteSink& sink, int32_t sheetWidth, int32_t sheetHeight, PaperPoints page, std::string_view title,
              const AdvanceMeasurer& font);

    // Writes the document's end; false when the sink did not take all of it.
    bool end();

    void fills(Color color, std::span<const SurfaceRect> rects) override;
    void strokes(Color color, LineStyle style, std::span<const Stroke> strokes) override;
    void texts(Color color, std::span<const TextRun> runs) override;
    void pictures(std::span<const PicturePlacement> pictures) override;

private:
    void writeMarkerDefinitions();
    void putRects(std::span<const SurfaceRect> rects);
    void putColor(Color color);
    void putEscaped(std::string_view utf8);

    OutputBuffer out_;
    const AdvanceMeasurer& font_;
};

} // namespace corvix
