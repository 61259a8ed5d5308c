#include "surfaces/svg_writer.h"

#include "surfaces/marker_pictures.h"

#include <QIODevice>
#include <QImage>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <map>
#include <vector>

namespace corvix {

namespace {

constexpr size_t kFlushSize = size_t(1) << 16;
constexpr std::string_view kDotOffset = "2.5";
// The page as the earlier Qt generator sized it: 72 units to the inch.
constexpr double kMillimetresPerUnit = 25.4 / 72;

void appendNumber(std::string& out, int64_t value)
{
    std::array<char, 24> digits{};
    const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), end);
}

// A second number needs a space only when it has no sign to set it apart.
void appendSecond(std::string& out, int64_t value)
{
    if (value >= 0)
        out += ' ';
    appendNumber(out, value);
}

// value - 0.5, as "-0.5", "98.5".
void appendHalfBelow(std::string& out, int64_t value)
{
    if (value > 0) {
        appendNumber(out, value - 1);
    } else {
        out += '-';
        appendNumber(out, -value);
    }
    out += ".5";
}

// Path commands in whole units, relative where that is shorter; the drawing's group
// shifts them by half a unit onto the units' centres.
class SvgPath {
public:
    explicit SvgPath(std::string& out)
        : out_(out)
    {
    }

    void moveTo(int32_t x, int32_t y)
    {
        // Relative to the current point when that is shorter, as within a block.
        std::string absolute = "M";
        appendNumber(absolute, x);
        appendSecond(absolute, y);
        std::string relative = "m";
        appendNumber(relative, int64_t(x) - x_);
        appendSecond(relative, int64_t(y) - y_);
        out_ += started_ && relative.size() < absolute.size() ? relative : absolute;
        started_ = true;
        x_ = startX_ = x;
        y_ = startY_ = y;
    }
    void lineTo(int32_t x, int32_t y)
    {
        if (y == y_) {
            out_ += 'h';
            appendNumber(out_, int64_t(x) - x_);
        } else if (x == x_) {
            out_ += 'v';
            appendNumber(out_, int64_t(y) - y_);
        } else {
            out_ += 'l';
            appendNumber(out_, int64_t(x) - x_);
            appendSecond(out_, int64_t(y) - y_);
        }
        x_ = x;
        y_ = y;
    }
    void close()
    {
        out_ += 'z';
        x_ = startX_;
        y_ = startY_;
    }
    // Painted as a filled unit after the path.
    void unit(int32_t x, int32_t y) { units.push_back({x, y, x, y}); }

    std::vector<SurfaceRect> units;

private:
    std::string& out_;
    int32_t x_ = 0;
    int32_t y_ = 0;
    int32_t startX_ = 0;
    int32_t startY_ = 0;
    bool started_ = false;
};

} // namespace

SvgWriter::SvgWriter(QIODevice& device, QSize sheet, const QString& title, const QtTextMeasurer& font)
    : device_(device)
    , font_(font)
{
    buffer_.reserve(kFlushSize + 4096);
    put("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n<svg width=\"");
    putNumber(std::nearbyint(sheet.width() * kMillimetresPerUnit * 1000) / 1000);
    put("mm\" height=\"");
    putNumber(std::nearbyint(sheet.height() * kMillimetresPerUnit * 1000) / 1000);
    put("mm\" viewBox=\"0 0 ");
    putNumber(int64_t(sheet.width()));
    put(" ");
    putNumber(int64_t(sheet.height()));
    // Lines and markers cover whole units, as on the page image, so they are drawn crisp.
    // Spaces in texts are kept: lines are placed in whole character cells.
    put("\" xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\"\n"
        " fill=\"none\" stroke-linecap=\"square\" stroke-linejoin=\"miter\" shape-rendering=\"crispEdges\"\n"
        " xml:space=\"preserve\" font-family=\"");
    putEscaped(font.font().family().toStdString());
    put(",monospace\" font-size=\"");
    putNumber(int64_t(font.font().pixelSize()));
    put("\">\n<title>");
    putEscaped(title.toStdString());
    put("</title>\n");
    writeMarkerDefinitions();
    // Lines run through the centres of units; whatever covers whole units is placed
    // half a unit back.
    put("<g transform=\"translate(.5 .5)\">\n");
}

void SvgWriter::writeMarkerDefinitions()
{
    put("<defs>\n");
    for (size_t m = 0; m < kMarkerCount; ++m) {
        const QImage& picture = markerPicture(Marker(m));
        // Each row's runs of one colour, gathered by colour; placed, like the lines, from
        // the centre of their top-left unit.
        std::map<QRgb, std::string> runs;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width();) {
                const QRgb pixel = picture.pixel(x, y);
                int end = x + 1;
                while (end < picture.width() && picture.pixel(end, y) == pixel)
                    ++end;
                if (qAlpha(pixel) != 0) {
                    std::string& d = runs[pixel];
                    d += 'M';
                    appendHalfBelow(d, x);
                    d += ' ';
                    appendHalfBelow(d, y);
                    d += 'h' + std::to_string(end - x) + "v1h-" + std::to_string(end - x) + 'z';
                }
                x = end;
            }
        }
        put("<g id=\"m");
        putNumber(int64_t(m));
        put("\">");
        for (const auto& [rgb, d] : runs) {
            put("<path fill=\"");
            putColor(Color{uint8_t(qRed(rgb)), uint8_t(qGreen(rgb)), uint8_t(qBlue(rgb))});
            put("\" d=\"");
            put(d);
            put("\"/>");
        }
        put("</g>\n");
    }
    put("</defs>\n");
}

bool SvgWriter::end()
{
    put("</g>\n</svg>\n");
    flush();
    return !failed_;
}

void SvgWriter::fills(Color color, std::span<const SurfaceRect> rects)
{
    put("<path fill=\"");
    putColor(color);
    put("\" d=\"");
    for (const SurfaceRect& r : rects) {
        const int64_t w = int64_t(r.right) - r.left + 1;
        put("M");
        appendHalfBelow(buffer_, r.left);
        put(" ");
        appendHalfBelow(buffer_, r.top);
        put("h");
        putNumber(w);
        put("v");
        putNumber(int64_t(r.bottom) - r.top + 1);
        put("h");
        putNumber(-w);
        put("z");
    }
    put("\"/>\n");
    flushIfFull();
}

void SvgWriter::strokes(Color color, LineStyle style, std::span<const Stroke> strokes)
{
    put("<path stroke=\"");
    putColor(color);
    if (style != LineStyle::Solid) {
        // Dots one unit long, two apart, on the units where the page image has them.
        put("\" stroke-dasharray=\"1 2\" stroke-dashoffset=\"");
        put(kDotOffset);
        put("\" stroke-linecap=\"butt");
    }
    put("\" d=\"");
    SvgPath path(buffer_);
    writeStrokePath(strokes, path);
    put("\"/>\n");
    if (!path.units.empty())
        fills(color, path.units);
    flushIfFull();
}

void SvgWriter::texts(Color color, std::span<const TextRun> runs)
{
    const bool grouped = runs.size() > 1;
    if (grouped) {
        put("<g fill=\"");
        putColor(color);
        put("\">\n");
    }
    for (const TextRun& run : runs) {
        put("<text");
        if (!grouped) {
            put(" fill=\"");
            putColor(color);
            put("\"");
        }
        put(" x=\"");
        appendHalfBelow(buffer_, run.x);
        put("\" y=\"");
        appendHalfBelow(buffer_, int64_t(run.top) + font_.ascent());
        put("\">");
        putEscaped(QtTextMeasurer::displayLine(run.text).toStdString());
        put("</text>\n");
        flushIfFull();
    }
    if (grouped)
        put("</g>\n");
}

void SvgWriter::pictures(std::span<const PicturePlacement> pictures)
{
    for (const PicturePlacement& p : pictures) {
        put("<use xlink:href=\"#m");
        putNumber(int64_t(p.marker));
        const int32_t size = markerWidth(p.marker);
        if (p.w == size && p.h == size) {
            put("\" x=\"");
            putNumber(int64_t(p.x));
            put("\" y=\"");
            putNumber(int64_t(p.y));
        } else {
            // The definition's origin is the centre of its top-left unit, a unit the scale changes.
            const double sx = double(p.w) / size;
            const double sy = double(p.h) / size;
            put("\" transform=\"translate(");
            putNumber(p.x + (sx - 1) / 2);
            put(" ");
            putNumber(p.y + (sy - 1) / 2);
            put(") scale(");
            putNumber(sx);
            put(" ");
            putNumber(sy);
            put(")");
        }
        put("\"/>\n");
        flushIfFull();
    }
}

void SvgWriter::put(std::string_view text)
{
    buffer_.append(text);
}

void SvgWriter::putNumber(int64_t value)
{
    appendNumber(buffer_, value);
}

void SvgWriter::putNumber(double value)
{
    std::array<char, 32> digits{};
    const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    buffer_.append(digits.data(), end);
}

void SvgWriter::putColor(Color color)
{
    static constexpr char kHex[] = "0123456789abcdef";
    const uint8_t parts[] = {color.r, color.g, color.b};
    // #rgb where each part is a repeated digit, as in every colour the drawing uses.
    const bool shortForm = std::all_of(std::begin(parts), std::end(parts), [](uint8_t v) { return v >> 4 == (v & 15); });
    buffer_ += '#';
    for (const uint8_t v : parts) {
        buffer_ += kHex[v >> 4];
        if (!shortForm)
            buffer_ += kHex[v & 15];
    }
}

void SvgWriter::putEscaped(std::string_view utf8)
{
    for (const char c : utf8) {
        switch (c) {
        case '&':
            put("&amp;");
            break;
        case '<':
            put("&lt;");
            break;
        case '>':
            put("&gt;");
            break;
        case '"':
            put("&quot;");
            break;
        default:
            buffer_ += c;
        }
    }
}

void SvgWriter::flushIfFull()
{
    if (buffer_.size() >= kFlushSize)
        flush();
}

void SvgWriter::flush()
{
    if (!failed_ && !buffer_.empty())
        failed_ = device_.write(buffer_.data(), qint64(buffer_.size())) != qint64(buffer_.size());
    buffer_.clear();
}

} // namespace corvix
