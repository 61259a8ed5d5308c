#include "render/advance_measurer.h"

#include "render/text_lines.h"

#include <algorithm>

namespace corvix {

AdvanceMeasurer::AdvanceMeasurer(const std::array<double, 256>& advances, int lineHeight, int ascent)
    : advances_(advances)
    , lineHeight_(lineHeight)
    , ascent_(ascent)
{
}

double AdvanceMeasurer::lineWidth(std::string_view line) const
{
    double width = 0;
    for (const unsigned char byte : line)
        width += advances_[byte];
    return width;
}

double AdvanceMeasurer::TextWidth(std::string_view text) const
{
    TextLines lines;
    lines.split(text);
    double widest = 0;
    for (int32_t k = 0; k < lines.count(); ++k)
        widest = std::max(widest, lineWidth(lines[k]));
    return widest;
}

double AdvanceMeasurer::TextHeight(std::string_view text) const
{
    TextLines lines;
    lines.split(text);
    return double(lines.count()) * lineHeight_;
}

} // namespace corvix
