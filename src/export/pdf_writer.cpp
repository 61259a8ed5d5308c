#include "export/pdf_writer.h"

#include "model/paper.h"
#include "render/marker_pixels.h"
#include "render/sheet_font_measures.h"

#include <cstdio>

namespace corvix {

namespace {

constexpr int kMarkers = int(kMarkerCount);

// The document's objects by number; the content's length follows the content, whose
// size is known only once it is written.
constexpr int kCatalog = 1;
constexpr int kPages = 2;
constexpr int kPage = 3;
constexpr int kFont = 4;
constexpr int kFirstMarker = 5;
constexpr int kInfo = kFirstMarker + kMarkers;
constexpr int kContent = kInfo + 1;
constexpr int kContentLength = kContent + 1;
constexpr int kObjectCount = kContentLength;

// Courier's advance, as in every glyph of the font: 600 thousandths of the size.
constexpr double kCourierAdvance = 0.6;

// "r g b rg" for fills and texts, "r g b RG" for lines; the thousandth is enough for
// colours of 255 steps.
void putColor(TextBuffer& out, Color color, std::string_view op)
{
    for (const uint8_t part : {color.r, color.g, color.b}) {
        out.putRounded(part / 255.0);
        out.put(' ');
    }
    out.put(op);
    out.put('\n');
}

void putPoint(TextBuffer& out, int32_t x, int32_t y)
{
    out.putNumber(int64_t(x));
    out.put(' ');
    out.putNumber(int64_t(y));
}

// Filled rectangles: "x y w h re" each.
void putRects(TextBuffer& out, std::span<const SurfaceRect> rects)
{
    for (const SurfaceRect& r : rects) {
        putPoint(out, r.left, r.top);
        out.put(' ');
        putPoint(out, r.right - r.left + 1, r.bottom - r.top + 1);
        out.put(" re\n");
    }
}

// Lines through the centres of units, in a space shifted by half a unit.
class PdfPath {
public:
    explicit PdfPath(TextBuffer& out)
        : out_(out)
    {
    }

    void moveTo(int32_t x, int32_t y)
    {
        putPoint(out_, x, y);
        out_.put(" m\n");
    }
    void lineTo(int32_t x, int32_t y)
    {
        putPoint(out_, x, y);
        out_.put(" l\n");
    }
    void close() { out_.put("h\n"); }
    // Painted as a filled unit after the path.
    void unit(int32_t x, int32_t y) { units.push_back({x, y, x, y}); }

    std::vector<SurfaceRect> units;

private:
    TextBuffer& out_;
};

} // namespace

PdfWriter::PdfWriter(ByteSink& sink, int32_t sheetWidth, int32_t sheetHeight, PaperPoints page,
                     std::u16string_view title, const AdvanceMeasurer& font)
    : out_(sink)
    , content_(out_)
    , font_(font)
    , offsets_(size_t(kObjectCount) + 1, 0)
{
    // The comment of high bytes tells transfer programs that the file is binary.
    out_.put("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    beginObject(kCatalog);
    out_.put("<</Type /Catalog /Pages");
    putReference(kPages);
    out_.put(">>\nendobj\n");
    beginObject(kPages);
    out_.put("<</Type /Pages /Kids [");
    putReference(kPage);
    out_.put("] /Count 1>>\nendobj\n");
    beginObject(kPage);
    out_.put("<</Type /Page /Parent");
    putReference(kPages);
    out_.put(" /MediaBox [0 0 ");
    out_.text().putRounded(page.width);
    out_.put(" ");
    out_.text().putRounded(page.height);
    out_.put("]\n/Resources <</Font <</F");
    putReference(kFont);
    out_.put(">> /XObject <<");
    for (int m = 0; m < kMarkers; ++m) {
        out_.put("/M");
        out_.putNumber(int64_t(m));
        putReference(kFirstMarker + m);
    }
    out_.put(">>>>\n/Contents");
    putReference(kContent);
    out_.put(">>\nendobj\n");
    // One of the fonts every PDF reader has; WinAnsiEncoding is Windows-1252 for the
    // characters the sheet shows, so texts go in as their bytes.
    beginObject(kFont);
    out_.put("<</Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding>>\nendobj\n");
    writeMarkerForms();
    writeInfo(title);

    beginObject(kContent);
    out_.put("<</Length");
    putReference(kContentLength);
    out_.put(" /Filter /FlateDecode>>\nstream\n");
    contentStart_ = out_.offset();
    // Sheet units, y downwards as on the sheet, the sheet fitted and centred on the page;
    // lines of one unit with square ends, as the page image paints them.
    const SheetOnPage fit = fitSheet(page, sheetWidth, sheetHeight);
    TextBuffer& c = content_.text();
    c.putNumber(fit.scale);
    c.put(" 0 0 ");
    c.putNumber(-fit.scale);
    c.put(" ");
    c.putNumber(fit.left);
    c.put(" ");
    c.putNumber(page.height - fit.top);
    c.put(" cm 1 w 2 J 0 j\n");
}

void PdfWriter::beginObject(int number)
{
    offsets_[size_t(number)] = out_.offset();
    out_.putNumber(int64_t(number));
    out_.put(" 0 obj\n");
}

void PdfWriter::putReference(int number)
{
    out_.put(" ");
    out_.putNumber(int64_t(number));
    out_.put(" 0 R");
}

void PdfWriter::writeMarkerForms()
{
    for (int m = 0; m < kMarkers; ++m) {
        TextBuffer shape(1024);
        for (const MarkerColorRuns& colored : markerRuns(Marker(m))) {
            putColor(shape, colored.color, "rg");
            putRects(shape, colored.runs);
            shape.put("f\n");
        }
        beginObject(kFirstMarker + m);
        out_.put("<</Type /XObject /Subtype /Form /BBox [0 0 ");
        out_.putNumber(int64_t(markerWidth(Marker(m))));
        out_.put(" ");
        out_.putNumber(int64_t(markerWidth(Marker(m))));
        out_.put("] /Length ");
        out_.putNumber(int64_t(shape.size()));
        out_.put(">>\nstream\n");
        out_.put(shape.view());
        out_.put("endstream\nendobj\n");
    }
}

void PdfWriter::writeInfo(std::u16string_view title)
{
    // The title in UTF-16 with its byte order mark, which holds any file name.
    beginObject(kInfo);
    out_.put("<</Title <FEFF");
    for (const char16_t unit : title) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "%04X", unsigned(unit));
        out_.put(std::string_view(hex, 4));
    }
    out_.put("> /Creator (Corvix) /Producer (Corvix)>>\nendobj\n");
}

bool PdfWriter::end()
{
    const bool compressed = content_.finish();
    const int64_t length = out_.offset() - contentStart_;
    out_.put("\nendstream\nendobj\n");
    beginObject(kContentLength);
    out_.putNumber(length);
    out_.put("\nendobj\n");
    writeCrossReference();
    return out_.flush() && compressed;
}

void PdfWriter::writeCrossReference()
{
    const int64_t start = out_.offset();
    out_.put("xref\n0 ");
    out_.putNumber(int64_t(kObjectCount) + 1);
    out_.put("\n0000000000 65535 f \n");
    for (int n = 1; n <= kObjectCount; ++n) {
        char entry[21];
        std::snprintf(entry, sizeof entry, "%010lld 00000 n \n", static_cast<long long>(offsets_[size_t(n)]));
        out_.put(std::string_view(entry, 20));
    }
    out_.put("trailer\n<</Size ");
    out_.putNumber(int64_t(kObjectCount) + 1);
    out_.put(" /Root");
    putReference(kCatalog);
    out_.put(" /Info");
    putReference(kInfo);
    out_.put(">>\nstartxref\n");
    out_.putNumber(start);
    out_.put("\n%%EOF\n");
}

void PdfWriter::fills(Color color, std::span<const SurfaceRect> rects)
{
    TextBuffer& c = content_.text();
    putColor(c, color, "rg");
    putRects(c, rects);
    c.put("f\n");
    content_.deflateIfFull();
}

void PdfWriter::strokes(Color color, LineStyle style, std::span<const Stroke> strokes)
{
    TextBuffer& c = content_.text();
    // Lines run through the centres of units.
    c.put("q 1 0 0 1 .5 .5 cm\n");
    putColor(c, color, "RG");
    if (style != LineStyle::Solid) {
        // Dots one unit long, two apart, on the units where the page image has them.
        c.put("[1 2] 2.5 d 0 J\n");
    }
    PdfPath path(c);
    writeStrokePath(strokes, path);
    c.put("S Q\n");
    if (!path.units.empty())
        fills(color, path.units);
    content_.deflateIfFull();
}

void PdfWriter::texts(Color color, std::span<const TextRun> runs)
{
    TextBuffer& c = content_.text();
    putColor(c, color, "rg");
    c.put("BT /F ");
    c.putNumber(int64_t(kSheetFontPixelSize));
    c.put(" Tf ");
    c.putRounded(font_.advance('a') - kCourierAdvance * kSheetFontPixelSize);
    c.put(" Tc\n");
    for (const TextRun& run : runs) {
        // Upright again in the sheet's downward space.
        c.put("1 0 0 -1 ");
        putPoint(c, run.x, run.top + font_.ascent());
        // The bytes as a string, the three that would end it escaped.
        c.put(" Tm (");
        for (const char byte : run.text) {
            // Courier gives every character a cell; one the sheet font gives no room, the
            // soft hyphen, is not shown at all, as on the page image.
            if (font_.advance(static_cast<unsigned char>(byte)) == 0)
                continue;
            const char shown = sheetDisplayByte(byte);
            if (shown == '(' || shown == ')' || shown == '\\')
                c.put('\\');
            c.put(shown);
        }
        c.put(") Tj\n");
        content_.deflateIfFull();
    }
    c.put("ET\n");
}

void PdfWriter::pictures(std::span<const PicturePlacement> pictures)
{
    TextBuffer& c = content_.text();
    for (const PicturePlacement& p : pictures) {
        const int32_t size = markerWidth(p.marker);
        c.put("q ");
        if (p.w == size && p.h == size) {
            c.put("1 0 0 1 ");
        } else {
            c.putNumber(double(p.w) / size);
            c.put(" 0 0 ");
            c.putNumber(double(p.h) / size);
            c.put(' ');
        }
        putPoint(c, p.x, p.y);
        c.put(" cm /M");
        c.putNumber(int64_t(p.marker));
        c.put(" Do Q\n");
        content_.deflateIfFull();
    }
}

} // namespace corvix
