#pragma once

#include "model/block.h"

#include <QCursor>
#include <QPixmap>

#include <cstdint>

namespace corvix {

// The picture of a block kind on its "Select Block" button; the same picture is the
// pointer while that kind waits to be placed.
QPixmap kindPicture(BlockKind kind);
// Hot spot in the middle: the block's centre lands where the pointer points.
QCursor kindCursor(BlockKind kind);

} // namespace corvix
