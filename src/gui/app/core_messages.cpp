#include "app/core_messages.h"

#include <QCoreApplication>

namespace corvix {

std::string translatedUtf8(const Message& message)
{
    const MessageWording wording = messageWording(message.id);
    const QString translated = QCoreApplication::translate(wording.context, wording.english);
    // The core's own filling, so that the arguments go in exactly as in English.
    return fillArguments(translated.toStdString(), message.arguments);
}

QString translatedText(const Message& message)
{
    return QString::fromStdString(translatedUtf8(message));
}

} // namespace corvix
