#pragma once

#include <QCursor>
#include <QPixmap>

#include <cstdint>

namespace corvix {

// The picture of a block kind on its "Select Block" button; the same picture is the
// pointer while that kind waits to be placed. kind is a BlockKind code.
QPixmap kindPicture(int32_t kind);
// Hot spot in the middle: the block's centre lands where the pointer points.
QCursor kindCursor(int32_t kind);

} // namespace corvix
