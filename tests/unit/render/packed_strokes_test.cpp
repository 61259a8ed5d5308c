#include "render/packed_strokes.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace corvix {
namespace {

TEST(PackedStrokes, unpackGivesBackWhatWasPushed)
{
    // Joined and separate strokes, boxes, no length, and coordinates at both ends of
    // their range, whose differences need more than 32 bits.
    const std::vector<Stroke> strokes = {
        {10, 5, 10, 40},
        {10, 40, 30, 40},
        {2, 3, 9, 6, true},
        {7, 7, 7, 7},
        {-5, -6, 3, -6},
        {INT_MIN, INT_MAX, INT_MAX, INT_MIN},
        {INT_MAX, INT_MIN, INT_MIN, INT_MAX, true},
        {0, 0, 0, 0},
    };
    PackedStrokes packed;
    EXPECT_TRUE(packed.empty());
    for (const Stroke& s : strokes)
        packed.push_back(s);
    EXPECT_EQ(packed.size(), strokes.size());
    std::vector<Stroke> unpacked = {{1, 2, 3, 4}};
    packed.unpack(unpacked);
    EXPECT_EQ(unpacked, strokes);
}

} // namespace
} // namespace corvix
