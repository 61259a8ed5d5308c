#include "window/canvas_widget.h"

#include "window/input_events.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

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

CanvasWidget::CanvasWidget(CanvasInput& input, const QImage& image, QWidget* parent)
    : QWidget(parent)
    , input_(input)
    , image_(image)
{
    setObjectName(QStringLiteral("Diagrama"));
    setMouseTracking(true);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
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

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double-click is reported as the double-click alone.
    if (event->button() == Qt::LeftButton)
        input_.canvasDoubleClicked();
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
