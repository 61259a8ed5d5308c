#pragma once

#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace corvix {

// The start-up splash: a still copy of the desktop over the whole screen, with the
// Corvix logo growing from a dot in the middle. Closes itself after its last tick.
class Splash final : public QWidget {
    Q_OBJECT

public:
    explicit Splash(QWidget* parent = nullptr);

    // Shows the splash and returns when it has closed.
    void runModal();

    int tick() const { return tick_; }
    QRect logoGeometry() const { return logoRect_; }
    // One 50 ms step; public so that tests can drive the animation.
    void advance();

    static QImage logo();

signals:
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void grabScreen();

    QPixmap desktop_;
    QImage logo_;
    QTimer timer_;
    QRect logoRect_;
    int tick_ = 0;
};

} // namespace corvix
