#pragma once

#include "model/input.h"
#include "surfaces/canvas_surface.h"

#include <QStringList>
#include <QWidget>

namespace corvix {

// What the canvas reports; the editor window forwards it to the core.
class CanvasInput {
public:
    virtual ~CanvasInput() = default;
    // A press names its button, a move the buttons held; pos in canvas pixels.
    virtual void canvasPressed(MouseButton button, KeyModifiers modifiers, QPointF pos) = 0;
    virtual void canvasMoved(MouseButton buttons, KeyModifiers modifiers, QPointF pos) = 0;
    virtual void canvasReleased(MouseButton button, KeyModifiers modifiers, QPointF pos) = 0;
    virtual void canvasDoubleClicked() = 0;
    // Whole wheel notches, forward positive; a sideways wheel comes with Alt held, as the
    // desktop turns Alt + wheel sideways.
    virtual void canvasWheel(int32_t notches, KeyModifiers modifiers, QPointF pos) = 0;
    // The canvas now lies on a screen with another device pixel ratio.
    virtual void canvasRatioChanged() = 0;
    // Whether a drag carrying these local files may drop here.
    virtual bool canvasAcceptsFiles(const QStringList& paths) = 0;
    virtual void canvasFilesDropped(const QStringList& paths) = 0;
};

// "Diagrama": shows the persistent image that the render pass draws into; painting only
// copies it, pixel for device pixel, so a repaint of the window never runs the render pass.
class CanvasWidget final : public QWidget {
public:
    // surface outlives the widget.
    CanvasWidget(CanvasInput& input, const CanvasSurface& surface, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    CanvasInput& input_;
    const CanvasSurface& surface_;
    int wheelAngle_ = 0;  // eighths of a degree short of a whole notch
};

} // namespace corvix
