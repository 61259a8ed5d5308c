#pragma once

#include "render/advance_measurer.h"

#include <QFont>
#include <QString>

#include <string_view>

namespace corvix {

// The font of the sheet: "Courier New" at 8.25 points (Liberation Mono through
// fontconfig), sized in sheet units, so that it keeps its place on the drawing on every
// surface and at every scale. Full hinting gives whole-unit character cells.
QFont sheetFont();

// Measures texts in the sheet font as Qt draws it: the editor sizes blocks with it, and
// the editor's canvas, the page image and printing measure with it too, so that texts fit
// their frames. Each character's advance is read from the font once.
class QtTextMeasurer final : public AdvanceMeasurer {
public:
    QtTextMeasurer();

    const QFont& font() const { return font_; }

    // One line as the font shows it: decoded from Windows-1252, each byte as sheetDisplayByte.
    static QString displayLine(std::string_view cp1252Line);

private:
    explicit QtTextMeasurer(const QFont& font);

    QFont font_;
};

} // namespace corvix
