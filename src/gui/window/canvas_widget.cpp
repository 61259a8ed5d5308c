#include "window/canvas_widget.h"

#include "window/canvas_accessible.h"
#include "window/input_events.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QWheelEvent>

namespace corvix {

namespace {

QStringList localFiles(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

} // namespace

CanvasWidget::CanvasWidget(CanvasInput& input, const CanvasSurface& surface, QWidget* parent)
    : QWidget(parent)
    , input_(input)
    , surface_(surface)
{
    installBlockAccessibility();
    setObjectName(QStringLiteral("Diagrama"));
    setAccessibleName(QCoreApplication::translate("corvix::CanvasWidget", "Drawing"));
    setMouseTracking(true);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A press takes the focus back from the find field or the problems list, so that the
    // window's keys reach the editor again.
    // Tab reaches it too: from the keys alone the drawing can be built and read.
    setFocusPolicy(Qt::StrongFocus);
}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRectF area(event->rect());
    const double ratio = surface_.deviceRatio();
    painter.drawImage(area, surface_.image(), QRectF(area.topLeft() * ratio, area.size() * ratio));
}

void CanvasWidget::mousePressEvent(QMouseEvent* event)
{
    input_.canvasPressed(mouseButtons(event->button()), keyModifiers(event->modifiers()), event->position());
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event)
{
    input_.canvasMoved(mouseButtons(event->buttons()), keyModifiers(event->modifiers()), event->position());
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event)
{
    input_.canvasReleased(mouseButtons(event->button()), keyModifiers(event->modifiers()), event->position());
}

// Qt reports the second of two quick presses as a double-click instead. Only the left
// button's opens the text dialog; a quick second right press still drops what the first
// picked up, as a slower one would.
void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        input_.canvasDoubleClicked();
    else
        mousePressEvent(event);
}

void CanvasWidget::wheelEvent(QWheelEvent* event)
{
    constexpr int kNotch = 120;
    const QPoint angle = event->angleDelta();
    KeyModifiers modifiers = keyModifiers(event->modifiers());
    if (angle.y() == 0 && angle.x() != 0)
        modifiers = KeyModifiers(int16_t(modifiers.bits() | KeyModifiers::kAlt));
    // A fine-grained wheel sends parts of a notch; they add up to whole ones.
    wheelAngle_ += angle.y() != 0 ? angle.y() : angle.x();
    const int notches = wheelAngle_ / kNotch;
    wheelAngle_ -= notches * kNotch;
    if (notches != 0)
        input_.canvasWheel(notches, modifiers, event->position());
    event->accept();
}

bool CanvasWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal)
        input_.canvasRatioChanged();
    return QWidget::event(event);
}

void CanvasWidget::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void CanvasWidget::dragMoveEvent(QDragMoveEvent* event)
{
    if (input_.canvasAcceptsFiles(localFiles(event->mimeData())) && (event->possibleActions() & Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CanvasWidget::dropEvent(QDropEvent* event)
{
    const QStringList paths = localFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    input_.canvasFilesDropped(paths);
}

} // namespace corvix
