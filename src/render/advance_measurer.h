#pragma once

#include "render/render_target.h"

#include <array>
#include <string_view>

namespace corvix {

// Measures texts in a font whose measures are known: a line is as wide as its
// characters' advances added up, as high as the font's line. The sheet font has neither
// kerning nor ligatures, so that is the width text shaping gives, without shaping.
class AdvanceMeasurer : public TextMeasurer {
public:
    // Width of the widest line.
    double TextWidth(std::string_view text) const override;
    // Height of all lines.
    double TextHeight(std::string_view text) const override;

    // The advance of one Windows-1252 character as the sheet shows it.
    double advance(unsigned char byte) const { return advances_[byte]; }
    int lineHeight() const { return lineHeight_; }
    // From the top of a line to its baseline.
    int ascent() const { return ascent_; }

protected:
    AdvanceMeasurer(const std::array<double, 256>& advances, int lineHeight, int ascent);

private:
    double lineWidth(std::string_view line) const;

    std::array<double, 256> advances_;
    int lineHeight_;
    int ascent_;
};

} // namespace corvix
