#include "surfaces/canvas_surface.h"

namespace corvix {

namespace {

const QColor kCanvasBackground(colors::Cream.r, colors::Cream.g, colors::Cream.b);

} // namespace

CanvasSurface::CanvasSurface()
{
    resize(QSize(1, 1));
}

CanvasSurface::~CanvasSurface() = default;

void CanvasSurface::resize(QSize size)
{
    size = size.expandedTo(QSize(1, 1));
    if (painter_ && image_.size() == size)
        return;
    painter_.reset();  // ends painting on the old image before it goes
    image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(kCanvasBackground);
    painter_ = std::make_unique<PainterTarget>(image_, kCanvasBackground);
}

} // namespace corvix
