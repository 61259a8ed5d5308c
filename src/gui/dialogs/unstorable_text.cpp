#include "dialogs/unstorable_text.h"

#include "dialogs/desktop_dialogs.h"
#include "model/text_codec.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace corvix {

namespace {

// Enough to recognise them; a long foreign text would otherwise fill the screen.
constexpr qsizetype kCharactersNamed = 10;

QString tr(const char* text)
{
    return QCoreApplication::translate("UnstorableText", text);
}

// The character itself and its code, which also names one that shows as nothing.
QString characterName(char32_t c)
{
    const QString code = QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return QStringLiteral("%1\u00A0(U+%2)").arg(QString::fromUcs4(&c, 1), code);
}

} // namespace

QList<char32_t> unstorableCharacters(const QString& text)
{
    QList<char32_t> found;
    for (const char32_t c : text.toUcs4()) {
        if (c != U'?' && codePointToCp1252(c) == '?' && !found.contains(c))
            found.append(c);
    }
    return found;
}

bool acceptUnstorableCharacters(DesktopDialogs& dialogs, QWidget* parent, const QString& text, TextEntry entry)
{
    const QList<char32_t> found = unstorableCharacters(text);
    if (found.isEmpty())
        return true;
    QStringList names;
    for (qsizetype i = 0; i < std::min(found.size(), kCharactersNamed); ++i)
        names << characterName(found[i]);
    if (found.size() > kCharactersNamed)
        names << tr("and %1 more").arg(found.size() - kCharactersNamed);
    const QString intro = entry == TextEntry::Paste ? tr("The pasted text holds characters that a diagram file cannot store: %1.")
                                                    : tr("The text holds characters that a diagram file cannot store: %1.");
    const QString choice = entry == TextEntry::Paste ? tr("Paste the text anyway? (No pastes nothing.)")
                                                     : tr("Store the text anyway? (No goes back to the text.)");
    return dialogs.question(parent, intro.arg(names.join(QStringLiteral(", "))) + QLatin1Char('\n')
                                        + tr("Each of them will be stored as \"?\".") + QLatin1Char('\n') + choice);
}

} // namespace corvix
