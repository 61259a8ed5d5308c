#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace corvix {

// Block texts are Windows-1252 bytes; these are the shell's one way to and from QString.
QString fromCp1252(std::string_view bytes);
// Characters that Windows-1252 cannot hold become '?', one for each character.
std::string toCp1252(const QString& text);

} // namespace corvix
