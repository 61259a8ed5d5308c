#include "export/page_format.h"

namespace corvix {

std::optional<PageFormat> pageFormatForExtension(std::string_view extension)
{
    if (extension == ".png")
        return PageFormat::Png;
    if (extension == ".svg")
        return PageFormat::Svg;
    if (extension == ".pdf")
        return PageFormat::Pdf;
    return std::nullopt;
}

} // namespace corvix
