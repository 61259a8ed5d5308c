#include "app/desktop_identity.h"

#include <QGuiApplication>
#include <QIcon>

namespace corvix {

void applyDesktopIdentity(QGuiApplication& app)
{
    app.setDesktopFileName(QString::fromLatin1(kDesktopEntryId));
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/corvix.svg")));
}

} // namespace corvix
