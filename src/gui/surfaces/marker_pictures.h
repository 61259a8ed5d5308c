#pragma once

#include "render/render_target.h"

#include <QImage>
#include <QRectF>

class QPainter;

namespace corvix {

// The picture of a marker at its own size (markerWidth), built on first use; the
// pixels outside its shape are transparent.
const QImage& markerPicture(Marker marker);

// The marker drawn as its shapes, smoothed, over the rectangle where (in the painter's
// units): for every surface on which a unit is not one pixel.
void paintMarkerShapes(QPainter& painter, Marker marker, const QRectF& where);

// The marker's shapes on a transparent square side pixels wide, for surfaces that copy
// pictures pixel by pixel at a scale below one.
QImage markerShapesPicture(Marker marker, int side);

} // namespace corvix
