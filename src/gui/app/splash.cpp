#include "app/splash.h"

#include "view/print_layout.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace corvix {

namespace {
constexpr int kLogoWidth = 200;
constexpr int kLogoHeight = 67;
constexpr int kTickMilliseconds = 50;
} // namespace

Splash::Splash(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::SplashScreen)
    , logo_(logo())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    grabScreen();
    logoRect_ = QRect(width() / 2 - 1, height() / 2 - 1, 2, 2);
    timer_.setInterval(kTickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &Splash::advance);
}

void Splash::grabScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 800, 600);
    setGeometry(area);
    // Platforms that do not hand out the desktop's pixels (Wayland, offscreen) give a
    // null or empty picture; a plain background takes its place.
    if (screen)
        desktop_ = screen->grabWindow(0);
}

void Splash::runModal()
{
    QEventLoop loop;
    connect(this, &Splash::finished, &loop, &QEventLoop::quit);
    showFullScreen();
    timer_.start();
    loop.exec();
}

void Splash::advance()
{
    ++tick_;
    if (tick_ <= kSplashGrowTicks) {
        const LogoRect r = splashLogoRect(tick_, width() / 2, height() / 2, kLogoWidth, kLogoHeight);
        logoRect_ = QRect(r.left, r.top, r.width, r.height);
        update();
    }
    if (tick_ == kSplashLastTick) {
        timer_.stop();
        close();
        emit finished();
    }
}

void Splash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (desktop_.isNull() || desktop_.size().isEmpty())
        p.fillRect(rect(), QColor(40, 48, 64));
    else
        p.drawPixmap(0, 0, desktop_);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(logoRect_, logo_);
}

QImage Splash::logo()
{
    QImage image(kLogoWidth, kLogoHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath card;
    card.addRoundedRect(QRectF(0.5, 0.5, kLogoWidth - 1, kLogoHeight - 1), 10, 10);
    p.fillPath(card, QColor(255, 255, 220));
    p.setPen(QPen(QColor(0, 0, 255), 2));
    p.drawPath(card);

    // A tiny flowchart: an action, a decision below it, linked.
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(QPointF(30, 8), QPointF(30, 16));
    p.setBrush(QColor(0, 255, 255));
    p.drawRect(QRectF(18, 16, 24, 12));
    p.drawLine(QPointF(30, 28), QPointF(30, 36));
    QPolygonF diamond;
    diamond << QPointF(30, 36) << QPointF(44, 47) << QPointF(30, 58) << QPointF(16, 47);
    p.setBrush(QColor(255, 255, 0));
    p.drawPolygon(diamond);

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(30);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 160));
    p.drawText(QRect(56, 4, 140, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Corvix"));
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(11);
    p.setFont(small);
    p.setPen(QColor(60, 60, 60));
    p.drawText(QRect(56, 42, 140, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("flowchart editor 1.1.0"));
    return image;
}

} // namespace corvix
