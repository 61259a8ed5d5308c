#include "surfaces/qt_text_measurer.h"

#include "model/text_codec.h"
#include "render/sheet_font_measures.h"
#include "surfaces/text_convert.h"

#include <QFontMetrics>
#include <QFontMetricsF>

namespace corvix {

QFont sheetFont()
{
    QFont font(QString::fromLatin1(kSheetFontFamily.data(), qsizetype(kSheetFontFamily.size())));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(kSheetFontPixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

namespace {

std::array<double, 256> advancesOf(const QFont& font)
{
    const QFontMetricsF metrics(font);
    std::array<double, 256> advances{};
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        advances[size_t(b)] = metrics.horizontalAdvance(QtTextMeasurer::displayLine(std::string_view(&byte, 1)));
    }
    return advances;
}

} // namespace

QtTextMeasurer::QtTextMeasurer()
    : QtTextMeasurer(sheetFont())
{
}

QtTextMeasurer::QtTextMeasurer(const QFont& font)
    : AdvanceMeasurer(advancesOf(font), QFontMetrics(font).height(), QFontMetrics(font).ascent())
    , font_(font)
{
}

QString QtTextMeasurer::displayLine(std::string_view cp1252Line)
{
    QString line = fromCp1252(cp1252Line);
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (sheetDisplayByte(cp1252Line[size_t(i)]) != cp1252Line[size_t(i)])
            line[i] = QLatin1Char(' ');
    }
    return line;
}

} // namespace corvix
