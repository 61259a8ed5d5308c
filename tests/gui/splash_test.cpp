#include "app/splash.h"

#include <QSignalSpy>
#include <QTest>

using corvix::Splash;

class SplashTest : public QObject {
    Q_OBJECT

private slots:
    void logoGrowsFromADotAndTheSplashClosesAtTheLastTick()
    {
        Splash splash;
        QSignalSpy finished(&splash, &Splash::finished);
        const QPoint centre(splash.width() / 2, splash.height() / 2);
        QCOMPARE(splash.logoGeometry().size(), QSize(2, 2));

        const QList<QPair<int, QSize>> expected = {{1, {10, 3}}, {10, {100, 34}}, {20, {200, 67}}, {39, {200, 67}}};
        for (const auto& [tick, size] : expected) {
            while (splash.tick() < tick)
                splash.advance();
            QCOMPARE(splash.logoGeometry().size(), size);
            QCOMPARE(splash.logoGeometry().left(), centre.x() - size.width() / 2);
            QCOMPARE(splash.logoGeometry().top(), centre.y() - size.height() / 2);
        }
        QCOMPARE(finished.count(), 0);
        splash.advance();
        QCOMPARE(finished.count(), 1);
    }

    void logoIsTwoHundredBySixtySeven()
    {
        QCOMPARE(Splash::logo().size(), QSize(200, 67));
    }
};

QTEST_MAIN(SplashTest)
#include "splash_test.moc"
