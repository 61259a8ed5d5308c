#include "cli/cli.h"
#include "model/program_info.h"
#include "support/block_builders.h"
#include "support/diagram_samples.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

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

// Pixels the stored geometry fixes: page frame, block edges, link segments, background.
void checkPage(const QImage& page)
{
    QCOMPARE(page.pixel(21, 30), kBlack);  // outer frame, top and bottom right
    QCOMPARE(page.pixel(1168, page.height() - 32), kBlack);
    QCOMPARE(page.pixel(27, 36), kBlack);  // inner frame
    QCOMPARE(page.pixel(23, 500), kWhite);  // between the frames: white, not cream
    // The first action's text box is (180, 192)-(220, 208).
    QCOMPARE(page.pixel(176, 188), kCyan);
    QCOMPARE(page.pixel(224, 188), kCyan);
    QCOMPARE(page.pixel(225, 188), kWhite);  // the segment's end is not painted
    QCOMPARE(page.pixel(177, 189), kBlue);
    QCOMPARE(page.pixel(223, 212), kBlue);
    QCOMPARE(page.pixel(224, 212), kWhite);  // both edges that meet there end at it
    // The link from (200, 228) down to the goto jump's entry at (200, 372).
    QCOMPARE(page.pixel(200, 300), kBlack);
    QCOMPARE(page.pixel(201, 300), kWhite);
    // The decision's right exit at (572, 300) runs right to (700, 300), then down to (700, 472).
    QCOMPARE(page.pixel(650, 300), kBlack);
    QCOMPARE(page.pixel(700, 400), kBlack);
}

} // namespace

class PageExportTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void pngIsThePageImage_data();
    void pngIsThePageImage();
    void svgShowsTheSamePage_data();
    void svgShowsTheSamePage();
    void textSurvivesIntoSvgAndPdf();
    void pdfIsOnePageOfThePaper_data();
    void pdfIsOnePageOfThePaper();
    void failuresAreReported_data();
    void failuresAreReported();

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
    QCOMPARE(cli::runExport(out.toStdString(), input_.toStdString()), 0);
    const QImage page(out);
    QCOMPARE(page.size(), QSize(1188, height));
    checkPage(page.convertToFormat(QImage::Format_RGB32));
}

void PageExportTest::svgShowsTheSamePage_data()
{
    QTest::addColumn<bool>("independent");
    QTest::newRow("Qt's renderer") << false;
    QTest::newRow("rsvg-convert") << true;
}

void PageExportTest::svgShowsTheSamePage()
{
    QFETCH(bool, independent);
    const QString out = dir_.filePath("page.svg");
    QCOMPARE(cli::runExport(out.toStdString(), input_.toStdString()), 0);
    QVERIFY(!svgTexts(out).join('\n').contains("XML error"));
    QImage page;
    if (independent) {
        const QString rendered = dir_.filePath("rendered.png");
        if (!runTool("rsvg-convert", {"-w", "1188", "-h", "1537", "-b", "white", "-o", rendered, out}))
            QSKIP("rsvg-convert is missing (scripts/install-deps.sh installs it)");
        page = QImage(rendered).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(page.size(), QSize(1188, 1537));
    } else {
        QSvgRenderer svg(out);
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(0, 0, 1188, 1537));
        page = QImage(1188, 1537, QImage::Format_RGB32);
        page.fill(Qt::red);
        QPainter painter(&page);
        svg.render(&painter);
    }
    checkPage(page);
}

void PageExportTest::textSurvivesIntoSvgAndPdf()
{
    // Windows-1252 bytes: e acute, the euro sign, sharp s.
    writeFile(input_, encodeSample(diagram(0, "a<b & \"c\" \xE9\x80\xDF")));
    const QString expected = QString::fromUtf8("a<b & \"c\" \u00E9\u20AC\u00DF");
    const QString svg = dir_.filePath("page.svg");
    QCOMPARE(cli::runExport(svg.toStdString(), input_.toStdString()), 0);
    QVERIFY2(svgTexts(svg).contains(expected), qPrintable(svgTexts(svg).join(" | ")));

    const QString pdf = dir_.filePath("page.pdf");
    QCOMPARE(cli::runExport(pdf.toStdString(), input_.toStdString()), 0);
    const std::optional<QString> text = runTool("pdftotext", {"-layout", pdf, "-"});
    if (!text)
        QSKIP("pdftotext is missing (scripts/install-deps.sh installs it)");
    QVERIFY2(text->contains(expected), qPrintable(*text));
}

void PageExportTest::pdfIsOnePageOfThePaper_data()
{
    QTest::addColumn<int>("paperType");
    QTest::addColumn<QByteArray>("mediaBox");
    QTest::newRow("A4, 8.5 x 11 in") << 0 << QByteArray("/MediaBox [0 0 612.000000 792.000000]");
    QTest::newRow("Letter, 8.5 x 10.25 in") << 1 << QByteArray("/MediaBox [0 0 612.000000 738.000000]");
}

void PageExportTest::pdfIsOnePageOfThePaper()
{
    QFETCH(int, paperType);
    QFETCH(QByteArray, mediaBox);
    writeFile(input_, encodeSample(diagram(paperType)));
    const QString out = dir_.filePath("page.pdf");
    QCOMPARE(cli::runExport(out.toStdString(), input_.toStdString()), 0);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1);
    QVERIFY2(pdf.contains(mediaBox), pdf.left(2000).constData());
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
    QCOMPARE(cli::runExport(dir_.filePath(out).toStdString(), dir_.filePath(in).toStdString()), 1);
}

} // namespace corvix

QTEST_MAIN(corvix::PageExportTest)
#include "page_export_test.moc"
