#pragma once

#include "render/advance_measurer.h"

#include <string_view>

namespace corvix {

// The sheet font's family and size (8.25 points at 96 units to the inch), as the editor
// asks fontconfig for it and as the vector formats name it.
inline constexpr std::string_view kSheetFontFamily = "Courier New";
inline constexpr int kSheetFontPixelSize = 11;

// A Windows-1252 character as the sheet shows it: a control character, or a byte the
// code page leaves unassigned, as a space, so that every character takes one cell and
// none expands like a tab.
char sheetDisplayByte(char byte);

// The sheet font's measures known beforehand: cells of 7 x 12 units with the baseline 9
// down, and no room for the soft hyphen, which text shaping leaves out. They are the
// measures QtTextMeasurer reads from the font the editor draws with (Liberation Mono,
// made to Courier New's metrics), and a test keeps the two alike. The SVG and PDF
// exports measure with these: their readers draw the texts in fonts of their own, so
// the exports need only the cells, and writing them loads no font at all.
class SheetFontMeasures final : public AdvanceMeasurer {
public:
    SheetFontMeasures();
};

} // namespace corvix
