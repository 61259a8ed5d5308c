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

// A page of paper in points, 72 to the inch.
struct PaperPoints {
    double width = 0;
    double height = 0;
};

// The paper an exported page is: the named sheet, A4 (210 x 297 mm) for paper type 0 and
// Letter (8.5 x 11 in) for 1, which the sheet's proportions only approach; for any other
// type (a damaged file's) the paper's own inches.
PaperPoints namedPaper(int32_t paperType, const Paper& paper);

// Where the sheet stands on a page: scaled to fit, centred.
struct SheetOnPage {
    double scale = 1;  // points a sheet unit
    double left = 0;   // points from the page's left edge to the sheet's
    double top = 0;    // points from the page's top edge to the sheet's
};

SheetOnPage fitSheet(PaperPoints page, int32_t sheetWidth, int32_t sheetHeight);

} // namespace corvix
