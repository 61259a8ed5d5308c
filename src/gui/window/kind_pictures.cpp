#include "window/kind_pictures.h"

#include "model/block.h"

#include <QPainter>
#include <QPolygon>

namespace corvix {

namespace {

constexpr int kSide = 32;
const QColor kLightEdge(0, 255, 255);
const QColor kDarkEdge(0, 0, 255);

void drawAction(QPainter& p)
{
    p.setPen(Qt::black);
    p.drawLine(16, 0, 16, 7);
    p.drawLine(16, 24, 16, 31);
    p.setPen(kDarkEdge);
    p.drawRect(3, 8, 25, 15);
    p.setPen(kLightEdge);
    p.drawRect(5, 10, 21, 11);
}

void drawDecision(QPainter& p)
{
    p.setPen(Qt::black);
    p.drawLine(16, 0, 16, 7);
    p.drawLine(0, 16, 3, 16);
    p.drawLine(28, 16, 31, 16);
    const QPolygon outer({QPoint(9, 8), QPoint(22, 8), QPoint(28, 16), QPoint(22, 24), QPoint(9, 24), QPoint(3, 16)});
    const QPolygon inner({QPoint(10, 10), QPoint(21, 10), QPoint(25, 16), QPoint(21, 22), QPoint(10, 22), QPoint(6, 16)});
    p.setPen(kDarkEdge);
    p.drawPolygon(outer);
    p.setPen(kLightEdge);
    p.drawPolygon(inner);
}

// The shield that marks where a goto leaves or arrives.
void drawMarker(QPainter& p, int top, const QColor& fill)
{
    const QPolygon shield({QPoint(11, top), QPoint(21, top), QPoint(21, top + 5), QPoint(16, top + 10), QPoint(11, top + 5)});
    p.setPen(Qt::black);
    p.setBrush(fill);
    p.drawPolygon(shield);
    p.setBrush(Qt::NoBrush);
    p.drawLine(16, top - 2, 16, top + 12);
}

void drawGotoJump(QPainter& p)
{
    p.setPen(kDarkEdge);
    p.drawPolyline(QPolygon({QPoint(3, 22), QPoint(3, 15), QPoint(6, 12), QPoint(25, 12), QPoint(28, 15), QPoint(28, 22)}));
    drawMarker(p, 2, QColor(255, 0, 255));
    p.setPen(Qt::black);
    p.drawLine(8, 19, 23, 19);
    p.drawLine(8, 23, 19, 23);
}

void drawGotoTarget(QPainter& p)
{
    p.setPen(Qt::black);
    p.drawLine(8, 6, 23, 6);
    p.drawLine(8, 10, 19, 10);
    p.setPen(kDarkEdge);
    p.drawPolyline(QPolygon({QPoint(3, 9), QPoint(3, 16), QPoint(6, 19), QPoint(25, 19), QPoint(28, 16), QPoint(28, 9)}));
    drawMarker(p, 19, QColor(128, 200, 255));
}

void drawExplanation(QPainter& p)
{
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(2, 6, 27, 19);
    p.setPen(Qt::black);
    p.drawLine(6, 11, 25, 11);
    p.drawLine(6, 15, 22, 15);
    p.drawLine(6, 19, 24, 19);
}

} // namespace

QPixmap kindPicture(BlockKind kind)
{
    QPixmap picture(kSide, kSide);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    switch (kind) {
    case BlockKind::Action: drawAction(p); break;
    case BlockKind::Decision: drawDecision(p); break;
    case BlockKind::GotoJump: drawGotoJump(p); break;
    case BlockKind::GotoTarget: drawGotoTarget(p); break;
    case BlockKind::Explanation: drawExplanation(p); break;
    default: break;
    }
    return picture;
}

QCursor kindCursor(BlockKind kind)
{
    return QCursor(kindPicture(kind), kSide / 2, kSide / 2);
}

} // namespace corvix
