#include "render/sheet_font_measures.h"

#include "model/text_codec.h"

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

char sheetDisplayByte(char byte)
{
    const char32_t c = cp1252ToCodePoint(static_cast<unsigned char>(byte));
    return c < 0x20 || (c >= 0x7F && c < 0xA0) ? ' ' : byte;
}

SheetFontMeasures::SheetFontMeasures()
    : AdvanceMeasurer(cellAdvances(), kLineHeight, kAscent)
{
}

} // namespace corvix
