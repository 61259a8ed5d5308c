#include "model/paper.h"

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

} // namespace corvix
