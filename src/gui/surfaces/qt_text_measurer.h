#pragma once

#include "render/render_target.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <string_view>

namespace corvix {

// The font of the sheet: "Courier New" at 8.25 points (Liberation Mono through
// fontconfig), sized in sheet units, so that it keeps its place on the drawing on every
// surface and at every scale. Full hinting gives whole-unit character cells.
QFont sheetFont();

// Measures texts in the sheet font: the editor sizes blocks with it, and every Qt
// surface measures with it too, so that texts fit their frames.
class QtTextMeasurer final : public TextMeasurer {
public:
    QtTextMeasurer();

    // Width of the widest line.
    double TextWidth(std::string_view text) const override;
    // Height of all lines.
    double TextHeight(std::string_view text) const override;

    const QFont& font() const { return font_; }
    int lineHeight() const { return lineHeight_; }
    int ascent() const { return ascent_; }

    // One line as the font shows it: decoded from Windows-1252, control characters as
    // spaces, so that every character takes one cell and none expands like a tab.
    static QString displayLine(std::string_view cp1252Line);

private:
    QFont font_;
    QFontMetricsF metrics_;
    int lineHeight_ = 0;
    int ascent_ = 0;
};

} // namespace corvix
