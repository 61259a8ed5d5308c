#include "model/text_rules.h"

#include "model/block.h"
#include "model/text_codec.h"

#include <algorithm>

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

bool isDefaultBlockText(BlockKind kind, std::string_view text)
{
    constexpr std::string_view opening = "== ";
    const std::string_view closing = isDecisionKind(kind) ? " ==?" : " ==";
    if (!text.starts_with(opening) || !text.ends_with(closing)
        || text.size() <= opening.size() + closing.size())
        return false;
    const std::string_view number = text.substr(opening.size(), text.size() - opening.size() - closing.size());
    return std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string gotoKey(std::string_view text)
{
    return lowerCp1252(trimSpaces(text));
}

} // namespace corvix
