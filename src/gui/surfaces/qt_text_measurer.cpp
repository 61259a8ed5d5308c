#include "surfaces/qt_text_measurer.h"

#include "model/text_codec.h"
#include "render/text_lines.h"
#include "surfaces/text_convert.h"

#include <QFontMetrics>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace corvix {

namespace {

constexpr double kPointSize = 8.25;
// A sheet unit is a screen pixel at 96 dots per inch.
constexpr double kSheetUnitsPerInch = 96;

} // namespace

QFont sheetFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(int(std::lrint(kPointSize * kSheetUnitsPerInch / 72.0)));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QtTextMeasurer::QtTextMeasurer()
    : font_(sheetFont())
{
    const QFontMetricsF metrics(font_);
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        advances_[size_t(b)] = metrics.horizontalAdvance(displayLine(std::string_view(&byte, 1)));
    }
    const QFontMetrics whole(font_);
    lineHeight_ = whole.height();
    ascent_ = whole.ascent();
}

double QtTextMeasurer::lineWidth(std::string_view line) const
{
    double width = 0;
    for (const unsigned char byte : line)
        width += advances_[byte];
    return width;
}

double QtTextMeasurer::TextWidth(std::string_view text) const
{
    TextLines lines;
    lines.split(text);
    double widest = 0;
    for (int32_t k = 0; k < lines.count(); ++k)
        widest = std::max(widest, lineWidth(lines[k]));
    return widest;
}

double QtTextMeasurer::TextHeight(std::string_view text) const
{
    TextLines lines;
    lines.split(text);
    return double(lines.count()) * lineHeight_;
}

char QtTextMeasurer::displayByte(char byte)
{
    const char32_t c = cp1252ToCodePoint(static_cast<unsigned char>(byte));
    return c < 0x20 || (c >= 0x7F && c < 0xA0) ? ' ' : byte;
}

QString QtTextMeasurer::displayLine(std::string_view cp1252Line)
{
    QString line = fromCp1252(cp1252Line);
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (displayByte(cp1252Line[size_t(i)]) != cp1252Line[size_t(i)])
            line[i] = QLatin1Char(' ');
    }
    return line;
}

} // namespace corvix
