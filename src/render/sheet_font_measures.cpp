#include "render/sheet_font_measures.h"

namespace corvix {

namespace {

constexpr double kCellWidth = 7;
constexpr int kLineHeight = 12;
constexpr int kAscent = 9;
constexpr unsigned char kSoftHyphen = 0xAD;

std::array<double, 256> cellAdvances()
{
    std::array<double, 256> advances{};
    advances.fill(kCellWidth);
    advances[kSoftHyphen] = 0;
    return advances;
}

} // namespace

SheetFontMeasures::SheetFontMeasures()
    : AdvanceMeasurer(cellAdvances(), kLineHeight, kAscent)
{
}

} // namespace corvix
