#pragma once

#include "render/render_target.h"

#include <QImage>

namespace corvix {

// The picture of a marker at its own size (markerWidth), built on first use; the
// pixels outside its shape are transparent.
const QImage& markerPicture(Marker marker);

} // namespace corvix
