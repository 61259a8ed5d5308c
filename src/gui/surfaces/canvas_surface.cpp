#include "surfaces/canvas_surface.h"

#include <cmath>

namespace corvix {

namespace {

const QColor kCanvasBackground(colors::Cream.r, colors::Cream.g, colors::Cream.b);

} // namespace

CanvasSurface::CanvasSurface()
{
    resize(QSize(1, 1), 1);
}

CanvasSurface::~CanvasSurface() = default;

void CanvasSurface::resize(QSize size, double ratio)
{
    // Whole device pixels covering the canvas, also at a fractional ratio.
    const QSize pixels = QSize(int(std::ceil(size.width() * ratio)), int(std::ceil(size.height() * ratio)))
                             .expandedTo(QSize(1, 1));
    if (painter_ && image_.size() == pixels && ratio_ == ratio)
        return;
    ratio_ = ratio;
    painter_.reset();  // ends painting on the old image before it goes
    image_ = QImage(pixels, QImage::Format_RGB32);
    image_.fill(kCanvasBackground);
    painter_ = std::make_unique<PainterTarget>(image_, kCanvasBackground);
    painter_->Magnify(magnification_);
}

void CanvasSurface::Magnify(const Magnification& magnification)
{
    magnification_ = magnification;
    painter_->Magnify(magnification);
}

} // namespace corvix
