#include "export/svg_writer.h"

#include "model/paper.h"
#include "model/text_codec.h"
#include "render/marker_pixels.h"
#include "render/sheet_font_measures.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <vector>

namespace corvix {

namespace {

constexpr std::string_view kDotOffset = "2.5";
constexpr double kMillimetresPerPoint = 25.4 / 72;

// A character as XML text: those that markup gives a meaning as their entities.
std::string_view xmlText(const char& c)
{
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '"':
        return "&quot;";
    default:
        return {&c, 1};
    }
}

// Each Windows-1252 character as the sheet shows it (sheetDisplayByte), in
// UTF-8 as XML text; made once, so that a text is written as its characters' entries.
const std::array<std::string, 256>& shownCharacters()
{
    static const std::array<std::string, 256> table = [] {
        std::array<std::string, 256> shown;
        for (size_t b = 0; b < shown.size(); ++b) {
            for (const char& c : cp1252ToUtf8(std::string(1, sheetDisplayByte(char(b)))))
                shown[b] += xmlText(c);
        }
        return shown;
    }();
    return table;
}

// A second number needs a space only when it has no sign to set it apart.
void putSecond(TextBuffer& out, int64_t value)
{
    if (value >= 0)
        out.put(' ');
    out.putNumber(value);
}

// value + 0.5, as "98.5", "-0.5": the centre of a unit.
void putHalfAbove(TextBuffer& out, int64_t value)
{
    if (value >= 0) {
        out.putNumber(value);
    } else {
        out.put('-');
        out.putNumber(-value - 1);
    }
    out.put(".5");
}

// Characters of a number as TextBuffer writes it.
size_t numberLength(int64_t value)
{
    uint64_t magnitude = value < 0 ? 0 - uint64_t(value) : uint64_t(value);
    size_t length = value < 0 ? 2 : 1;
    for (; magnitude >= 10; magnitude /= 10)
        ++length;
    return length;
}

// Characters of a unit's centre as putHalfAbove writes it.
size_t halfLength(int64_t value)
{
    return (value >= 0 ? numberLength(value) : 1 + numberLength(-value - 1)) + 2;
}

// Path commands for lines through the centres of units: whole units, relative where
// that is shorter, so that only an absolute move carries the half unit. A command
// repeating the one before it is left out where the number's sign sets it apart.
class SvgPath {
public:
    explicit SvgPath(TextBuffer& out)
        : out_(out)
    {
    }

    void moveTo(int32_t x, int32_t y)
    {
        const int64_t dx = int64_t(x) - x_;
        const int64_t dy = int64_t(y) - y_;
        const size_t relative = numberLength(dx) + (dy >= 0 ? 1 : 0) + numberLength(dy);
        const size_t absolute = halfLength(x) + 1 + halfLength(y);
        // After a move, further pairs of numbers draw lines.
        if (started_ && relative < absolute) {
            out_.put('m');
            out_.putNumber(dx);
            putSecond(out_, dy);
            implied_ = 'l';
        } else {
            out_.put('M');
            putHalfAbove(out_, x);
            out_.put(' ');
            putHalfAbove(out_, y);
            implied_ = 'L';
        }
        started_ = true;
        x_ = startX_ = x;
        y_ = startY_ = y;
    }
    void lineTo(int32_t x, int32_t y)
    {
        const int64_t dx = int64_t(x) - x_;
        const int64_t dy = int64_t(y) - y_;
        if (dy == 0) {
            command('h', dx);
            out_.putNumber(dx);
        } else if (dx == 0) {
            command('v', dy);
            out_.putNumber(dy);
        } else {
            command('l', dx);
            out_.putNumber(dx);
            putSecond(out_, dy);
        }
        x_ = x;
        y_ = y;
    }
    void close()
    {
        out_.put('z');
        implied_ = 0;
        x_ = startX_;
        y_ = startY_;
    }
    // Painted as a filled unit after the path.
    void unit(int32_t x, int32_t y) { units.push_back({x, y, x, y}); }

    std::vector<SurfaceRect> units;

private:
    void command(char letter, int64_t first)
    {
        if (letter != implied_ || first >= 0)
            out_.put(letter);
        implied_ = letter;
    }

    TextBuffer& out_;
    int32_t x_ = 0;
    int32_t y_ = 0;
    int32_t startX_ = 0;
    int32_t startY_ = 0;
    bool started_ = false;
    char implied_ = 0;
};

} // namespace

SvgWriter::SvgWriter(ByteSink& sink, int32_t sheetWidth, int32_t sheetHeight, PaperPoints page,
                     std::string_view title, const AdvanceMeasurer& font)
    : out_(sink)
    , font_(font)
{
    // The viewBox spans the whole page in sheet units, the sheet at its origin, so that
    // the sheet stands centred on the page as on the PDF's.
    const SheetOnPage fit = fitSheet(page, sheetWidth, sheetHeight);
    out_.put("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg width=\"");
    out_.text().putRounded(page.width * kMillimetresPerPoint);
    out_.put("mm\" height=\"");
    out_.text().putRounded(page.height * kMillimetresPerPoint);
    out_.put("mm\" viewBox=\"");
    // Subtracted from 0, not negated: a sheet at the page's edge starts at 0, not -0.
    out_.text().putRounded((0 - fit.left) / fit.scale);
    out_.put(" ");
    out_.text().putRounded((0 - fit.top) / fit.scale);
    out_.put(" ");
    out_.text().putRounded(page.width / fit.scale);
    out_.put(" ");
    out_.text().putRounded(page.height / fit.scale);
    // Lines and markers cover whole units, as on the page image, so they are drawn crisp.
    // Spaces in texts are kept: lines are placed in whole character cells.
    out_.put("\" xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\"\n"
             " fill=\"none\" stroke-linecap=\"square\" stroke-linejoin=\"miter\" shape-rendering=\"crispEdges\"\n"
             " xml:space=\"preserve\" font-family=\"");
    putEscaped(kSheetFontFamily);
    out_.put(",monospace\" font-size=\"");
    out_.putNumber(int64_t(kSheetFontPixelSize));
    out_.put("\">\n<title>");
    putEscaped(title);
    out_.put("</title>\n");
    writeMarkerDefinitions();
}

void SvgWriter::writeMarkerDefinitions()
{
    out_.put("<defs>\n");
    for (size_t m = 0; m < kMarkerCount; ++m) {
        out_.put("<g id=\"m");
        out_.putNumber(int64_t(m));
        out_.put("\">");
        for (const MarkerColorRuns& colored : markerRuns(Marker(m))) {
            out_.put("<path fill=\"");
            putColor(colored.color);
            out_.put("\" d=\"");
            putRects(colored.runs);
            out_.put("\"/>");
        }
        out_.put("</g>\n");
    }
    out_.put("</defs>\n");
}

bool SvgWriter::end()
{
    out_.put("</svg>\n");
    return out_.flush();
}

void SvgWriter::putRects(std::span<const SurfaceRect> rects)
{
    TextBuffer& d = out_.text();
    for (const SurfaceRect& r : rects) {
        const int64_t w = int64_t(r.right) - r.left + 1;
        d.put('M');
        d.putNumber(int64_t(r.left));
        putSecond(d, int64_t(r.top));
        d.put('h');
        d.putNumber(w);
        d.put('v');
        d.putNumber(int64_t(r.bottom) - r.top + 1);
        d.put('h');
        d.putNumber(-w);
        d.put('z');
    }
}

void SvgWriter::fills(Color color, std::span<const SurfaceRect> rects)
{
    out_.put("<path fill=\"");
    putColor(color);
    out_.put("\" d=\"");
    putRects(rects);
    out_.put("\"/>\n");
    out_.flushIfFull();
}

void SvgWriter::strokes(Color color, LineStyle style, std::span<const Stroke> strokes)
{
    out_.put("<path stroke=\"");
    putColor(color);
    if (style != LineStyle::Solid) {
        // Dots one unit long, two apart, on the units where the page image has them.
        out_.put("\" stroke-dasharray=\"1 2\" stroke-dashoffset=\"");
        out_.put(kDotOffset);
        out_.put("\" stroke-linecap=\"butt");
    }
    out_.put("\" d=\"");
    SvgPath path(out_.text());
    writeStrokePath(strokes, path);
    out_.put("\"/>\n");
    if (!path.units.empty())
        fills(color, path.units);
    out_.flushIfFull();
}

void SvgWriter::texts(Color color, std::span<const TextRun> runs)
{
    const std::array<std::string, 256>& shown = shownCharacters();
    const bool grouped = runs.size() > 1;
    if (grouped) {
        out_.put("<g fill=\"");
        putColor(color);
        out_.put("\">");
    }
    for (const TextRun& run : runs) {
        out_.put("<text");
        if (!grouped) {
            out_.put(" fill=\"");
            putColor(color);
            out_.put("\"");
        }
        out_.put(" x=\"");
        out_.putNumber(int64_t(run.x));
        out_.put("\" y=\"");
        out_.putNumber(int64_t(run.top) + font_.ascent());
        out_.put("\">");
        for (const unsigned char byte : run.text)
            out_.put(shown[byte]);
        out_.put("</text>");
        out_.flushIfFull();
    }
    if (grouped)
        out_.put("</g>");
    out_.put("\n");
}

void SvgWriter::pictures(std::span<const PicturePlacement> pictures)
{
    for (const PicturePlacement& p : pictures) {
        out_.put("<use xlink:href=\"#m");
        out_.putNumber(int64_t(p.marker));
        const int32_t size = markerWidth(p.marker);
        if (p.w == size && p.h == size) {
            out_.put("\" x=\"");
            out_.putNumber(int64_t(p.x));
            out_.put("\" y=\"");
            out_.putNumber(int64_t(p.y));
        } else {
            out_.put("\" transform=\"translate(");
            out_.putNumber(int64_t(p.x));
            out_.put(" ");
            out_.putNumber(int64_t(p.y));
            out_.put(") scale(");
            out_.putNumber(double(p.w) / size);
            out_.put(" ");
            out_.putNumber(double(p.h) / size);
            out_.put(")");
        }
        out_.put("\"/>");
        out_.flushIfFull();
    }
    out_.put("\n");
}

void SvgWriter::putColor(Color color)
{
    static constexpr char kHex[] = "0123456789abcdef";
    const uint8_t parts[] = {color.r, color.g, color.b};
    // #rgb where each part is a repeated digit, as in every colour the drawing uses.
    const bool shortForm = std::all_of(std::begin(parts), std::end(parts), [](uint8_t v) { return v >> 4 == (v & 15); });
    TextBuffer& out = out_.text();
    out.put('#');
    for (const uint8_t v : parts) {
        out.put(kHex[v >> 4]);
        if (!shortForm)
            out.put(kHex[v & 15]);
    }
}

void SvgWriter::putEscaped(std::string_view utf8)
{
    for (const char& c : utf8)
        out_.put(xmlText(c));
}

} // namespace corvix
