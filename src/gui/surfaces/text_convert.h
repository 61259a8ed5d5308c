#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace corvix {

// Block texts are Windows-1252 bytes; these are the shell's one way to and from QString.
QString fromCp1252(std::string_view bytes);
// Characters that Windows-1252 cannot hold become '?', one for each character.
std::string toCp1252(const QString& text);

// Texts of several lines: CR LF between the lines in the bytes, "\n" in the QString (a
// CR LF coming from another program counts as one line break).
QString fromCp1252Lines(std::string_view bytes);
std::string toCp1252Lines(const QString& text);

} // namespace corvix
