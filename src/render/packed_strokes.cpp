#include "render/packed_strokes.h"

#include <array>

namespace corvix {

namespace {

// Small numbers of either sign in few bits: 0, -1, 1, -2 ... as 0, 1, 2, 3 ...
uint64_t zigzag(int64_t value)
{
    return (uint64_t(value) << 1) ^ uint64_t(value >> 63);
}

int64_t unzigzag(uint64_t value)
{
    return int64_t(value >> 1) ^ -int64_t(value & 1);
}

// Seven bits a byte, low bits first; the top bit says that more follow. Returns the
// end of what it wrote.
uint8_t* putVarint(uint8_t* out, uint64_t value)
{
    for (; value >= 0x80; value >>= 7)
        *out++ = uint8_t(value | 0x80);
    *out++ = uint8_t(value);
    return out;
}

// Room for the four numbers of a stroke at their longest.
constexpr size_t kStrokeRoom = 4 * 10;

uint64_t takeVarint(const uint8_t*& in)
{
    uint64_t value = 0;
    for (int shift = 0;; shift += 7) {
        const uint8_t byte = *in++;
        value |= uint64_t(byte & 0x7F) << shift;
        if (byte < 0x80)
            return value;
    }
}

} // namespace

void PackedStrokes::push_back(const Stroke& stroke)
{
    std::array<uint8_t, kStrokeRoom> packed{};
    // The box flag rides in the lowest bit of the first number.
    uint8_t* end = putVarint(packed.data(), zigzag(int64_t(stroke.x1) - endX_) << 1 | (stroke.box ? 1 : 0));
    end = putVarint(end, zigzag(int64_t(stroke.y1) - endY_));
    end = putVarint(end, zigzag(int64_t(stroke.x2) - stroke.x1));
    end = putVarint(end, zigzag(int64_t(stroke.y2) - stroke.y1));
    bytes_.insert(bytes_.end(), packed.data(), end);
    endX_ = stroke.x2;
    endY_ = stroke.y2;
    ++count_;
}

void PackedStrokes::unpack(std::vector<Stroke>& out) const
{
    out.resize(count_);
    const uint8_t* in = bytes_.data();
    int64_t endX = 0;
    int64_t endY = 0;
    for (Stroke& s : out) {
        const uint64_t first = takeVarint(in);
        s.box = (first & 1) != 0;
        s.x1 = int32_t(endX + unzigzag(first >> 1));
        s.y1 = int32_t(endY + unzigzag(takeVarint(in)));
        s.x2 = int32_t(s.x1 + unzigzag(takeVarint(in)));
        s.y2 = int32_t(s.y1 + unzigzag(takeVarint(in)));
        endX = s.x2;
        endY = s.y2;
    }
}

} // namespace corvix
