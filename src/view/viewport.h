#pragma once

#include "model/paper.h"
#include "model/ui_port.h"

#include <cstdint>
#include <functional>

namespace corvix {

enum class ScrollAxis { Horizontal, Vertical };

// One scroll bar as the editor window has it. The maximum is never below the minimum: a
// canvas larger than the sheet along the bar has nothing to scroll, the range is 0.
struct ScrollBar {
    int16_t minimum = 0;
    int16_t maximum = 0;
    int16_t value = 0;
    int16_t smallChange = 1;
    int16_t largeChange = 60;

    // v within the bar's range.
    int16_t clamp(int64_t v) const;

    bool operator==(const ScrollBar&) const = default;
};

// A sheet point, in units and not rounded, and the canvas point it is to be shown at.
struct ViewAnchor {
    double sheetX = 0;
    double sheetY = 0;
    double canvasX = 0;
    double canvasY = 0;
};

// The part of the sheet that the canvas shows: the two scroll bars, the view offsets that
// follow them, the zoom, and the client area they were laid out for. The bars and the
// offsets count canvas pixels of the zoomed sheet: at zoom z, sheet point =
// (canvas point + offset) / z.
class Viewport {
public:
    static constexpr int32_t kBarThickness = 12;  // pixels
    static constexpr int32_t kAutoPanStep = 30;   // sheet units a pass
    static constexpr int32_t kAutoPanPassMs = 16; // one pass a frame of a 60 Hz screen

    // ui mirrors the bars; viewMoved repaints the view after an offset followed a bar.
    Viewport(UiPort& ui, std::function<void()> viewMoved);

    const ScrollBar& bar(ScrollAxis axis) const;
    const ScrollBar& hScroll() const { return hScroll_; }
    const ScrollBar& vScroll() const { return vScroll_; }
    int32_t viewOffsetX() const { return viewOffsetX_; }
    int32_t viewOffsetY() const { return viewOffsetY_; }
    int32_t clientWidth() const { return clientWidth_; }
    int32_t clientHeight() const { return clientHeight_; }
    int32_t canvasWidth() const { return clientWidth_ - kBarThickness; }
    int32_t canvasHeight() const { return clientHeight_ - kBarThickness; }
    double zoom() const { return zoom_; }
    bool suppressScrollEvents() const { return suppressScrollEvents_; }

    // Sets a bar's value as the program does, clamped into the bar's range. When the value
    // changes the shell is told and the bar's change notification runs.
    void setValue(ScrollAxis axis, int32_t value);
    // The user moved a bar (change or scroll notification): takes the value over and runs
    // the notification, whether or not the value changed.
    void userScrolled(ScrollAxis axis, int16_t value);
    // Converted to 16 bits, never below the minimum; a value left outside the new range is
    // pulled into it.
    void setMaximum(ScrollAxis axis, int32_t maximum);

    // A new client size (bars included): each maximum becomes zoomed sheet size - canvas size,
    // or 0 where the sheet fits the canvas.
    void resize(int32_t clientWidth, int32_t clientHeight, const Paper& paper);
    // A new paper: both values back to 0, maxima zoomed sheet size - client size + 30
    // (vertical) and + 20 (horizontal), or 0 where the sheet fits the canvas.
    void applyPaper(const Paper& paper);

    // The sheet point now under canvas point (canvasX, canvasY).
    ViewAnchor anchorAt(double canvasX, double canvasY) const;
    // A new zoom with the maxima of a resize, scrolled so that the anchor's sheet point lies
    // under its canvas point as nearly as the bars allow; the view is repainted once.
    void setZoom(double zoom, const Paper& paper, const ViewAnchor& anchor);

    // The arrow keys: one step toward the bar's minimum or maximum, stopping there.
    void stepTowardMinimum(ScrollAxis axis, int32_t step);
    void stepTowardMaximum(ScrollAxis axis, int32_t step);

    // One pass of the Shift-held auto-pan for a pointer at (pointerX, pointerY) on the
    // canvas: the view moves one step toward an edge the pointer is near, with the bars'
    // notifications suppressed. True when an offset changed: the caller repaints then.
    bool autoPanPass(int32_t pointerX, int32_t pointerY);

private:
    ScrollBar& mutableBar(ScrollAxis axis);
    int32_t& offset(ScrollAxis axis);
    void changeNotification(ScrollAxis axis);
    void panAxis(ScrollAxis axis, int32_t pointer, int32_t client);

    UiPort& ui_;
    std::function<void()> viewMoved_;
    ScrollBar hScroll_;
    ScrollBar vScroll_;
    int32_t viewOffsetX_ = 0;
    int32_t viewOffsetY_ = 0;
    int32_t clientWidth_ = 0;
    int32_t clientHeight_ = 0;
    bool suppressScrollEvents_ = false;
    double zoom_ = 1;
};

} // namespace corvix
