#include "surfaces/qt_text_measurer.h"

#include "render/text_lines.h"
#include "surfaces/text_convert.h"

#include <QFontMetrics>

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
    , metrics_(font_)
{
    const QFontMetrics whole(font_);
    lineHeight_ = whole.height();
    ascent_ = whole.ascent();
}

double QtTextMeasurer::TextWidth(std::string_view text) const
{
    TextLines lines;
    lines.split(text);
    double widest = 0;
    for (int32_t k = 0; k < lines.count(); ++k)
        widest = std::max(widest, metrics_.horizontalAdvance(displayLine(lines[k])));
    return widest;
}

double QtTextMeasurer::TextHeight(std::string_view text) const
{
    TextLines lines;
    lines.split(text);
    return double(lines.count()) * lineHeight_;
}

QString QtTextMeasurer::displayLine(std::string_view cp1252Line)
{
    QString line = fromCp1252(cp1252Line);
    for (QChar& c : line) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || (c.unicode() >= 0x80 && c.unicode() < 0xA0))
            c = QLatin1Char(' ');
    }
    return line;
}

} // namespace corvix
