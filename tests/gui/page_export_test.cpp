#include "cli/cli.h"
#include "cli/qt_commands.h"
#include "model/program_info.h"
#include "printing/page_export.h"
#include "render/sheet_font_measures.h"
#include "support/block_builders.h"
#include "support/capacity_diagram.h"
#include "support/diagram_samples.h"
#include "surfaces/qt_text_measurer.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <zlib.h>

#include <cmath>
#include <fstream>
#include <optional>

namespace corvix {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kCyan = 0xFF00FFFF;
constexpr QRgb kBlue = 0xFF0000FF;

// Stored geometry that no font measured: the export must draw what the file says.
// An action at (200, 200) whose bottom exit drops to a goto jump at (200, 400), and a
// decision at (500, 300) whose right exit runs out to an action at (700, 500).
DiagramData diagram(int32_t paperType, std::string firstText = "first")
{
    DiagramData d;
    writeSignature(d.header);
    d.header.paperType = paperType;
    d.header.scrollX = 300;  // the export ignores the stored view
    using testing::storedBlock;
    d.blocks = {storedBlock(BlockKind::Action, 200, 200, 40, 16, std::move(firstText)), storedBlock(BlockKind::GotoJump, 200, 400, 40, 16, "jump"),
                storedBlock(BlockKind::Decision, 500, 300, 40, 16, "why?"), storedBlock(BlockKind::Action, 700, 500, 40, 16, "then")};
    d.links = {{connectionCode(0, Port::Bottom), connectionCode(1, Port::Top)},
               {connectionCode(2, Port::Right), connectionCode(3, Port::Top)}};
    return d;
}

// The texts of an SVG file's <text> elements; fails the test when it is not well-formed XML.
QStringList svgTexts(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList texts;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            texts << xml.readElementText();
    }
    if (xml.hasError())
        texts << QStringLiteral("XML error: ") + xml.errorString();
    return texts;
}

// The x of the SVG <text> element that shows this text; none when there is none.
std::optional<double> svgTextX(const QString& path, const QString& shown)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text")) {
            const double x = xml.attributes().value("x").toDouble();
            if (xml.readElementText() == shown)
                return x;
        }
    }
    return std::nullopt;
}

// The PDF's cross-reference table, found from its end, gives each object's offset.
void checkCrossReference(const QByteArray& pdf)
{
    QVERIFY(pdf.endsWith("%%EOF\n"));
    const qsizetype startxref = pdf.lastIndexOf("startxref\n");
    QVERIFY(startxref > 0);
    const qsizetype table = pdf.mid(startxref + 10).split('\n').first().toLongLong();
    QVERIFY(pdf.mid(table).startsWith("xref\n0 "));
    const QList<QByteArray> lines = pdf.mid(table).split('\n');
    const int count = lines[1].split(' ')[1].toInt();
    QVERIFY(count > 1);
    QVERIFY(lines[2].startsWith("0000000000 65535 f"));
    for (int n = 1; n < count; ++n) {
        // Entries of exactly 20 bytes: ten digits of offset, the generation, 'n', two of line end.
        const QByteArray entry = lines[2 + n];
        QVERIFY2(entry.size() == 19 && entry.endsWith(" 00000 n "), entry.constData());
        const qsizetype offset = entry.left(10).toLongLong();
        QVERIFY2(pdf.mid(offset).startsWith(QByteArray::number(n) + " 0 obj"), qPrintable(QString("object %1").arg(n)));
    }
    QVERIFY(pdf.mid(table).contains(QByteArray("/Size ") + QByteArray::number(count)));
}

// The output of a command-line tool; none when it is not installed or fails.
std::optional<QString> runTool(const QString& tool, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

void writeFile(const QString& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path.toStdString(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// The named paper of an exported page and where the sheet stands on it: A4 is 210 x 297 mm
// and Letter 8.5 x 11 in, whatever proportions the sheet keeps; the sheet is scaled to fit
// and centred.
struct PaperPage {
    QSizeF points;    // the page, 72 points to the inch
    int sheetHeight;  // sheet units
    double unit;      // points a sheet unit
    QPointF sheetAt;  // the sheet's top-left corner, in points from the page's
};

PaperPage paperPage(int paperType)
{
    const QSizeF millimetres = paperType == 0 ? QSizeF(210, 297) : QSizeF(215.9, 279.4);
    const QSizeF points = millimetres / 25.4 * 72;
    const int sheetHeight = paperType == 0 ? 1537 : 1433;
    const double unit = std::min(points.width() / 1188, points.height() / sheetHeight);
    return {points, sheetHeight, unit,
            {(points.width() - 1188 * unit) / 2, (points.height() - sheetHeight * unit) / 2}};
}

// Pixels the stored geometry fixes: page frame, block edges, link segments, background.
// The sheet is drawn at scale pixels a unit from the pixel point origin, and each unit is
// judged by the pixel at its centre, away from the edges where a smoothing renderer blends.
void checkPage(const QImage& page, int sheetHeight, int scale = 1, QPointF origin = {})
{
    struct Pixel {
        int x;
        int y;
        QRgb color;
    };
    const Pixel pixels[] = {
        {21, 30, kBlack},  // outer frame, top and bottom right
        {1168, sheetHeight - 32, kBlack},
        {27, 36, kBlack},  // inner frame
        {23, 500, kWhite},  // between the frames: white, not cream
        // The first action's text box is (180, 192)-(220, 208).
        {176, 188, kCyan},
        {224, 188, kCyan},
        {225, 188, kWhite},  // the segment's end is not painted
        {177, 189, kBlue},
        {223, 212, kBlue},
        {224, 212, kWhite},  // both edges that meet there end at it
        // The link from (200, 228) down to the goto jump's entry at (200, 372).
        {200, 300, kBlack},
        {201, 300, kWhite},
        // The decision's right exit at (572, 300) runs right to (700, 300), then down to (700, 472).
        {650, 300, kBlack},
        {700, 400, kBlack},
    };
    for (const Pixel& p : pixels) {
        const int px = int(std::floor(origin.x() + (p.x + 0.5) * scale));
        const int py = int(std::floor(origin.y() + (p.y + 0.5) * scale));
        const QRgb actual = page.pixel(px, py);
        QVERIFY2(actual == p.color, qPrintable(QString("(%1, %2) is #%3, not #%4")
                                      .arg(p.x)
                                      .arg(p.y)
                                      .arg(actual & 0xFFFFFF, 6, 16, QChar('0'))
                                      .arg(p.color & 0xFFFFFF, 6, 16, QChar('0'))));
    }
}

} // namespace

class PageExportTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void pngIsThePageImage_data();
    void pngIsThePageImage();
    void vectorPageShowsTheSamePage_data();
    void vectorPageShowsTheSamePage();
    void textSurvivesIntoSvgAndPdf();
    void pdfTextStandsInTheSheetCells();
    void vectorPageIsTheNamedPaper_data();
    void vectorPageIsTheNamedPaper();
    void pdfCrossReferenceLeadsToEveryObject();
    void pagesAtCapacityAreWellFormed();
    void failuresAreReported_data();
    void failuresAreReported();
    void thumbnailIsTheWholePageScaled_data();
    void thumbnailIsTheWholePageScaled();
    void thumbnailRefusals_data();
    void thumbnailRefusals();

private:
    QTemporaryDir dir_;
    QString input_;
};

void PageExportTest::init()
{
    QVERIFY(dir_.isValid());
    input_ = dir_.filePath("drawing.FXG");
    writeFile(input_, encodeSample(diagram(0)));
}

void PageExportTest::pngIsThePageImage_data()
{
    QTest::addColumn<int>("paperType");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("height");
    QTest::newRow("A4") << 0 << "page.png" << 1537;
    QTest::newRow("Letter, upper-case extension") << 1 << "PAGE.PNG" << 1433;
}

void PageExportTest::pngIsThePageImage()
{
    QFETCH(int, paperType);
    QFETCH(QString, name);
    QFETCH(int, height);
    writeFile(input_, encodeSample(diagram(paperType)));
    const QString out = dir_.filePath(name);
    QCOMPARE(cli::runExport(out.toStdString(), input_.toStdString(), cli::InputLayout::AsDrawn, cli::linkedQtShell), 0);
    const QImage page(out);
    QCOMPARE(page.size(), QSize(1188, height));
    checkPage(page.convertToFormat(QImage::Format_RGB32), height);
}

void PageExportTest::vectorPageShowsTheSamePage_data()
{
    QTest::addColumn<QString>("renderer");
    QTest::addColumn<int>("paperType");
    QTest::newRow("SVG, Qt's renderer, A4") << "QSvgRenderer" << 0;
    QTest::newRow("SVG, rsvg-convert, A4") << "rsvg-convert" << 0;
    QTest::newRow("SVG, rsvg-convert, Letter") << "rsvg-convert" << 1;
    QTest::newRow("PDF, pdftoppm, A4") << "pdftoppm" << 0;
    QTest::newRow("PDF, pdftoppm, Letter") << "pdftoppm" << 1;
}

// The whole page is drawn at three pixels a sheet unit, so that each unit is judged by
// its middle pixel, a third of a unit away from any edge, wherever the centring puts it.
void PageExportTest::vectorPageShowsTheSamePage()
{
    QFETCH(QString, renderer);
    QFETCH(int, paperType);
    writeFile(input_, encodeSample(diagram(paperType)));
    const QString out = dir_.filePath(renderer == "pdftoppm" ? "page.pdf" : "page.svg");
    QCOMPARE(cli::runExport(out.toStdString(), input_.toStdString(), cli::InputLayout::AsDrawn, cli::linkedQtShell), 0);
    const PaperPage paper = paperPage(paperType);
    constexpr int scale = 3;
    const double pixelsAPoint = scale / paper.unit;
    const QSize size = (paper.points * pixelsAPoint).toSize();
    QImage page;
    if (renderer == "QSvgRenderer") {
        QVERIFY(!svgTexts(out).join('\n').contains("XML error"));
        QSvgRenderer svg(out);
        QVERIFY(svg.isValid());
        page = QImage(size, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        svg.render(&painter);
    } else {
        const QString width = QString::number(size.width());
        const QString height = QString::number(size.height());
        const QString rendered = dir_.filePath("rendered");
        const QStringList arguments =
            renderer == "rsvg-convert"
                ? QStringList{"-w", width, "-h", height, "-b", "white", "-o", rendered + ".png", out}
                : QStringList{"-png", "-singlefile", "-scale-to-x", width, "-scale-to-y", height, out, rendered};
        if (!runTool(renderer, arguments))
            QSKIP(qPrintable(renderer + " is missing (scripts/install-deps.sh installs it)"));
        page = QImage(rendered + ".png").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(page.size(), size);
    }
    checkPage(page, paper.sheetHeight, scale, paper.sheetAt * pixelsAPoint);
}

void PageExportTest::textSurvivesIntoSvgAndPdf()
{
    // Windows-1252 bytes: e acute, the euro sign, sharp s.
    writeFile(input_, encodeSample(diagram(0, "a<b & \"c\" \xE9\x80\xDF")));
    const QString expected = QString::fromUtf8("a<b & \"c\" \u00E9\u20AC\u00DF");
    const QString svg = dir_.filePath("page.svg");
    QCOMPARE(cli::runExport(svg.toStdString(), input_.toStdString(), cli::InputLayout::AsDrawn, cli::linkedQtShell), 0);
    QVERIFY2(svgTexts(svg).contains(expected), qPrintable(svgTexts(svg).join(" | ")));

    const QString pdf = dir_.filePath("page.pdf");
    QCOMPARE(cli::runExport(pdf.toStdString(), input_.toStdString(), cli::InputLayout::AsDrawn, cli::linkedQtShell), 0);
    const std::optional<QString> text = runTool("pdftotext", {"-layout", pdf, "-"});
    if (!text)
        QSKIP("pdftotext is missing (scripts/install-deps.sh installs it)");
    QVERIFY2(text->contains(expected), qPrintable(*text));
}

void PageExportTest::pdfTextStandsInTheSheetCells()
{
    // Two spaces, and a soft hyphen, which the sheet font shows as nothing and no room.
    writeFile(input_, encodeSample(diagram(0, "one two  th\xADree")));
    const QString svg = dir_.filePath("page.svg");
    QCOMPARE(cli::runExport(svg.toStdString(), input_.toStdString(), cli::InputLayout::AsDrawn, cli::linkedQtShell), 0);
    const std::optional<double> left = svgTextX(svg, QString::fromUtf8("one two  th\u00ADree"));
    QVERIFY(left);

    const QString pdf = dir_.filePath("page.pdf");
    QCOMPARE(cli::runExport(pdf.toStdString(), input_.toStdString(), cli::InputLayout::AsDrawn, cli::linkedQtShell), 0);
    const std::optional<QString> boxes = runTool("pdftotext", {"-bbox", pdf, "-"});
    if (!boxes)
        QSKIP("pdftotext is missing (scripts/install-deps.sh installs it)");
    // Points a sheet unit: on A4 the sheet spans the page's width.
    const double unit = paperPage(0).unit;
    const double cell = QtTextMeasurer().TextWidth("a");
    const QRegularExpression word(R"re(<word xMin="([0-9.]+)" yMin="[0-9.]+" xMax="([0-9.]+)" yMax="[0-9.]+">(\w+)</word>)re");
    QMap<QString, std::pair<double, double>> spans;
    for (const QRegularExpressionMatch& m : word.globalMatch(*boxes))
        spans[m.captured(3)] = {m.captured(1).toDouble() / unit, m.captured(2).toDouble() / unit};
    const struct {
        const char* word;
        int firstCell;
        int cells;
    } expected[] = {{"one", 0, 3}, {"two", 4, 3}, {"three", 9, 5}};
    for (const auto& e : expected) {
        QVERIFY2(spans.contains(e.word), qPrintable(*boxes));
        const auto [from, to] = spans[e.word];
        QVERIFY2(std::abs(from - (*left + e.firstCell * cell)) < 0.01, e.word);
        // The spacing that makes each character a cell is not added after the last.
        QVERIFY2(to - from > (e.cells - 1) * cell && to - from <= e.cells * cell + 0.01, e.word);
    }
}

void PageExportTest::vectorPageIsTheNamedPaper_data()
{
    QTest::addColumn<int>("paperType");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSizeF>("millimetres");
    // The sheet keeps its proportions (8.5 x 11 and 8.5 x 10.25 in); the paper is the named one.
    QTest::newRow("A4, PDF") << 0 << "page.pdf" << QSizeF(210, 297);
    QTest::newRow("A4, SVG") << 0 << "page.svg" << QSizeF(210, 297);
    QTest::newRow("Letter, PDF") << 1 << "page.pdf" << QSizeF(215.9, 279.4);
    QTest::newRow("Letter, SVG") << 1 << "page.svg" << QSizeF(215.9, 279.4);
}

void PageExportTest::vectorPageIsTheNamedPaper()
{
    QFETCH(int, paperType);
    QFETCH(QString, name);
    QFETCH(QSizeF, millimetres);
    writeFile(input_, encodeSample(diagram(paperType)));
    const QString out = dir_.filePath(name);
    QCOMPARE(cli::runExport(out.toStdString(), input_.toStdString(), cli::InputLayout::AsDrawn, cli::linkedQtShell), 0);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(file.readAll());
    QSizeF size;
    if (name.endsWith(".pdf")) {
        QVERIFY(text.startsWith("%PDF-"));
        QCOMPARE(text.count(QRegularExpression(R"(/Type\s*/Page\b)")), 1);
        const QRegularExpressionMatch box =
            QRegularExpression(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])").match(text);
        QVERIFY2(box.hasMatch(), qPrintable(text.left(2000)));
        size = QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble()) / 72 * 25.4;
    } else {
        const QRegularExpressionMatch svg = QRegularExpression(R"(<svg width="([0-9.]+)mm" height="([0-9.]+)mm")").match(text);
        QVERIFY2(svg.hasMatch(), qPrintable(text.left(2000)));
        size = QSizeF(svg.captured(1).toDouble(), svg.captured(2).toDouble());
    }
    QVERIFY2(std::abs(size.width() - millimetres.width()) < 0.01 && std::abs(size.height() - millimetres.height()) < 0.01,
             qPrintable(QString("%1 x %2 mm").arg(size.width()).arg(size.height())));
}

void PageExportTest::pdfCrossReferenceLeadsToEveryObject()
{
    const QString out = dir_.filePath("page.pdf");
    QCOMPARE(cli::runExport(out.toStdString(), input_.toStdString(), cli::InputLayout::AsDrawn, cli::linkedQtShell), 0);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    checkCrossReference(file.readAll());
}

void PageExportTest::pagesAtCapacityAreWellFormed()
{
    // Ten thousand blocks on the page: paths and streams of many blocks of output each.
    EditorState state;
    testing::makeCapacityDiagram(state, SheetFontMeasures(), testing::CapacityLayout::OnTheSheet);
    QBuffer svg;
    QVERIFY(svg.open(QIODevice::WriteOnly));
    QVERIFY(writePage(state, svg, PageFormat::Svg, "capacity"));
    QXmlStreamReader xml(svg.data());
    int texts = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            ++texts;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(texts > 10000);

    QBuffer pdf;
    QVERIFY(pdf.open(QIODevice::WriteOnly));
    QVERIFY(writePage(state, pdf, PageFormat::Pdf, "capacity"));
    checkCrossReference(pdf.data());
    if (QTest::currentTestFailed())
        return;
    // The page's content inflates whole, to the end of its deflated bytes.
    const QByteArray start("/Filter /FlateDecode>>\nstream\n");
    const qsizetype from = pdf.data().indexOf(start) + start.size();
    const qsizetype to = pdf.data().indexOf("\nendstream", from);
    QVERIFY(from > start.size() && to > from);
    z_stream zlib{};
    QCOMPARE(inflateInit(&zlib), Z_OK);
    QByteArray deflated = pdf.data().mid(from, to - from);
    QByteArray content(64 << 20, Qt::Uninitialized);
    zlib.next_in = reinterpret_cast<Bytef*>(deflated.data());
    zlib.avail_in = uInt(deflated.size());
    zlib.next_out = reinterpret_cast<Bytef*>(content.data());
    zlib.avail_out = uInt(content.size());
    const int status = inflate(&zlib, Z_FINISH);
    const uLong inflated = zlib.total_out;
    inflateEnd(&zlib);
    QCOMPARE(status, Z_STREAM_END);
    QCOMPARE(zlib.avail_in, 0u);
    content.truncate(qsizetype(inflated));
    QCOMPARE(content.count(" Tj\n"), texts);
}

void PageExportTest::failuresAreReported_data()
{
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("in");
    QTest::newRow("unknown format") << "page.bmp" << "drawing.FXG";
    QTest::newRow("missing input") << "page.png" << "missing.FXG";
    QTest::newRow("png in a missing folder") << "none/page.png" << "drawing.FXG";
    QTest::newRow("svg in a missing folder") << "none/page.svg" << "drawing.FXG";
    QTest::newRow("pdf in a missing folder") << "none/page.pdf" << "drawing.FXG";
}

void PageExportTest::failuresAreReported()
{
    QFETCH(QString, out);
    QFETCH(QString, in);
    QCOMPARE(cli::runExport(dir_.filePath(out).toStdString(), dir_.filePath(in).toStdString(), cli::InputLayout::AsDrawn,
                            cli::linkedQtShell),
             1);
}

void PageExportTest::thumbnailIsTheWholePageScaled_data()
{
    QTest::addColumn<int32_t>("paperType");
    QTest::addColumn<int>("size");
    QTest::addColumn<QSize>("expected");
    // The page is 1188 units wide, 1537 high on paper 0 and 1433 on paper 1.
    QTest::newRow("paper 0, the file manager's normal size") << 0 << 128 << QSize(99, 128);
    QTest::newRow("paper 1, large") << 1 << 256 << QSize(212, 256);
    QTest::newRow("larger than the page") << 0 << 2048 << QSize(1583, 2048);
    QTest::newRow("one pixel") << 0 << 1 << QSize(1, 1);
}

void PageExportTest::thumbnailIsTheWholePageScaled()
{
    QFETCH(int32_t, paperType);
    QFETCH(int, size);
    QFETCH(QSize, expected);
    writeFile(input_, encodeSample(diagram(paperType)));
    const QString out = dir_.filePath("thumbnail.png");
    QCOMPARE(cli::runThumbnail(std::to_string(size), input_.toStdString(), out.toStdString()), 0);
    const QImage thumbnail(out, "PNG");
    QCOMPARE(thumbnail.size(), expected);
    if (size < 128)
        return;
    // The outer frame's top edge, y = 30, at the middle of the page: grey where the smoothing
    // spreads its unit over a dozen (at 128 pixels), and white above it, in the margin.
    const double scale = double(expected.height()) / (paperType == 0 ? 1537 : 1433);
    const int x = expected.width() / 2;
    const int frameY = int(30 * scale);
    QVERIFY2(qGray(thumbnail.pixel(x, frameY)) < 240, qPrintable(QString::number(qGray(thumbnail.pixel(x, frameY)))));
    QCOMPARE(thumbnail.pixel(x, int(15 * scale)), kWhite);
}

void PageExportTest::thumbnailRefusals_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("status");
    QTest::newRow("damaged: a byte appended") << "128" << "byte appended" << 1;
    QTest::newRow("inconsistent: a header of zeros") << "128" << "zero header" << 1;
    QTest::newRow("missing") << "128" << "missing" << 1;
    QTest::newRow("size zero") << "0" << "sound" << 2;
    QTest::newRow("size not a number") << "large" << "sound" << 2;
    QTest::newRow("size with a unit") << "128px" << "sound" << 2;
    QTest::newRow("size beyond the largest") << "4097" << "sound" << 2;
}

// Nothing is written, so the file manager keeps its generic icon rather than a wrong page.
void PageExportTest::thumbnailRefusals()
{
    QFETCH(QString, size);
    QFETCH(QString, input);
    QFETCH(int, status);
    std::vector<uint8_t> bytes = encodeSample(diagram(0));
    if (input == "byte appended")
        bytes.push_back('x');
    else if (input == "zero header")
        bytes = std::vector<uint8_t>(751, 0);
    if (input == "missing")
        QFile::remove(input_);
    else
        writeFile(input_, bytes);
    const QString out = dir_.filePath("refused.png");
    QCOMPARE(cli::runThumbnail(size.toStdString(), input_.toStdString(), out.toStdString()), status);
    QVERIFY(!QFile::exists(out));
}

} // namespace corvix

QTEST_MAIN(corvix::PageExportTest)
#include "page_export_test.moc"
