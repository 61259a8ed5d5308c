#pragma once

#include "render/batching_target.h"
#include "surfaces/qt_text_measurer.h"

#include <QPainter>
#include <QRawFont>
#include <QSize>

namespace corvix {

// Draws the batches of a vector surface with a QPainter on a vector device (a PDF writer):
// each batch of lines is one path, each marker one reused picture, so that the device
// sees a few thousand calls for a full drawing. Surface units cover `extent`, stretched
// over the whole device.
class PainterBatchWriter final : public BatchWriter {
public:
    // Paints on device until end(); font must outlive the writer.
    PainterBatchWriter(QPaintDevice& device, QSize extent, const QtTextMeasurer& font);

    // False when the device could not be painted on.
    bool isActive() const { return painter_.isActive(); }
    // Ends painting; false when the device reports a failure.
    bool end();

    void fills(Color color, std::span<const SurfaceRect> rects) override;
    void strokes(Color color, LineStyle style, std::span<const Stroke> strokes) override;
    void texts(Color color, std::span<const TextRun> runs) override;
    void pictures(std::span<const PicturePlacement> pictures) override;

private:
    QPainter painter_;
    const QtTextMeasurer& font_;
    QRawFont rawFont_;
};

} // namespace corvix
