#include "render/render_pass.h"
#include "render/sheet_font_measures.h"
#include "support/capacity_diagram.h"
#include "surfaces/marker_pictures.h"
#include "surfaces/painter_target.h"
#include "surfaces/qt_text_measurer.h"
#include "surfaces/text_convert.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <climits>

#include <tuple>

namespace corvix {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

QImage whiteImage(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kWhite);
    return image;
}

// Forwards everything to a surface but never reports an area, so the pass culls nothing.
class Unculled final : public RenderTarget {
public:
    explicit Unculled(RenderTarget& target)
        : t_(target)
    {
    }
    double TextWidth(std::string_view text) const override { return t_.TextWidth(text); }
    double TextHeight(std::string_view text) const override { return t_.TextHeight(text); }
    void Cls() override { t_.Cls(); }
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color c) override { t_.Line(x1, y1, x2, y2, c); }
    void Box(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color c) override { t_.Box(x1, y1, x2, y2, c); }
    void ForeColor(Color c) override { t_.ForeColor(c); }
    void CurrentX(int32_t x) override { t_.CurrentX(x); }
    void CurrentY(int32_t y) override { t_.CurrentY(y); }
    void Print(std::string_view text) override { t_.Print(text); }
    void PaintPicture(Marker m, int32_t x, int32_t y, int32_t w, int32_t h) override { t_.PaintPicture(m, x, y, w, h); }
    void DrawStyle(LineStyle style) override { t_.DrawStyle(style); }
    void FontTransparent(bool on) override { t_.FontTransparent(on); }
    void XorMode(bool on) override { t_.XorMode(on); }

private:
    RenderTarget& t_;
};

} // namespace

class PainterTargetTest : public QObject {
    Q_OBJECT

private slots:
    void segmentPaintsItsStartButNotItsEnd_data();
    void segmentPaintsItsStartButNotItsEnd();
    void zeroLengthSegmentPaintsNothing();
    void extremeCoordinatesAreClipped();
    void boxIsTheClosedOutlineOfBothCorners();
    void dottedOutlineAlternates();
    void markerLeavesTransparentPixelsUntouched();
    void magnifiedMarkerIsDrawnAsShapes();
    void opaqueTextBoxCoversWhatIsUnderIt();
    void exclusiveOrTwiceRemovesTheBand();
    void culledPassEqualsUnculledPass_data();
    void culledPassEqualsUnculledPass();
    void textInPixelsEqualsQtText();
    void sheetFontHasWholeCells();
    void knownMeasuresAreTheFontsOwn();
    void cp1252Conversion_data();
    void cp1252Conversion();
};

void PainterTargetTest::segmentPaintsItsStartButNotItsEnd_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("painted");  // pixels in all at one unit a pixel
    const QList<std::tuple<const char*, QPoint, QPoint, int>> cases = {
        {"right", {5, 10}, {15, 10}, 10},
        {"left", {15, 10}, {5, 10}, 10},
        {"down", {10, 5}, {10, 15}, 10},
        {"up", {10, 15}, {10, 5}, 10},
        {"diagonal down-right", {5, 5}, {15, 15}, 10},
        {"diagonal up-left", {15, 15}, {5, 5}, 10},
        {"steep up-right", {8, 18}, {12, 2}, 16},
        {"shallow down-left", {18, 8}, {2, 12}, 16},
        {"one pixel", {7, 7}, {8, 7}, 1},
    };
    // At one unit a pixel the image's pixels are written directly; stretched, QPainter draws.
    for (const int scale : {1, 2}) {
        for (const auto& [name, from, to, painted] : cases)
            QTest::addRow("%s, scale %d", name, scale) << from * scale << to * scale << (scale == 1 ? painted : -1);
    }
}

void PainterTargetTest::segmentPaintsItsStartButNotItsEnd()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(int, painted);
    const int scale = painted < 0 ? 2 : 1;
    QImage image = whiteImage(20 * scale, 20 * scale);
    {
        PainterTarget target(image, Qt::white, QSize(20, 20));
        target.Line(from.x() / scale, from.y() / scale, to.x() / scale, to.y() / scale, colors::Black);
    }
    QCOMPARE(image.pixel(from), kBlack);
    QCOMPARE(image.pixel(to), kWhite);
    if (painted < 0)
        return;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == kBlack;
    }
    QCOMPARE(count, painted);
}

void PainterTargetTest::zeroLengthSegmentPaintsNothing()
{
    QImage image = whiteImage(10, 10);
    {
        PainterTarget target(image, Qt::white);
        target.Line(4, 4, 4, 4, colors::Black);
    }
    QCOMPARE(image, whiteImage(10, 10));
}

void PainterTargetTest::extremeCoordinatesAreClipped()
{
    QImage image = whiteImage(20, 20);
    {
        PainterTarget target(image, Qt::white);
        target.Line(INT32_MIN, 5, INT32_MAX, 5, colors::Black);
        target.Line(10, INT32_MAX, 10, INT32_MIN, colors::Black);
        target.Line(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, colors::Black);
        target.Box(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, colors::Black);
        target.PaintPicture(Marker::Saida, INT32_MAX, INT32_MIN, 16, 16);
        target.CurrentX(INT32_MAX);
        target.CurrentY(INT32_MIN);
        target.Print("far away");
    }
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(image.pixel(i, 5), kBlack);
        QCOMPARE(image.pixel(10, i), kBlack);
    }
    QCOMPARE(image.pixel(3, 9), kWhite);
}

void PainterTargetTest::boxIsTheClosedOutlineOfBothCorners()
{
    QImage image = whiteImage(20, 20);
    {
        PainterTarget target(image, Qt::white);
        target.Box(12, 14, 3, 4, colors::Blue);  // corners in either order
    }
    const QRgb blue = 0xFF0000FF;
    for (const QPoint p : {QPoint(3, 4), QPoint(12, 4), QPoint(3, 14), QPoint(12, 14), QPoint(7, 4), QPoint(3, 9)})
        QCOMPARE(image.pixel(p), blue);
    for (const QPoint p : {QPoint(7, 9), QPoint(13, 9), QPoint(7, 15), QPoint(2, 4)})
        QCOMPARE(image.pixel(p), kWhite);
}

void PainterTargetTest::dottedOutlineAlternates()
{
    QImage image = whiteImage(40, 20);
    {
        PainterTarget target(image, Qt::white);
        target.DrawStyle(LineStyle::Dot);
        target.Box(2, 2, 37, 17, colors::Black);
        target.DrawStyle(LineStyle::Solid);
        target.Line(2, 19, 37, 19, colors::Black);
    }
    int on = 0;
    int runs = 0;
    for (int x = 4; x <= 35; ++x) {  // away from the corners, where the pattern turns
        const bool dot = image.pixel(x, 2) == kBlack;
        on += dot;
        runs += dot && image.pixel(x - 1, 2) != kBlack;
    }
    for (int x = 3; x < 37; ++x)
        QCOMPARE(image.pixel(x, 5), kWhite);  // inside stays empty
    QVERIFY2(on > 6 && on < 26, qPrintable(QString::number(on)));
    QCOMPARE(runs, on);  // every dot stands alone
    int left = 0;
    for (int y = 2; y <= 17; ++y)
        left += image.pixel(2, y) == kBlack;
    QVERIFY(left > 2 && left < 16);
    // Back to solid afterwards.
    for (int x = 2; x < 37; ++x)
        QCOMPARE(image.pixel(x, 19), kBlack);
}

void PainterTargetTest::markerLeavesTransparentPixelsUntouched()
{
    const QRgb ground = 0xFF336699;
    for (int m = 0; m < 9; ++m) {
        const Marker marker = Marker(m);
        const QImage& picture = markerPicture(marker);
        QCOMPARE(picture.width(), markerWidth(marker));
        QCOMPARE(picture.height(), markerWidth(marker));
        QImage image(30, 30, QImage::Format_RGB32);
        image.fill(ground);
        {
            PainterTarget target(image, Qt::white);
            target.PaintPicture(marker, 5, 7, picture.width(), picture.height());
        }
        int transparent = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb source = picture.pixel(x, y);
                const QRgb expected = qAlpha(source) == 0 ? ground : (source | 0xFF000000);
                QCOMPARE(image.pixel(5 + x, 7 + y), expected);
                transparent += qAlpha(source) == 0;
            }
        }
        QVERIFY2(transparent > 0, "every marker has a transparent background");
        QCOMPARE(image.pixel(4, 6), ground);
    }
}

void PainterTargetTest::magnifiedMarkerIsDrawnAsShapes()
{
    // Twice the size, a marker is smoothed shapes, not its picture's pixels doubled; its
    // inside keeps the picture's colour.
    struct Inside {
        Marker marker;
        QPoint unit;
    };
    for (const Inside& c : {Inside{Marker::SetaBaixo, {6, 6}}, Inside{Marker::SimDir, {10, 8}},
                            Inside{Marker::Naoesq, {5, 8}}, Inside{Marker::Saida, {5, 5}},
                            Inside{Marker::EntradaClara, {11, 6}}}) {
        const QImage& picture = markerPicture(c.marker);
        const int side = 2 * picture.width();
        QImage image = whiteImage(side, side);
        {
            PainterTarget target(image, Qt::white);
            target.Magnify({2, 0, 0});
            target.PaintPicture(c.marker, 0, 0, picture.width(), picture.height());
        }
        QImage doubled = whiteImage(side, side);
        {
            QPainter painter(&doubled);
            painter.drawImage(QRect(0, 0, side, side), picture);
        }
        QVERIFY(image != doubled);
        const QPoint device = c.unit * 2;
        QCOMPARE(image.pixel(device), picture.pixel(c.unit) | 0xFF000000);
        bool smoothed = false;
        for (int y = 0; y < side && !smoothed; ++y) {
            for (int x = 0; x < side && !smoothed; ++x) {
                const QRgb p = image.pixel(x, y);
                smoothed = p != kWhite && (p & 0xFFFFFF) != (picture.pixel(x / 2, y / 2) & 0xFFFFFF);
            }
        }
        QVERIFY2(smoothed, "the edges are smoothed");
    }
}

void PainterTargetTest::opaqueTextBoxCoversWhatIsUnderIt()
{
    // A space has no ink, so only the background box can change the pixels.
    for (const bool transparent : {true, false}) {
        QImage image = whiteImage(40, 30);
        {
            PainterTarget target(image, QColor(255, 255, 220));
            target.Line(0, 10, 40, 10, colors::Red);
            target.FontTransparent(transparent);
            target.CurrentX(5);
            target.CurrentY(4);
            target.Print("  ");
        }
        const QtTextMeasurer font;
        const QRgb red = 0xFFFF0000;
        const QRgb cream = 0xFFFFFFDC;
        QCOMPARE(image.pixel(5, 10), transparent ? red : cream);
        QCOMPARE(image.pixel(5 + 13, 10), transparent ? red : cream);
        QCOMPARE(image.pixel(5 + 14, 10), red);  // two cells of 7
        QCOMPARE(image.pixel(4, 10), red);
        QCOMPARE(image.pixel(5, 4 + font.lineHeight()), kWhite);
        QCOMPARE(image.pixel(5, 4), transparent ? kWhite : cream);
    }
}

void PainterTargetTest::exclusiveOrTwiceRemovesTheBand()
{
    QImage image = whiteImage(30, 30);
    {
        PainterTarget target(image, Qt::white);
        target.Box(2, 2, 27, 27, colors::Blue);
        target.Line(5, 20, 25, 5, colors::Red);
    }
    const QImage before = image;
    PainterTarget target(image, Qt::white);
    target.XorMode(true);
    target.Box(0, 8, 20, 15, colors::Black);
    target.Line(1, 12, 29, 12, colors::Cyan);
    target.end();
    QVERIFY(image != before);
    PainterTarget again(image, Qt::white);
    again.XorMode(true);
    again.Box(0, 8, 20, 15, colors::Black);
    again.Line(1, 12, 29, 12, colors::Cyan);
    again.end();
    QCOMPARE(image, before);
}

void PainterTargetTest::culledPassEqualsUnculledPass_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("canvas at origin") << QSize(688, 488) << QPoint(0, 0);
    QTest::newRow("canvas mid-sheet") << QSize(688, 488) << QPoint(400, 700);
    QTest::newRow("canvas off the edge") << QSize(688, 488) << QPoint(-300, -200);
    QTest::newRow("canvas at the far corner") << QSize(688, 488) << QPoint(900, 1300);
    QTest::newRow("page") << QSize(1188, 1537) << QPoint(0, 0);
}

void PainterTargetTest::culledPassEqualsUnculledPass()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, offset);
    EditorState state;
    testing::makeCapacityDiagram(state, QtTextMeasurer());
    state.selectedBlock = 17;
    state.programNotice = "corvix - drawn with Corvix, the flowchart editor";
    RenderPass pass;

    QImage culled(size, QImage::Format_RGB32);
    {
        PainterTarget target(culled, QColor(255, 255, 220));
        pass.desenha_diagrama(target, state, offset.x(), offset.y());
    }
    QImage unculled(size, QImage::Format_RGB32);
    {
        PainterTarget target(unculled, QColor(255, 255, 220));
        Unculled all(target);
        pass.desenha_diagrama(all, state, offset.x(), offset.y());
    }
    QVERIFY(culled == unculled);
}

void PainterTargetTest::textInPixelsEqualsQtText()
{
    // Every Windows-1252 character, in two colours, over a line and on cream, and one
    // line that runs off the left edge.
    std::vector<std::string> lines;
    for (int first = 0x20; first < 0x100; first += 24) {
        std::string line;
        for (int b = first; b < std::min(first + 24, 0x100); ++b)
            line += char(b);
        lines.push_back(line);
    }
    const QtTextMeasurer font;
    const QSize size(200, 14 * int(lines.size()) + 20);
    QImage direct(size, QImage::Format_RGB32);
    QImage qt(size, QImage::Format_RGB32);
    for (QImage* image : {&direct, &qt}) {
        image->fill(QColor(255, 255, 220));
        QPainter painter(image);
        painter.fillRect(QRect(0, 30, 200, 3), Qt::blue);
    }
    {
        PainterTarget target(direct, Qt::white);
        QPainter painter(&qt);
        painter.setFont(font.font());
        for (size_t k = 0; k < lines.size(); ++k) {
            const Color color = k % 2 ? colors::Red : colors::Black;
            const int32_t x = k == 3 ? -30 : 4;
            const int32_t y = 2 + int32_t(k) * 14;
            target.ForeColor(color);
            target.CurrentX(x);
            target.CurrentY(y);
            target.Print(lines[k]);
            painter.setPen(QColor(color.r, color.g, color.b));
            painter.drawText(QPointF(x, y + font.ascent()), QtTextMeasurer::displayLine(lines[k]));
        }
    }
    QCOMPARE(direct, qt);
}

void PainterTargetTest::sheetFontHasWholeCells()
{
    const QtTextMeasurer font;
    QCOMPARE(font.TextWidth("a"), 7.0);
    QCOMPARE(font.TextWidth("abcdefghij"), 70.0);
    QCOMPARE(font.TextWidth("ab\r\nabcd\r\n"), 28.0);
    QCOMPARE(font.TextWidth("a\tb"), 21.0);  // a tab takes one cell, it is not expanded
    QCOMPARE(font.TextHeight("a\r\nb\r\nc"), 3.0 * font.lineHeight());
    QCOMPARE(font.TextHeight(""), double(font.lineHeight()));
    // The advances read once per character add up to what shaping the whole line gives,
    // the soft hyphen's empty advance included.
    std::string every;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r')
            every += char(b);
    }
    every += every;
    QCOMPARE(font.TextWidth(every), QFontMetricsF(font.font()).horizontalAdvance(QtTextMeasurer::displayLine(every)));
    QCOMPARE(font.TextWidth("a\xAD"), 7.0);
}

void PainterTargetTest::knownMeasuresAreTheFontsOwn()
{
    // The SVG and PDF exports measure with the known measures, the page image with the font.
    const QtTextMeasurer font;
    const SheetFontMeasures known;
    QCOMPARE(known.lineHeight(), font.lineHeight());
    QCOMPARE(known.ascent(), font.ascent());
    for (int b = 0; b < 256; ++b)
        QVERIFY2(known.advance(uint8_t(b)) == font.advance(uint8_t(b)), qPrintable(QString("byte %1").arg(b, 2, 16)));
}

void PainterTargetTest::cp1252Conversion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("back");
    QTest::newRow("ascii") << "Ab 1?" << QByteArray("Ab 1?") << "Ab 1?";
    QTest::newRow("latin-1") << QString::fromUtf8("Ação é") << QByteArray("A\xE7\xE3o \xE9") << QString::fromUtf8("Ação é");
    QTest::newRow("high controls") << QString::fromUtf8("€‰Ÿ") << QByteArray("\x80\x89\x9F") << QString::fromUtf8("€‰Ÿ");
    QTest::newRow("unrepresentable") << QString::fromUtf8("a中b") << QByteArray("a?b") << "a?b";
    QTest::newRow("outside the plane is one character") << QString::fromUtf8("x😀y") << QByteArray("x?y") << "x?y";
}

void PainterTargetTest::cp1252Conversion()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, back);
    const std::string encoded = toCp1252(text);
    QCOMPARE(QByteArray::fromStdString(encoded), bytes);
    QCOMPARE(fromCp1252(encoded), back);
}

} // namespace corvix

QTEST_MAIN(corvix::PainterTargetTest)
#include "painter_target_test.moc"
