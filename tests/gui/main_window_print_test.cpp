#include "printing/print_preview.h"
#include "scripted_dialogs.h"
#include "window/main_window.h"
#include "window_test_base.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace corvix {

// What the printer source saw when a print job asked it for a printer.
struct PrintCall {
    bool fileMenuEnabled = false;
    Qt::CursorShape pointer = Qt::ArrowCursor;
};

class MainWindowPrintTest : public WindowTestBase {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void printsOnePageWithTheMenusOffMeanwhile();
    void noPrinterShowsTheMessageAndTheEditorGoesOn();
    void previewStandsInForTheEditorAndPrintsWithoutTouchingTheMenus();

private:
    // Every print goes into pdfPath(), or fails when there is no printer.
    void usePrinter(bool available);
    QString pdfPath() const { return path(QStringLiteral("page.pdf")); }
    int pdfPages() const;
    bool fileMenuEnabled() { return window_->findChild<QMenu*>(QStringLiteral("mfile"))->menuAction()->isEnabled(); }

    QList<PrintCall> calls_;
};

void MainWindowPrintTest::init()
{
    makeWindow();
    startWindow();
    calls_.clear();
}

void MainWindowPrintTest::cleanup()
{
    destroyWindow();
}

void MainWindowPrintTest::usePrinter(bool available)
{
    window_->setPrinterSource([this, available]() -> std::unique_ptr<QPrinter> {
        const QCursor* pointer = QApplication::overrideCursor();
        calls_.append({fileMenuEnabled(), pointer ? pointer->shape() : Qt::ArrowCursor});
        if (!available)
            return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath());
        return printer;
    });
}

int MainWindowPrintTest::pdfPages() const
{
    QFile file(pdfPath());
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray pdf = file.readAll();
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
}

void MainWindowPrintTest::printsOnePageWithTheMenusOffMeanwhile()
{
    QVERIFY(window_->editor().commands().insere_bloco(BlockKind::Action, "== 0 ==", 200, 120));
    usePrinter(true);

    action("mprint")->trigger();

    QCOMPARE(pdfPages(), 1);
    QCOMPARE(calls_.size(), 1);
    QVERIFY(!calls_[0].fileMenuEnabled);
    QCOMPARE(calls_[0].pointer, Qt::WaitCursor);
    QVERIFY(fileMenuEnabled());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(dialogs_->messages.isEmpty());
}

void MainWindowPrintTest::noPrinterShowsTheMessageAndTheEditorGoesOn()
{
    usePrinter(false);

    action("mprint")->trigger();

    QCOMPARE(dialogs_->messages, QStringList{QStringLiteral("Error: Could not print!")});
    QCOMPARE(dialogs_->icons, QList<MessageIcon>{MessageIcon::Critical});
    QVERIFY(fileMenuEnabled());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(window_->isVisible());
    QVERIFY(window_->editor().commands().insere_bloco(BlockKind::Action, "== 0 ==", 200, 120));
}

void MainWindowPrintTest::previewStandsInForTheEditorAndPrintsWithoutTouchingTheMenus()
{
    usePrinter(true);
    bool editorVisible = true;
    bool previewStayedOpen = false;
    QTimer::singleShot(0, this, [&] {
        auto* preview = qobject_cast<PrintPreview*>(QApplication::activeModalWidget());
        if (!preview)
            return;
        editorVisible = window_->isVisible();
        preview->findChild<QAction*>(QStringLiteral("mprint"))->trigger();
        previewStayedOpen = preview->isVisible();
        QTest::mouseClick(preview->findChild<QWidget*>(QStringLiteral("Impressao")), Qt::LeftButton);
    });

    action("mprintprev")->trigger();

    QVERIFY(!editorVisible);
    QVERIFY(previewStayedOpen);
    QCOMPARE(pdfPages(), 1);
    QCOMPARE(calls_.size(), 1);
    QVERIFY(calls_[0].fileMenuEnabled);
    QVERIFY(window_->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
}

} // namespace corvix

QTEST_MAIN(corvix::MainWindowPrintTest)
#include "main_window_print_test.moc"
