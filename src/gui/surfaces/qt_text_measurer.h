#pragma once

#include "render/render_target.h"

#include <QFont>
#include <QString>

#include <array>

#include <string_view>

namespace corvix {

// The font of the sheet: "Courier New" at 8.25 points (Liberation Mono through
// fontconfig), sized in sheet units, so that it keeps its place on the drawing on every
// surface and at every scale. Full hinting gives whole-unit character cells.
QFont sheetFont();

// Measures texts in the sheet font: the editor sizes blocks with it, and every Qt
// surface measures with it too, so that texts fit their frames. A line's width is the sum
// of its characters' advances, read from the font once: the sheet font has neither
// kerning nor ligatures, so that is the width Qt's shaping gives, without shaping every
// text again.
class QtTextMeasurer final : public TextMeasurer {
public:
    QtTextMeasurer();

    // Width of the widest line.
    double TextWidth(std::string_view text) const override;
    // Height of all lines.
    double TextHeight(std::string_view text) const override;

    const QFont& font() const { return font_; }
    // The advance of one Windows-1252 character as displayLine shows it.
    double advance(unsigned char byte) const { return advances_[byte]; }
    int lineHeight() const { return lineHeight_; }
    int ascent() const { return ascent_; }

    // A Windows-1252 character as the sheet shows it: a control character, or a byte the
    // code page leaves unassigned, as a space, so that every character takes one cell and
    // none expands like a tab.
    static char displayByte(char byte);
    // One line as the font shows it: decoded from Windows-1252, each byte as displayByte.
    static QString displayLine(std::string_view cp1252Line);

private:
    double lineWidth(std::string_view line) const;

    QFont font_;
    std::array<double, 256> advances_{};
    int lineHeight_ = 0;
    int ascent_ = 0;
};

} // namespace corvix
