#pragma once
// The core's messages in the window's language.

#include "model/message.h"

#include <QString>

namespace corvix {

// The installed catalogue's wording of message (its English one where none holds it),
// the arguments put in.
QString translatedText(const Message& message);

} // namespace corvix
