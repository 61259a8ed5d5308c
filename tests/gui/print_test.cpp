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

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void pageImageIsTheWholeSheet()
    {
        const EditorState state = stateWithPaper(1);
        const QImage page = renderPageImage(state, highlightsOf(state));
        QCOMPARE(page.size(), QSize(1188, 1433));
        QCOMPARE(page.pixel(5, 5), qRgb(255, 255, 255));
        QCOMPARE(page.pixel(20, 30), qRgb(0, 0, 0));  // outer page frame corner
    }

    void printingIntoAPdfFileWritesOnePage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);

        const EditorState state = stateWithPaper(0);
        QVERIFY(printPage(printer, state, highlightsOf(state)));

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
        PrintPreview preview(state, highlightsOf(state), QStringLiteral("corvix"), {});
        QCOMPARE(preview.picture().size(), QSize(PrintPreview::kPictureWidth, height));
        QCOMPARE(preview.windowTitle(), QStringLiteral("corvix PrintPreview - click on the form to dismiss"));
        QCOMPARE(preview.picture().pixel(1, 1), qRgb(255, 255, 220));
    }

    void aClickOnThePictureClosesThePreviewAndPrintLeavesItOpen()
    {
        const EditorState state = stateWithPaper(0);
        int printed = 0;
        PrintPreview preview(state, highlightsOf(state), QStringLiteral("corvix"), [&] { ++printed; });
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
