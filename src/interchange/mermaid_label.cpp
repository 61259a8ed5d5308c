#include "interchange/mermaid_label.h"

#include "model/text_codec.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <vector>

namespace corvix {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct NamedEntity {
    std::string_view name;
    char32_t codePoint;
};

// The HTML names of the characters Windows-1252 holds, and a few arrows people use.
constexpr std::array<std::string_view, 96> kLatin1Names = {
    "nbsp", "iexcl", "cent", "pound", "curren", "yen", "brvbar", "sect", "uml", "copy", "ordf", "laquo",
    "not", "shy", "reg", "macr", "deg", "plusmn", "sup2", "sup3", "acute", "micro", "para", "middot",
    "cedil", "sup1", "ordm", "raquo", "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute",
    "Acirc", "Atilde", "Auml", "Aring", "AElig", "Ccedil", "Egrave", "Eacute", "Ecirc", "Euml",
    "Igrave", "Iacute", "Icirc", "Iuml", "ETH", "Ntilde", "Ograve", "Oacute", "Ocirc", "Otilde",
    "Ouml", "times", "Oslash", "Ugrave", "Uacute", "Ucirc", "Uuml", "Yacute", "THORN", "szlig",
    "agrave", "aacute", "acirc", "atilde", "auml", "aring", "aelig", "ccedil", "egrave", "eacute",
    "ecirc", "euml", "igrave", "iacute", "icirc", "iuml", "eth", "ntilde", "ograve", "oacute",
    "ocirc", "otilde", "ouml", "divide", "oslash", "ugrave", "uacute", "ucirc", "uuml", "yacute",
    "thorn", "yuml"};

constexpr std::array<NamedEntity, 37> kOtherNames = {{
    {"amp", U'&'}, {"lt", U'<'}, {"gt", U'>'}, {"quot", U'"'}, {"apos", U'\''}, {"euro", 0x20AC},
    {"sbquo", 0x201A}, {"fnof", 0x192}, {"bdquo", 0x201E}, {"hellip", 0x2026}, {"dagger", 0x2020},
    {"Dagger", 0x2021}, {"circ", 0x2C6}, {"permil", 0x2030}, {"Scaron", 0x160}, {"lsaquo", 0x2039},
    {"OElig", 0x152}, {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"ldquo", 0x201C}, {"rdquo", 0x201D},
    {"bull", 0x2022}, {"ndash", 0x2013}, {"mdash", 0x2014}, {"tilde", 0x2DC}, {"trade", 0x2122},
    {"scaron", 0x161}, {"rsaquo", 0x203A}, {"oelig", 0x153}, {"Yuml", 0x178}, {"larr", 0x2190},
    {"uarr", 0x2191}, {"rarr", 0x2192}, {"darr", 0x2193}, {"harr", 0x2194}, {"hearts", 0x2665},
    {"check", 0x2713},
}};

std::optional<char32_t> namedEntity(std::string_view name)
{
    for (size_t i = 0; i < kLatin1Names.size(); ++i) {
        if (kLatin1Names[i] == name)
            return char32_t(0xA0 + i);
    }
    for (const NamedEntity& entity : kOtherNames) {
        if (entity.name == name)
            return entity.codePoint;
    }
    return std::nullopt;
}

std::optional<char32_t> numericEntity(std::string_view digits)
{
    int base = 10;
    if (!digits.empty() && (digits[0] == 'x' || digits[0] == 'X')) {
        base = 16;
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    uint32_t value = 0;
    for (const char c : digits) {
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                          : base == 16 && std::isxdigit(static_cast<unsigned char>(c))
                              ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                              : -1;
        if (digit < 0)
            return std::nullopt;
        value = value * uint32_t(base) + uint32_t(digit);
    }
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return kReplacement;
    return char32_t(value);
}

bool isWordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// An entity "&...;" or Mermaid's "#...;" at pos: its character and length.
std::optional<std::pair<char32_t, size_t>> entityAt(std::string_view text, size_t pos)
{
    const bool mermaidCode = text[pos] == '#';
    size_t end = pos + 1;
    if (!mermaidCode && end < text.size() && text[end] == '#')
        ++end;
    const size_t nameStart = end;
    while (end < text.size() && isWordChar(text[end]) && end - nameStart < 32)
        ++end;
    if (end == nameStart || end >= text.size() || text[end] != ';')
        return std::nullopt;
    const std::string_view name = text.substr(nameStart, end - nameStart);
    const bool numeric = nameStart > pos + 1 || (mermaidCode && std::isdigit(static_cast<unsigned char>(name[0])));
    const std::optional<char32_t> character = numeric ? numericEntity(name) : namedEntity(name);
    if (!character)
        return std::nullopt;
    return std::pair{*character, end + 1 - pos};
}

// The length of "<br>", "<br/>" or "<br />" (any case, any spaces) at pos, or 0.
size_t lineBreakTagAt(std::string_view text, size_t pos)
{
    if (pos + 3 >= text.size() || text[pos] != '<' || std::tolower(static_cast<unsigned char>(text[pos + 1])) != 'b'
        || std::tolower(static_cast<unsigned char>(text[pos + 2])) != 'r')
        return 0;
    size_t end = pos + 3;
    while (end < text.size() && std::isspace(static_cast<unsigned char>(text[end])))
        ++end;
    if (end < text.size() && text[end] == '/')
        ++end;
    return end < text.size() && text[end] == '>' ? end + 1 - pos : 0;
}

} // namespace

char32_t nextCodePoint(std::string_view utf8, size_t& pos)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    const size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || pos + length > utf8.size()) {
        ++pos;
        return kReplacement;
    }
    char32_t value = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        value = (value << 6) | (byte(pos + i) & 0x3F);
    }
    const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++pos;
        return kReplacement;
    }
    pos += length;
    return value;
}

DecodedLabel decodeMermaidLabel(std::string_view utf8)
{
    DecodedLabel decoded;
    decoded.text.reserve(utf8.size());
    const auto put = [&](char32_t codePoint) {
        const char byte = codePointToCp1252(codePoint);
        if (byte == '?' && codePoint != U'?')
            ++decoded.unheldCount;
        decoded.text += byte;
    };
    size_t pos = 0;
    bool codedReturn = false;  // the last thing read was "#13;" (or "&#13;")
    while (pos < utf8.size()) {
        const char c = utf8[pos];
        const bool afterCodedReturn = codedReturn;
        codedReturn = false;
        if (c == '\r' || c == '\n') {
            pos += c == '\r' && pos + 1 < utf8.size() && utf8[pos + 1] == '\n' ? 2 : 1;
            decoded.text += "\r\n";
        } else if (const size_t tag = c == '<' ? lineBreakTagAt(utf8, pos) : 0) {
            pos += tag;
            decoded.text += "\r\n";
        } else if (const auto entity = c == '&' || c == '#' ? entityAt(utf8, pos) : std::nullopt) {
            pos += entity->second;
            // A line break written as codes reads as one typed, the pair "#13;#10;" as one.
            if (entity->first == U'\r' || entity->first == U'\n') {
                if (entity->first == U'\r' || !afterCodedReturn)
                    decoded.text += "\r\n";
                codedReturn = entity->first == U'\r';
            } else {
                put(entity->first);
            }
        } else {
            // A raw NUL reads as "#0;" does, so that a label and the text written from it
            // read alike.
            const char32_t codePoint = nextCodePoint(utf8, pos);
            put(codePoint == 0 ? kReplacement : codePoint);
        }
    }
    return decoded;
}

} // namespace corvix
