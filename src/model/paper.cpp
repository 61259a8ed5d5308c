#include "model/paper.h"

#include <algorithm>
#include <cmath>

namespace corvix {

void applyPaperType(Paper& paper, int32_t index)
{
    if (index == 0) {
        paper.widthInches = 8.5f;
        paper.heightInches = 11.0f;
    } else if (index == 1) {
        paper.widthInches = 8.5f;
        paper.heightInches = 10.25f;
    }
    paper.pageWidth = 1188;
    const double height = 1188.0 / double(paper.widthInches) * double(paper.heightInches);
    paper.pageHeight = static_cast<int32_t>(std::lrint(height));  // halves to even
}

PaperPoints namedPaper(int32_t paperType, const Paper& paper)
{
    constexpr double kPointsPerInch = 72;
    constexpr double kPointsPerMillimetre = kPointsPerInch / 25.4;
    if (paperType == 0)
        return {210 * kPointsPerMillimetre, 297 * kPointsPerMillimetre};
    if (paperType == 1)
        return {8.5 * kPointsPerInch, 11 * kPointsPerInch};
    return {double(paper.widthInches) * kPointsPerInch, double(paper.heightInches) * kPointsPerInch};
}

SheetOnPage fitSheet(PaperPoints page, int32_t sheetWidth, int32_t sheetHeight)
{
    const double scale = std::min(page.width / sheetWidth, page.height / sheetHeight);
    return {scale, (page.width - sheetWidth * scale) / 2, (page.height - sheetHeight * scale) / 2};
}

} // namespace corvix
