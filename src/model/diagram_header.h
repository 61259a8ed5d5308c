#pragma once

#include <array>
#include <cstdint>

namespace corvix {

// The 751-byte header of a diagram file, field for field. Byte offsets live with
// the codec (storage/); this is the in-memory form kept in EditorState::header.
struct DiagramHeader {
    std::array<uint8_t, 70> signature{};
    std::array<uint8_t, 101> spareBytes{};
    int32_t scrollX = 0;
    int32_t scrollY = 0;
    int32_t creatorTag = 0;
    int32_t check1 = 0;
    std::array<int32_t, 29> spareLongs{};
    int32_t linkCount = 0;
    int32_t blockCount = 0;
    std::array<uint8_t, 30> spareText1{};
    std::array<uint8_t, 30> spareText2{};
    double createdAt = 0;  // OLE Automation date
    int32_t saverTag = 0;
    int32_t check2 = 0;
    std::array<uint8_t, 300> spareText3{};
    double spareDate1 = 0;
    double spareDate2 = 0;
    double spareDate3 = 0;
    double spareDate4 = 0;
    double savedAt = 0;
    double spareDate5 = 0;
    int32_t paperType = 0;
    int32_t spareLong = 0;
    int32_t check3 = 0;
    int32_t check4 = 0;

    bool operator==(const DiagramHeader&) const = default;
};

inline constexpr int kHeaderSize = 751;

} // namespace corvix
