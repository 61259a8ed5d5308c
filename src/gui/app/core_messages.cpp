#include "app/core_messages.h"

#include <QCoreApplication>

namespace corvix {

QString translatedText(const Message& message)
{
    const MessageWording wording = messageWording(message.id);
    const QString translated = QCoreApplication::translate(wording.context, wording.english);
    // The core's own filling, so that the arguments go in exactly as in English.
    return QString::fromStdString(fillArguments(translated.toStdString(), message.arguments));
}

} // namespace corvix
