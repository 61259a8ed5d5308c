#pragma once

#include <cstdint>

namespace corvix {

// The sheet always spans 1188 units across; its height follows the paper's proportions.
struct Paper {
    float widthInches = 8.5f;    // PaperWidthInches
    float heightInches = 11.0f;  // PaperHeightInches
    int32_t pageWidth = 1188;    // PageWidth, sheet units
    int32_t pageHeight = 1537;   // PageHeight, sheet units
};

inline constexpr int kPaperTypeCount = 2;  // 0 "A4" (8.5 x 11 in), 1 "Letter" (8.5 x 10.25 in)

// Applies paper index to paper. An index other than 0 or 1 keeps the sizes in inches
// and recomputes the page from them, as a damaged file's paper type must.
void applyPaperType(Paper& paper, int32_t index);

} // namespace corvix
