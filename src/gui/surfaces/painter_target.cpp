#include "surfaces/painter_target.h"

#include "render/vector_strokes.h"
#include "surfaces/glyph_atlas.h"
#include "surfaces/marker_pictures.h"

#include <algorithm>
#include <climits>
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
    if (hairlines()) {
        pen.setCosmetic(true);
        pen.setWidth(1);
        pen.setCapStyle(Qt::SquareCap);
    } else {
        pen.setWidthF(1);
        // Dashes would grow by square caps, so styled vector lines keep flat ends.
        pen.setCapStyle(style == Qt::SolidLine ? Qt::SquareCap : Qt::FlatCap);
    }
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
    // The whole device, whatever the magnification.
    const bool magnified = magnification_ != Magnification{};
    if (magnified)
        painter_.setWorldMatrixEnabled(false);
    painter_.fillRect(QRect(QPoint(0, 0), extent_), background_);
    if (magnified)
        painter_.setWorldMatrixEnabled(true);
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
    return pixels_ && !xor_ && magnification_ == Magnification{} ? &*pixels_ : nullptr;
}

bool PainterTarget::unitIsPixel() const
{
    const QPaintDevice* device = painter_.device();
    return magnification_ == Magnification{} && device && extent_ == QSize(device->width(), device->height());
}

PixelCanvas* PainterTarget::shrunkPixels()
{
    return pixels_ && !xor_ && magnification_.scale < 1 ? &*pixels_ : nullptr;
}

int32_t PainterTarget::deviceX(int32_t x) const
{
    return int32_t(std::clamp(std::floor(x * magnification_.scale + magnification_.shiftX), -1e9, 1e9));
}

int32_t PainterTarget::deviceY(int32_t y) const
{
    return int32_t(std::clamp(std::floor(y * magnification_.scale + magnification_.shiftY), -1e9, 1e9));
}

void PainterTarget::Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color)
{
    if (x1 == x2 && y1 == y2)
        return;
    PixelCanvas* pixels = plainPixels();
    if (pixels && style_ == LineStyle::Solid && pixels->segment(x1, y1, x2, y2, toRgb(color)))
        return;
    PixelCanvas* shrunk = shrunkPixels();
    if (shrunk && style_ == LineStyle::Solid
        && shrunk->segment(deviceX(x1), deviceY(y1), deviceX(x2), deviceY(y2), toRgb(color)))
        return;
    const QColor c = toQColor(color);
    usePen(c);
    drawSegment(x1, y1, x2, y2, c);
}

void PainterTarget::drawSegment(int32_t x1, int32_t y1, int32_t x2, int32_t y2, QColor color)
{
    // Qt's own rule leaves out whichever end its rasteriser meets last, so the segment is
    // drawn to its last unit, both ends included: as hairlines from unit to unit, and
    // magnified between unit centres, where the square caps reach the units' outer edges.
    const UnitPoint last = lastUnit(x1, y1, x2, y2);
    const bool onePoint = last == UnitPoint{x1, y1};
    if (hairlines()) {
        if (onePoint)
            painter_.drawPoint(QPointF(x1, y1));
        else
            painter_.drawLine(QPointF(x1, y1), QPointF(last.x, last.y));
    } else if (onePoint) {
        painter_.fillRect(QRectF(x1, y1, 1, 1), color);
    } else {
        painter_.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(last.x + 0.5, last.y + 0.5));
    }
}

void PainterTarget::Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color color)
{
    PixelCanvas* pixels = plainPixels();
    if (pixels && style_ == LineStyle::Solid) {
        pixels->box(x1, y1, x2, y2, toRgb(color));
        return;
    }
    PixelCanvas* shrunk = shrunkPixels();
    if (shrunk && style_ == LineStyle::Solid) {
        shrunk->box(deviceX(x1), deviceY(y1), deviceX(x2), deviceY(y2), toRgb(color));
        return;
    }
    usePen(toQColor(color));
    const double left = std::min(x1, x2);
    const double top = std::min(y1, y2);
    const double width = std::abs(double(x2) - x1);
    const double height = std::abs(double(y2) - y1);
    const double offset = hairlines() ? 0 : 0.5;
    painter_.drawRect(QRectF(left + offset, top + offset, width, height));
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
    PixelCanvas* pixels = plainPixels();
    PixelCanvas* shrunk = shrunkPixels();
    for (int32_t k = 0; k < printLines_.count(); ++k) {
        const std::string_view line = printLines_[k];
        const int64_t top = int64_t(textY_) + int64_t(k) * measurer_.lineHeight();
        if (!fontTransparent_)
            painter_.fillRect(QRectF(textX_, double(top), measurer_.TextWidth(line), measurer_.lineHeight()),
                              background_);
        if (pixels && glyphs().fits(line)) {
            glyphs().draw(*pixels, line, textX_, top, textColor_.rgb());
        } else if (shrunk && shrunkGlyphs_->fits(line)) {
            const auto lineTop = int32_t(std::clamp<int64_t>(top, INT32_MIN, INT32_MAX));
            shrunkGlyphs_->draw(*shrunk, line, deviceX(textX_), deviceY(lineTop), textColor_.rgb());
        } else {
            painter_.drawText(QPointF(textX_, double(top) + measurer_.ascent()), QtTextMeasurer::displayLine(line));
        }
    }
}

void PainterTarget::PaintPicture(Marker marker, int32_t x, int32_t y, int32_t w, int32_t h)
{
    const QImage& picture = markerPicture(marker);
    PixelCanvas* pixels = plainPixels();
    PixelCanvas* shrunk = shrunkPixels();
    if (pixels && w == picture.width() && h == picture.height())
        pixels->picture(picture, x, y);
    else if (shrunk && w == picture.width() && h == picture.height())
        shrunk->picture(shrunkMarkers_[size_t(marker)], deviceX(x), deviceY(y));
    else if (w == picture.width() && h == picture.height() && unitIsPixel())
        painter_.drawImage(QPoint(x, y), picture);
    else if (w > 0 && h > 0)
        paintMarkerShapes(painter_, marker, QRectF(x, y, w, h));
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

void PainterTarget::Magnify(const Magnification& magnification)
{
    if (magnification == magnification_)
        return;
    magnification_ = magnification;
    const Magnification& m = magnification;
    painter_.setWorldTransform(QTransform(m.scale, 0, 0, m.scale, m.shiftX, m.shiftY));
    setPen(painter_.pen().color());
    if (m.scale < 1 && (!shrunkGlyphs_ || shrunkGlyphs_->scale() != m.scale)) {
        shrunkGlyphs_ = std::make_unique<GlyphAtlas>(measurer_, m.scale);
        for (size_t k = 0; k < kMarkerCount; ++k) {
            const Marker marker = Marker(k);
            const int side = std::max(1, int(std::lrint(markerWidth(marker) * m.scale)));
            shrunkMarkers_[k] = markerShapesPicture(marker, side);
        }
    }
}

std::optional<SurfaceRect> PainterTarget::DrawableArea() const
{
    // The units that the device's first and last pixels show.
    const Magnification& m = magnification_;
    const auto unitAt = [&m](double pixel, double shift) {
        return int32_t(std::clamp(std::floor((pixel - shift) / m.scale), -1e9, 1e9));
    };
    return SurfaceRect{unitAt(0, m.shiftX) - kAreaMargin, unitAt(0, m.shiftY) - kAreaMargin,
                       unitAt(extent_.width() - 1, m.shiftX) + kAreaMargin,
                       unitAt(extent_.height() - 1, m.shiftY) + kAreaMargin};
}

} // namespace corvix
