#pragma once
// The core's messages in the window's language.

#include "model/message.h"

#include <QString>

#include <string>

namespace corvix {

// The installed catalogue's wording of message (its English one where none holds it),
// the arguments put in.
QString translatedText(const Message& message);
// The same in UTF-8, a Wording for the core's words about a block.
std::string translatedUtf8(const Message& message);

} // namespace corvix
