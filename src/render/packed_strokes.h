#pragma once

#include "render/vector_strokes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace corvix {

// Strokes kept in a few bytes each. The batches of a vector page hold some hundred
// thousand strokes until they are written, and the memory a process touches for the
// first time is much of what an export costs. Each stroke's start is kept relative to
// the end of the stroke before, which it usually is, and its end relative to its start,
// as variable-length numbers.
class PackedStrokes {
public:
    void push_back(const Stroke& stroke);
    bool empty() const { return count_ == 0; }
    size_t size() const { return count_; }
    // The strokes in order, in place of what out held.
    void unpack(std::vector<Stroke>& out) const;

private:
    std::vector<uint8_t> bytes_;
    size_t count_ = 0;
    int32_t endX_ = 0;
    int32_t endY_ = 0;
};

} // namespace corvix
