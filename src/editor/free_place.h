#pragma once
// Where a block inserted from the keyboard goes: under the exit it is linked from, or at
// the top of the view, at the nearest grid place where it lies inside the page and clear
// of every other block's drawing.

#include "model/editor_state.h"
#include "render/block_geometry.h"

#include <cstdint>
#include <optional>

namespace corvix {

// Sheet units left empty between a new block's drawing and any other block's.
inline constexpr int32_t kFreePlaceClearance = 16;
// How far under the source's drawing a new block's drawing starts, before the search.
inline constexpr int32_t kFlowGap = 24;

// The centre that puts fresh's drawing kFlowGap under source's, centred under the exit.
// fresh's own centre is ignored.
Point placeUnderExit(const Block& source, Port exit, const Block& fresh);
// The centre that puts fresh's drawing kFlowGap under sheet point top, centred on it.
Point placeUnder(Point top, const Block& fresh);

// The grid point nearest wanted and not above it where fresh lies wholly inside the page
// frame, kFreePlaceClearance units clear of the drawing of every block in use but
// `ignore` (-1 = none); none when there is no such place. Ties go to the higher place,
// then to the left.
std::optional<Point> freePlace(const EditorState& state, const Block& fresh, Point wanted, int32_t ignore);

} // namespace corvix
