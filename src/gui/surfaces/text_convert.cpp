#include "surfaces/text_convert.h"

#include "model/text_codec.h"

#include <QList>

#include <array>

namespace corvix {

namespace {

const std::array<QChar, 256>& decodeTable()
{
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[size_t(b)] = QChar(char16_t(cp1252ToCodePoint(static_cast<unsigned char>(b))));
        return t;
    }();
    return table;
}

} // namespace

QString fromCp1252(std::string_view bytes)
{
    const std::array<QChar, 256>& table = decodeTable();
    QString out(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar* d = out.data();
    for (unsigned char b : bytes)
        *d++ = table[b];
    return out;
}

std::string toCp1252(const QString& text)
{
    std::string out;
    out.reserve(size_t(text.size()));
    for (char32_t cp : text.toUcs4())
        out += codePointToCp1252(cp);
    return out;
}

QString fromCp1252Lines(std::string_view bytes)
{
    QString text = fromCp1252(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

std::string toCp1252Lines(const QString& text)
{
    QString withBreaks = text;
    withBreaks.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    withBreaks.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return toCp1252(withBreaks);
}

} // namespace corvix
