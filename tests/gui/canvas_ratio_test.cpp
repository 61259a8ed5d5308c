// The canvas on a screen of two device pixels a pixel (run with QT_SCALE_FACTOR=2).
#include "window/canvas_widget.h"
#include "window_test_base.h"

#include <QTest>

namespace corvix {

class CanvasRatioTest : public WindowTestBase {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pageFrameLinesAreTwoDevicePixelsThick();
    void headerIsDrawnAtTheScaledSizeNotDoubled();

private:
    // The canvas as the screen shows it, in device pixels.
    QImage shownCanvas();
};

void CanvasRatioTest::init()
{
    makeWindow();
    startWindow();
}

void CanvasRatioTest::cleanup()
{
    destroyWindow();
}

QImage CanvasRatioTest::shownCanvas()
{
    auto* canvas = window_->findChild<CanvasWidget*>(QStringLiteral("Diagrama"));
    [&] { QCOMPARE(canvas->devicePixelRatioF(), 2.0); }();
    return canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void CanvasRatioTest::pageFrameLinesAreTwoDevicePixelsThick()
{
    const QImage image = shownCanvas();
    QCOMPARE(image.height(), 2 * window_->findChild<CanvasWidget*>(QStringLiteral("Diagrama"))->height());
    // Down a column through the top of both frames: sheet rows 30 and 36.
    QString column;
    for (int y = 56; y < 78; ++y)
        column += image.pixel(200, y) == qRgb(0, 0, 0) ? QLatin1Char('#') : QLatin1Char('.');
    QCOMPARE(column, QStringLiteral("....##..........##...."));
}

// Pixel doubling would leave every aligned square of 2 x 2 device pixels one colour.
void CanvasRatioTest::headerIsDrawnAtTheScaledSizeNotDoubled()
{
    const QImage image = shownCanvas();
    int ink = 0;
    int unevenSquares = 0;
    for (int y = 0; y < 60; y += 2) {
        for (int x = 40; x < 400; x += 2) {
            const QRgb p = image.pixel(x, y);
            ink += p != qRgb(255, 255, 220);
            unevenSquares += p != image.pixel(x + 1, y) || p != image.pixel(x, y + 1) || p != image.pixel(x + 1, y + 1);
        }
    }
    QVERIFY(ink > 50);
    QVERIFY2(unevenSquares > 20, qPrintable(QString::number(unevenSquares)));
}

} // namespace corvix

QTEST_MAIN(corvix::CanvasRatioTest)
#include "canvas_ratio_test.moc"
