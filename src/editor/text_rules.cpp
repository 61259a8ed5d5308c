#include "editor/text_rules.h"

#include "model/block.h"

namespace corvix {

std::string trimSpaces(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string blockText(BlockKind kind, std::string_view text)
{
    std::string result = trimSpaces(text);
    if (isDecisionKind(kind) && (result.empty() || result.back() != '?'))
        result += '?';
    return result;
}

} // namespace corvix
