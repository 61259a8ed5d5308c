#pragma once

#include <optional>
#include <string_view>

namespace corvix {

// The formats a drawing's page is exported in, besides the diagram file and Mermaid text.
enum class PageFormat { Png, Svg, Pdf };

// ".png", ".svg" or ".pdf" (lower case); none for any other extension.
std::optional<PageFormat> pageFormatForExtension(std::string_view extension);

} // namespace corvix
