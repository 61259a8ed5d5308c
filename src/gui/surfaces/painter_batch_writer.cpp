#include "surfaces/painter_batch_writer.h"

#include "surfaces/marker_pictures.h"

#include <QGlyphRun>
#include <QPainterPath>

namespace corvix {

namespace {

QColor toQColor(Color c)
{
    return QColor(c.r, c.g, c.b);
}

// Lines in whole units, drawn shifted onto the units' centres; units that a line of no
// length would not show are gathered to be filled.
class PainterPath {
public:
    void moveTo(int32_t x, int32_t y) { lines.moveTo(x, y); }
    void lineTo(int32_t x, int32_t y) { lines.lineTo(x, y); }
    void close() { lines.closeSubpath(); }
    void unit(int32_t x, int32_t y) { units.addRect(x, y, 1, 1); }

    QPainterPath lines;
    QPainterPath units;
};

} // namespace

PainterBatchWriter::PainterBatchWriter(QPaintDevice& device, QSize extent, const QtTextMeasurer& font)
    : font_(font)
    , rawFont_(QRawFont::fromFont(font.font()))
{
    if (extent.isEmpty() || !painter_.begin(&device))
        return;
    painter_.setWindow(QRect(QPoint(0, 0), extent));
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setFont(font.font());
}

bool PainterBatchWriter::end()
{
    return painter_.isActive() && painter_.end();
}

void PainterBatchWriter::fills(Color color, std::span<const SurfaceRect> rects)
{
    for (const SurfaceRect& r : rects)
        painter_.fillRect(QRectF(r.left, r.top, double(r.right) - r.left + 1, double(r.bottom) - r.top + 1),
                          toQColor(color));
}

void PainterBatchWriter::strokes(Color color, LineStyle style, std::span<const Stroke> strokes)
{
    PainterPath path;
    writeStrokePath(strokes, path);
    QPen pen(toQColor(color), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    if (style != LineStyle::Solid) {
        // Dots one unit long, two apart, on the units where the page image has them.
        pen.setDashPattern({1, 2});
        pen.setDashOffset(2.5);
        pen.setCapStyle(Qt::FlatCap);
    }
    // The PDF writer prints whole numbers short, so the shift goes into the transform.
    const QTransform unshifted = painter_.worldTransform();
    painter_.translate(0.5, 0.5);
    painter_.strokePath(path.lines, pen);
    painter_.setWorldTransform(unshifted);
    if (!path.units.isEmpty())
        painter_.fillPath(path.units, toQColor(color));
}

void PainterBatchWriter::texts(Color color, std::span<const TextRun> runs)
{
    // One glyph run for the whole batch: the device writes one text object, not one a line.
    QList<quint32> glyphs;
    QList<QPointF> positions;
    for (const TextRun& run : runs) {
        const QList<quint32> indexes = rawFont_.glyphIndexesForString(QtTextMeasurer::displayLine(run.text));
        const QList<QPointF> advances = rawFont_.advancesForGlyphIndexes(indexes);
        QPointF pen(run.x, run.top + font_.ascent());
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            glyphs << indexes[i];
            positions << pen;
            pen += advances[i];
        }
    }
    QGlyphRun text;
    text.setRawFont(rawFont_);
    text.setGlyphIndexes(glyphs);
    text.setPositions(positions);
    painter_.setPen(toQColor(color));
    painter_.drawGlyphRun(QPointF(0, 0), text);
}

void PainterBatchWriter::pictures(std::span<const PicturePlacement> pictures)
{
    // One picture each, so that the document holds it once and refers to it.
    for (const PicturePlacement& p : pictures)
        painter_.drawImage(QRectF(p.x, p.y, p.w, p.h), markerPicture(p.marker));
}

} // namespace corvix
