#include "printing/print_job.h"
#include "printing/print_preview.h"

#include "model/paper.h"

#include <QFile>
#include <QPrinter>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace corvix {
namespace {

EditorState stateWithPaper(int32_t paperType)
{
    EditorState state;
    applyPaperType(state.paper, paperType);
    return state;
}

// Three actions far apart, each 56 x 14 units.
constexpr QPoint kCentres[] = {{200, 200}, {600, 200}, {400, 700}};

EditorState threeBlocks()
{
    EditorState state = stateWithPaper(0);
    for (const QPoint c : kCentres) {
        Block& b = state.blocks[size_t(state.blockCount++)];
        b.kind = BlockKind::Action;
        b.x = c.x();
        b.y = c.y();
        b.width = 56;
        b.height = 14;
        b.text = "text";
        b.portDy = -27;
    }
    return state;
}

// The blocks drawn highlighted (their yellow frame) on a picture of the sheet scaled by
// scale: yellow only highlights draw.
QList<int> highlightedBlocks(const QImage& picture, double scale)
{
    QList<int> found;
    for (int i = 0; i < 3; ++i) {
        const QPoint c = kCentres[i];
        const QRect around(QPoint(int((c.x() - 60) * scale), int((c.y() - 40) * scale)),
                           QPoint(int((c.x() + 60) * scale), int((c.y() + 40) * scale)));
        bool yellow = false;
        for (int y = around.top(); y <= around.bottom() && !yellow; ++y)
            for (int x = around.left(); x <= around.right() && !yellow; ++x) {
                const QColor p = picture.pixelColor(x, y);
                yellow = p.red() > 200 && p.green() > 200 && p.blue() < 120;
            }
        if (yellow)
            found.append(i);
    }
    return found;
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void pageImageIsTheWholeSheet()
    {
        const EditorState state = stateWithPaper(1);
        const QImage page = renderPageImage(state);
        QCOMPARE(page.size(), QSize(1188, 1433));
        QCOMPARE(page.pixel(5, 5), qRgb(255, 255, 255));
        QCOMPARE(page.pixel(20, 30), qRgb(0, 0, 0));  // outer page frame corner
    }

    // Page and preview highlight what the canvas does: one block, or several.
    void pageAndPreviewHighlightTheSelection_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::newRow("none") << QList<int>{};
        QTest::newRow("one") << QList<int>{1};
        QTest::newRow("several") << QList<int>{0, 2};
    }

    void pageAndPreviewHighlightTheSelection()
    {
        QFETCH(QList<int>, selected);
        EditorState state = threeBlocks();
        state.selection = Selection::ofBlocks(std::vector<int32_t>(selected.begin(), selected.end()));

        QCOMPARE(highlightedBlocks(renderPageImage(state), 1.0), selected);
        const PrintPreview preview(state, QStringLiteral("corvix"), {});
        QCOMPARE(highlightedBlocks(preview.picture(), double(PrintPreview::kPictureWidth) / 1188), selected);
    }

    void printingIntoAPdfFileWritesOnePage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);

        const EditorState state = stateWithPaper(0);
        QVERIFY(printPage(printer, state));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), qsizetype(1));
    }

    void previewIs409PixelsWideWithTheSheetsProportions_data()
    {
        QTest::addColumn<int>("paperType");
        QTest::addColumn<int>("height");
        QTest::newRow("A4") << 0 << 529;
        QTest::newRow("Letter") << 1 << 493;
    }

    void previewIs409PixelsWideWithTheSheetsProportions()
    {
        QFETCH(int, paperType);
        QFETCH(int, height);
        const EditorState state = stateWithPaper(paperType);
        PrintPreview preview(state, QStringLiteral("corvix"), {});
        QCOMPARE(preview.picture().size(), QSize(PrintPreview::kPictureWidth, height));
        QCOMPARE(preview.windowTitle(), QStringLiteral("corvix PrintPreview - click on the form to dismiss"));
        QCOMPARE(preview.picture().pixel(1, 1), qRgb(255, 255, 220));
    }

    void aClickOnThePictureClosesThePreviewAndPrintLeavesItOpen()
    {
        const EditorState state = stateWithPaper(0);
        int printed = 0;
        PrintPreview preview(state, QStringLiteral("corvix"), [&] { ++printed; });
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        const QPoint offCentre = preview.frameGeometry().center() - preview.screen()->geometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2, "the preview is centred on the screen");

        auto* print = preview.findChild<QAction*>(QStringLiteral("mprint"));
        QVERIFY(print);
        print->trigger();
        QCOMPARE(printed, 1);
        QVERIFY(preview.isVisible());

        QSignalSpy accepted(&preview, &QDialog::accepted);
        QTest::mouseClick(preview.findChild<QWidget*>(QStringLiteral("Impressao")), Qt::LeftButton);
        QCOMPARE(accepted.count(), 1);
        QVERIFY(!preview.isVisible());
    }
};

} // namespace corvix

QTEST_MAIN(corvix::PrintTest)
#include "print_test.moc"
