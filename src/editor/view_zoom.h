#pragma once
// The View menu's zoom, as the shell drives it: canvas pixels a sheet unit takes, never
// stored in the file nor an undo step. Every level keeps the sheet point at the canvas's
// centre in place.

namespace corvix {

class ViewZoom {
public:
    virtual double zoom() const = 0;
    // A level in or out from the present one.
    virtual void zoomIn() = 0;
    virtual void zoomOut() = 0;
    virtual void zoomTo(double zoom) = 0;
    // The largest zoom that shows the whole page, the page's corner at the canvas's.
    virtual void fitPage() = 0;
    // Device pixels per canvas pixel on the window's screen; the caller repaints next.
    virtual void setDeviceRatio(double ratio) = 0;

protected:
    ~ViewZoom() = default;
};

} // namespace corvix
