#include "surfaces/painter_target.h"

#include "render/vector_strokes.h"
#include "surfaces/glyph_atlas.h"
#include "surfaces/marker_pictures.h"

#include <algorithm>
#include <cmath>

namespace corvix {

namespace {

QColor toQColor(Color c)
{
    return QColor(c.r, c.g, c.b);
}

QRgb toRgb(Color c)
{
    return qRgb(c.r, c.g, c.b);
}

Qt::PenStyle toPenStyle(LineStyle style)
{
    switch (style) {
    case LineStyle::Dash:
        return Qt::DashLine;
    case LineStyle::Dot:
        return Qt::DotLine;
    case LineStyle::DashDot:
        return Qt::DashDotLine;
    case LineStyle::DashDotDot:
        return Qt::DashDotDotLine;
    case LineStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

// Beyond the surface, the margin covers pixels that rounding may still touch when the
// surface is scaled.
constexpr int32_t kAreaMargin = 2;

} // namespace

PainterTarget::PainterTarget(QImage& image, QColor background, QSize extent)
    : extent_(extent.isEmpty() ? image.size() : extent)
    , background_(background)
{
    if (extent_.isEmpty() || !painter_.begin(&image))
        return;
    // After begin(), which has detached the image, so that both write the same pixels.
    if (extent_ == image.size())
        pixels_ = PixelCanvas::over(image);
    painter_.setWindow(QRect(QPoint(0, 0), extent_));
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setFont(measurer_.font());
    setPen(Qt::black);
}

PainterTarget::~PainterTarget()
{
    end();
}

bool PainterTarget::end()
{
    pixels_.reset();
    return painter_.isActive() && painter_.end();
}

void PainterTarget::usePen(QColor color)
{
    const QPen& current = painter_.pen();
    if (current.color() != color || current.style() != toPenStyle(style_))
        setPen(color);
}

void PainterTarget::setPen(QColor color)
{
    const Qt::PenStyle style = toPenStyle(style_);
    QPen pen(color);
    pen.setStyle(style);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCosmetic(true);
    pen.setWidth(1);
    pen.setCapStyle(Qt::SquareCap);
    painter_.setPen(pen);
}

double PainterTarget::TextWidth(std::string_view text) const
{
    return measurer_.TextWidth(text);
}

double PainterTarget::TextHeight(std::string_view text) const
{
    return measurer_.TextHeight(text);
}

void PainterTarget::Cls()
{
    const QPainter::CompositionMode mode = painter_.compositionMode();
    if (mode != QPainter::CompositionMode_SourceOver)
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.fillRect(QRect(QPoint(0, 0), extent_), background_);
    if (mode != QPainter::CompositionMode_SourceOver)
        painter_.setCompositionMode(mode);
}

const GlyphAtlas& PainterTarget::glyphs()
{
    if (!glyphs_)
        glyphs_ = std::make_unique<GlyphAtlas>(measurer_);
    return *glyphs_;
}

PixelCanvas* PainterTarget::plainPixels()
{
    return pixels_ && !xor_ ? &*pixels_ : nullptr;
}

void PainterTarget::Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color)
{
    if (x1 == x2 && y1 == y2)
        return;
    PixelCanvas* pixels = plainPixels();
    if (pixels && style_ == LineStyle::Solid && pixels->segment(x1, y1, x2, y2, toRgb(color)))
        return;
    usePen(toQColor(color));
    drawSegment(x1, y1, x2, y2);
}

void PainterTarget::drawSegment(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    // Qt's own rule leaves out whichever end its rasteriser meets last, so the segment is
    // drawn to its last unit, both ends included.
    const UnitPoint last = lastUnit(x1, y1, x2, y2);
    if (last == UnitPoint{x1, y1})
        painter_.drawPoint(QPointF(x1, y1));
    else
        painter_.drawLine(QPointF(x1, y1), QPointF(last.x, last.y));
}

void PainterTarget::Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color)
{
    PixelCanvas* pixels = plainPixels();
    if (pixels && style_ == LineStyle::Solid) {
        pixels->box(x1, y1, x2, y2, toRgb(color));
        return;
    }
    usePen(toQColor(color));
    const double left = std::min(x1, x2);
    const double top = std::min(y1, y2);
    const double width = std::abs(double(x2) - x1);
    const double height = std::abs(double(y2) - y1);
    painter_.drawRect(QRectF(left, top, width, height));
}

void PainterTarget::ForeColor(Color color)
{
    textColor_ = toQColor(color);
}

void PainterTarget::CurrentX(int32_t x)
{
    textX_ = x;
}

void PainterTarget::CurrentY(int32_t y)
{
    textY_ = y;
}

void PainterTarget::Print(std::string_view text)
{
    printLines_.split(text);
    usePen(textColor_);
    for (int32_t k = 0; k < printLines_.count(); ++k) {
        const std::string_view line = printLines_[k];
        const double top = textY_ + double(k) * measurer_.lineHeight();
        if (!fontTransparent_)
            painter_.fillRect(QRectF(textX_, top, measurer_.TextWidth(line), measurer_.lineHeight()), background_);
        PixelCanvas* pixels = plainPixels();
        if (pixels && glyphs().fits(line))
            glyphs().draw(*pixels, line, textX_, int64_t(textY_) + int64_t(k) * measurer_.lineHeight(), textColor_.rgb());
        else
            painter_.drawText(QPointF(textX_, top + measurer_.ascent()), QtTextMeasurer::displayLine(line));
    }
}

void PainterTarget::PaintPicture(Marker marker, int32_t x, int32_t y, int32_t w, int32_t h)
{
    const QImage& picture = markerPicture(marker);
    PixelCanvas* pixels = plainPixels();
    if (pixels && w == picture.width() && h == picture.height())
        pixels->picture(picture, x, y);
    else if (w > 0 && h > 0)
        painter_.drawImage(QRectF(x, y, w, h), picture);
}

void PainterTarget::DrawStyle(LineStyle style)
{
    style_ = style;
}

void PainterTarget::FontTransparent(bool transparent)
{
    fontTransparent_ = transparent;
}

void PainterTarget::XorMode(bool on)
{
    xor_ = on;
    painter_.setCompositionMode(on ? QPainter::RasterOp_SourceXorDestination : QPainter::CompositionMode_SourceOver);
}

std::optional<SurfaceRect> PainterTarget::DrawableArea() const
{
    return SurfaceRect{-kAreaMargin, -kAreaMargin, extent_.width() - 1 + kAreaMargin,
                       extent_.height() - 1 + kAreaMargin};
}

} // namespace corvix
