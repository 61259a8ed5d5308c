#include "surfaces/marker_pictures.h"

#include "render/marker_pixels.h"
#include "render/marker_shapes.h"

#include <QPainter>
#include <QPolygonF>

#include <array>
#include <optional>

namespace corvix {

namespace {

QImage pictureOf(Marker marker)
{
    const MarkerPixels& pixels = markerPixels(marker);
    QImage image(pixels.side, pixels.side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    for (int32_t y = 0; y < pixels.side; ++y) {
        for (int32_t x = 0; x < pixels.side; ++x) {
            if (const std::optional<Color>& c = pixels.at(x, y))
                image.setPixel(x, y, qRgb(c->r, c->g, c->b));
        }
    }
    return image;
}

std::array<QImage, kMarkerCount> buildPictures()
{
    std::array<QImage, kMarkerCount> pictures;
    for (size_t m = 0; m < kMarkerCount; ++m)
        pictures[m] = pictureOf(Marker(m));
    return pictures;
}

} // namespace

const QImage& markerPicture(Marker marker)
{
    static const std::array<QImage, kMarkerCount> pictures = buildPictures();
    return pictures[size_t(marker)];
}

void paintMarkerShapes(QPainter& painter, Marker marker, const QRectF& where)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(where.topLeft());
    painter.scale(where.width() / markerWidth(marker), where.height() / markerWidth(marker));
    for (const MarkerShape& shape : markerShapes(marker)) {
        QPolygonF polygon;
        for (const ShapePoint& p : shape.points)
            polygon << QPointF(p.x, p.y);
        const QColor color(shape.color.r, shape.color.g, shape.color.b);
        if (shape.kind == MarkerShape::Kind::Fill) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(color);
            painter.drawPolygon(polygon);
            continue;
        }
        painter.setPen(QPen(color, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        if (shape.closed)
            painter.drawPolygon(polygon);
        else
            painter.drawPolyline(polygon);
    }
    painter.restore();
}

QImage markerShapesPicture(Marker marker, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintMarkerShapes(painter, marker, QRectF(0, 0, side, side));
    return image;
}

} // namespace corvix
