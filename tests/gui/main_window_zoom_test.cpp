#include "render/block_geometry.h"
#include "render/render_pass.h"
#include "surfaces/painter_target.h"
#include "view/zoom.h"
#include "window/canvas_widget.h"
#include "window_test_base.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

namespace corvix {

// The View menu and the wheel over the real window.
class MainWindowZoomTest : public WindowTestBase {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void viewMenuListsTheCommandsThenTheLevelsThenThePanel();
    void keysAndItemsStepThroughTheLevels();
    void onlyTheWheelZoomsWhileAnOperationWaits();
    void actualSizeShowsThePlainPass();

private:
    QPointF toCanvas(Point sheet);
    void pressSheet(Point sheet);
    void insertAction(Point sheet);
    void ctrlWheel(int notches, QPointF pos);
    QList<QAction*> checkedLevels();
};

void MainWindowZoomTest::init()
{
    makeWindow();
    startWindow();
}

void MainWindowZoomTest::cleanup()
{
    destroyWindow();
}

QPointF MainWindowZoomTest::toCanvas(Point sheet)
{
    const Editor& editor = window_->editor();
    return {sheet.x * editor.zoom().zoom() - editor.viewport().viewOffsetX(),
            sheet.y * editor.zoom().zoom() - editor.viewport().viewOffsetY()};
}

void MainWindowZoomTest::pressSheet(Point sheet)
{
    // QTest takes whole pixels; the nearest one maps back to the same sheet point when a
    // unit is at least a pixel wide.
    QTest::mouseClick(canvas(), Qt::LeftButton, Qt::NoModifier, toCanvas(sheet).toPoint());
}

void MainWindowZoomTest::insertAction(Point sheet)
{
    action("minserebloco")->trigger();
    QTest::mouseClick(window_->findChild<QToolButton*>(QStringLiteral("SelBloco0")), Qt::LeftButton);
    QTRY_VERIFY(canvas()->isEnabled());
    pressSheet(sheet);
}

void MainWindowZoomTest::ctrlWheel(int notches, QPointF pos)
{
    QWheelEvent wheel(pos, canvas()->mapToGlobal(pos), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas(), &wheel);
}

QList<QAction*> MainWindowZoomTest::checkedLevels()
{
    QList<QAction*> checked;
    for (const int32_t level : kZoomLevels) {
        QAction* item = action(qPrintable(QStringLiteral("mzoom%1").arg(level)));
        if (item->isChecked())
            checked << item;
    }
    return checked;
}

void MainWindowZoomTest::viewMenuListsTheCommandsThenTheLevelsThenThePanel()
{
    QStringList items;
    for (QAction* item : window_->findChild<QMenu*>(QStringLiteral("mview"))->actions())
        items << item->text();
    QCOMPARE(items, (QStringList{"Zoom &In", "Zoom &Out", "&Actual Size", "&Fit Page", "", "25 %", "50 %", "75 %",
                                 "100 %", "125 %", "150 %", "200 %", "300 %", "400 %", "", "Pro&blems"}));
    QCOMPARE(checkedLevels(), QList<QAction*>{action("mzoom100")});
}

void MainWindowZoomTest::keysAndItemsStepThroughTheLevels()
{
    const Editor& editor = window_->editor();
    QTest::keyClick(canvas(), Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(editor.zoom().zoom(), 1.25);
    QTest::keyClick(canvas(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(editor.zoom().zoom(), 1.5);
    QCOMPARE(checkedLevels(), QList<QAction*>{action("mzoom150")});
    QTest::keyClick(canvas(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(editor.zoom().zoom(), 1.25);

    QTest::keyClick(canvas(), Qt::Key_9, Qt::ControlModifier);
    QCOMPARE(editor.zoom().zoom(), fitPageZoom(canvas()->width(), canvas()->height(), state().paper));
    QVERIFY(checkedLevels().isEmpty());
    QCOMPARE(editor.viewport().viewOffsetX(), 0);

    action("mzoom300")->trigger();
    QCOMPARE(editor.zoom().zoom(), 3.0);
    QCOMPARE(checkedLevels(), QList<QAction*>{action("mzoom300")});
    QTest::keyClick(canvas(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(editor.zoom().zoom(), 1.0);
    QCOMPARE(checkedLevels(), QList<QAction*>{action("mzoom100")});
    QVERIFY(!state().modified);
}

void MainWindowZoomTest::onlyTheWheelZoomsWhileAnOperationWaits()
{
    insertAction({200, 120});
    insertAction({200, 320});
    pressSheet(portPoint(state().blocks[0], Port::Bottom));
    QCOMPARE(state().editMode, EditMode::Connecting);
    QVERIFY(!window_->findChild<QMenu*>(QStringLiteral("mview"))->menuAction()->isEnabled());
    QTest::keyClick(canvas(), Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(window_->editor().zoom().zoom(), 1.0);

    ctrlWheel(1, toCanvas({200, 250}));
    QCOMPARE(window_->editor().zoom().zoom(), 1.25);
    QCOMPARE(checkedLevels(), QList<QAction*>{action("mzoom125")});
    QCOMPARE(state().editMode, EditMode::Connecting);
    ctrlWheel(-3, toCanvas({200, 250}));
    QCOMPARE(window_->editor().zoom().zoom(), 0.5);

    // Half a pixel a unit: a click lands within a unit of where it was aimed.
    pressSheet(portPoint(state().blocks[1], Port::Top));
    QCOMPARE(state().linkCount, 1);
    QCOMPARE(state().links[0], (Link{connectionCode(0, Port::Bottom), connectionCode(1, Port::Top)}));
    QVERIFY(window_->findChild<QMenu*>(QStringLiteral("mview"))->menuAction()->isEnabled());
}

// Zoomed and back, the canvas shows exactly what the pass draws on a plain image.
void MainWindowZoomTest::actualSizeShowsThePlainPass()
{
    insertAction({200, 120});
    insertAction({300, 320});
    pressSheet(portPoint(state().blocks[0], Port::Bottom));
    pressSheet(portPoint(state().blocks[1], Port::Top));
    pressSheet({state().blocks[1].x, state().blocks[1].y});
    QTest::keyClick(canvas(), Qt::Key_Down);
    action("mzoom200")->trigger();
    action("mzoom100")->trigger();

    const QImage shown = canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage plain(canvas()->size(), QImage::Format_RGB32);
    {
        PainterTarget target(plain, QColor(255, 255, 220));
        RenderPass pass;
        const Viewport& view = window_->editor().viewport();
        pass.desenha_diagrama(target, state(), view.viewOffsetX(), view.viewOffsetY());
    }
    QCOMPARE(shown, plain);
}

} // namespace corvix

QTEST_MAIN(corvix::MainWindowZoomTest)
#include "main_window_zoom_test.moc"
