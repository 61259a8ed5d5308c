#pragma once

#include <string>
#include <string_view>

namespace corvix {

// Block texts are Windows-1252 bytes; paths and messages are UTF-8. Characters that
// Windows-1252 cannot hold become '?'.
std::string cp1252ToUtf8(std::string_view bytes);
std::string utf8ToCp1252(std::string_view utf8);

// Unicode code point of a Windows-1252 byte (the five unassigned bytes map to themselves).
char32_t cp1252ToCodePoint(unsigned char byte);
// The byte for a code point, or '?' when there is none.
char codePointToCp1252(char32_t codePoint);

// The lower-case letter of a Windows-1252 upper-case letter; any other byte unchanged.
char lowerCp1252(char byte);
// The text with every letter in lower case, to compare texts without regard to case.
std::string lowerCp1252(std::string_view text);

} // namespace corvix
