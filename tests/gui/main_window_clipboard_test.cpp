#include "render/block_geometry.h"
#include "storage/fragment_codec.h"
#include "window/canvas_widget.h"
#include "window/clipboard_mime.h"
#include "window/main_window.h"
#include "window_test_base.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

namespace corvix {

// Two actions with a link from the first's exit to the second's entry, on the real
// window with the real clipboard and mouse events.
class MainWindowClipboardTest : public WindowTestBase {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void copyAndPasteGoThroughTheSystemClipboard();
    void plainTextFromAnotherProgramPastesAsOneBlock_data();
    void plainTextFromAnotherProgramPastesAsOneBlock();
    void mermaidFlowchartPastesArrangedAndSelectedAsOneStep();
    void dragsMoveABlockAndLinkTwoPorts();

private:
    QPoint toCanvas(Point sheet) const
    {
        const Viewport& view = window_->editor().viewport();
        return QPoint(sheet.x - view.viewOffsetX(), sheet.y - view.viewOffsetY());
    }
    void key(Qt::Key key) { QTest::keyClick(canvas(), key, Qt::ControlModifier); }
};

void MainWindowClipboardTest::init()
{
    makeWindow();
    startWindow();
    Editor& editor = window_->editor();
    QVERIFY(editor.commands().insere_bloco(BlockKind::Action, "first", 200, 120));
    QVERIFY(editor.commands().insere_bloco(BlockKind::Action, "zo\xEB", 200, 320));
    QTest::mouseClick(canvas(), Qt::LeftButton, Qt::NoModifier, toCanvas(portPoint(state().blocks[0], Port::Bottom)));
    QTest::mouseClick(canvas(), Qt::LeftButton, Qt::NoModifier, toCanvas(portPoint(state().blocks[1], Port::Top)));
    QCOMPARE(state().linkCount, 1);
}

void MainWindowClipboardTest::cleanup()
{
    destroyWindow();
}

void MainWindowClipboardTest::copyAndPasteGoThroughTheSystemClipboard()
{
    key(Qt::Key_A);
    key(Qt::Key_C);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->text(), QStringLiteral("first\nzo\u00EB\n"));
    QCOMPARE(data->data(QStringLiteral("text/plain")), QByteArray("first\nzo\xC3\xAB\n"));
    const QByteArray records = data->data(kBlocksMimeType);
    const auto fragment = decodeFragment(std::span(reinterpret_cast<const uint8_t*>(records.data()), size_t(records.size())));
    QVERIFY(fragment);
    QCOMPARE(fragment->blocks.size(), size_t(2));

    const std::vector<Block> before(state().blocks.begin(), state().blocks.begin() + 4);
    key(Qt::Key_V);
    QCOMPARE(state().blockCount, 4);
    QCOMPARE(state().blocks[2].text, std::string("first"));
    QCOMPARE(state().blocks[3].text, std::string("zo\xEB"));
    QCOMPARE(state().blocks[3].y, state().blocks[1].y + 16);
    QCOMPARE(state().linkCount, 2);
    QCOMPARE(state().links[1], (Link{connectionCode(2, Port::Bottom), connectionCode(3, Port::Top)}));

    key(Qt::Key_Z);
    QCOMPARE(state().blockCount, 2);
    QCOMPARE(state().linkCount, 1);
    QVERIFY(std::equal(before.begin(), before.end(), state().blocks.begin()));
}

void MainWindowClipboardTest::plainTextFromAnotherProgramPastesAsOneBlock_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QByteArray>("stored");  // empty: nothing pasted
    QTest::newRow("Windows-1252 only") << QStringLiteral("  one\r\ntwo \u20AC  ") << QList<bool>{}
                                       << QByteArray("one\r\ntwo \x80");
    // Each character a diagram file cannot store is named before it becomes "?".
    QTest::newRow("outside it, pasted") << QStringLiteral("two \u20AC \u4E2D") << QList<bool>{true}
                                        << QByteArray("two \x80 ?");
    QTest::newRow("outside it, not pasted") << QStringLiteral("\u03A9mega") << QList<bool>{false} << QByteArray();
}

void MainWindowClipboardTest::plainTextFromAnotherProgramPastesAsOneBlock()
{
    QFETCH(QString, text);
    QFETCH(QList<bool>, answers);
    QFETCH(QByteArray, stored);
    QGuiApplication::clipboard()->setText(text);
    for (bool answer : answers)
        dialogs_->answers.enqueue(answer);
    QTRY_VERIFY(action("mpaste")->isEnabled());
    action("mpaste")->trigger();
    QCOMPARE(dialogs_->questions.size(), answers.size());
    QCOMPARE(state().blockCount, stored.isEmpty() ? 2 : 3);
    if (!stored.isEmpty()) {
        QCOMPARE(state().blocks[2].kind, BlockKind::Action);
        QCOMPARE(state().blocks[2].text, stored.toStdString());
    }
}

void MainWindowClipboardTest::mermaidFlowchartPastesArrangedAndSelectedAsOneStep()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("flowchart TD\n  A[Caf\u00E9] --> B{Done}\n  B -->|yes| C[End]\n"));
    QTRY_VERIFY(action("mpaste")->isEnabled());
    key(Qt::Key_V);
    QCOMPARE(state().blockCount, 5);
    QCOMPARE(state().blocks[2].text, std::string("Caf\xE9"));
    QCOMPARE(state().blocks[3].kind, BlockKind::Decision);
    QCOMPARE(state().linkCount, 3);
    QCOMPARE(window_->editor().selection().blocks(), (std::vector<int32_t>{2, 3, 4}));
    QVERIFY(state().blocks[2].y < state().blocks[3].y && state().blocks[3].y < state().blocks[4].y);

    key(Qt::Key_Z);
    QCOMPARE(state().blockCount, 2);
    QCOMPARE(state().linkCount, 1);
}

void MainWindowClipboardTest::dragsMoveABlockAndLinkTwoPorts()
{
    const int beyond = QApplication::startDragDistance() + 40;
    const QPoint from = toCanvas({state().blocks[0].x, state().blocks[0].y});
    QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(canvas(), from + QPoint(beyond, 0));
    QCOMPARE(state().editMode, EditMode::MovingBlock);
    QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, from + QPoint(beyond, 0));
    QCOMPARE(state().blocks[0].x, snapToGrid(200 + beyond));
    QCOMPARE(state().editMode, EditMode::Idle);

    // From the second block's free exit to the first block's entry.
    const QPoint exit = toCanvas(portPoint(state().blocks[1], Port::Bottom));
    const QPoint entry = toCanvas(portPoint(state().blocks[0], Port::Top));
    QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, exit);
    QTest::mouseMove(canvas(), (exit + entry) / 2);
    QTest::mouseMove(canvas(), entry);
    QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, entry);
    QCOMPARE(state().linkCount, 2);
    QCOMPARE(state().links[1], (Link{connectionCode(1, Port::Bottom), connectionCode(0, Port::Top)}));
}

} // namespace corvix

QTEST_MAIN(corvix::MainWindowClipboardTest)
#include "main_window_clipboard_test.moc"
