#include "surfaces/glyph_atlas.h"

#include "surfaces/qt_text_measurer.h"

#include <QPainter>

#include <cmath>

namespace corvix {

namespace {

// The smallest rectangle holding every pixel with some coverage; empty for none.
QRect inkOf(const QImage& mask)
{
    QRect ink;
    for (int y = 0; y < mask.height(); ++y) {
        const uchar* row = mask.constScanLine(y);
        for (int x = 0; x < mask.width(); ++x) {
            if (row[x] != 0)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

} // namespace

GlyphAtlas::GlyphAtlas(const QtTextMeasurer& font, double scale)
    : cellWidth_(int(font.TextWidth("a")))
    , scale_(scale)
{
    // Room all round for glyphs that reach beyond their cell.
    const int margin = font.lineHeight();
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        const QString text = QtTextMeasurer::displayLine(std::string_view(&byte, 1));
        QImage drawn(int(std::ceil(cellWidth_ * scale)) + 2 * margin,
                     int(std::ceil(font.lineHeight() * scale)) + 2 * margin, QImage::Format_Alpha8);
        drawn.fill(0);
        QPainter painter(&drawn);
        painter.setFont(font.font());
        painter.setPen(Qt::black);
        painter.translate(margin, margin);
        painter.scale(scale, scale);
        painter.drawText(QPointF(0, font.ascent()), text);
        painter.end();

        Glyph& glyph = glyphs_[size_t(b)];
        glyph.fixed = font.advance(uint8_t(b)) == cellWidth_;
        const QRect ink = inkOf(drawn);
        if (!ink.isEmpty()) {
            glyph.mask = drawn.copy(ink);
            glyph.offset = ink.topLeft() - QPoint(margin, margin);
        }
    }
}

bool GlyphAtlas::fits(std::string_view line) const
{
    for (unsigned char b : line) {
        if (!glyphs_[b].fixed)
            return false;
    }
    return true;
}

void GlyphAtlas::draw(PixelCanvas& pixels, std::string_view line, int64_t x, int64_t top, QRgb color) const
{
    const double advance = cellWidth_ * scale_;
    for (size_t k = 0; k < line.size(); ++k) {
        const int64_t left = x + int64_t(std::floor(double(k) * advance));
        if (left >= pixels.width())
            return;
        const Glyph& glyph = glyphs_[static_cast<unsigned char>(line[k])];
        if (!glyph.mask.isNull())
            pixels.mask(glyph.mask, left + glyph.offset.x(), top + glyph.offset.y(), color);
    }
}

} // namespace corvix
