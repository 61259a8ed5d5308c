#pragma once
// What the file commands and the recovery file need from the editor: the open drawing,
// what a load applies (paper, view, a new history), the main menus around a long
// command, a fresh drawing, the view position a file stores, the saved state and the
// editor's clock.

#include "model/editor_state.h"
#include "storage/fragment_codec.h"

#include <cstdint>
#include <functional>

namespace corvix {

// The scroll bars' values, as a diagram file stores them.
struct ViewPosition {
    int32_t scrollX = 0;
    int32_t scrollY = 0;
};

class DocumentSession {
public:
    virtual ~DocumentSession() = default;

    virtual EditorState& state() = 0;

    // mtippapel_Click with a loaded file's paper type (any value; 0 and 1 are the known ones).
    virtual void applyPaper(int32_t paperType) = 0;
    // Scroll the view to a loaded file's position, each value clamped to its bar's maximum.
    virtual void restoreView(int32_t scrollX, int32_t scrollY) = 0;
    // A load replaced the diagram: a new undo history, then the operation cancelled.
    virtual void diagramReplaced() = 0;

    // The four main menus off around a long command, and on again after it.
    virtual void enableMenus() = 0;
    virtual void disableMenus() = 0;
    // New's empty drawing without a file at the view's origin, with a new history.
    virtual void clearDrawing() = 0;
    // Back to idle with nothing selected.
    virtual void cancelOperation() = 0;
    // The drawing rendered anew into the canvas and shown.
    virtual void repaint() = 0;

    virtual ViewPosition viewPosition() const = 0;

    // The drawing as it is now has been written to its file.
    virtual void markSaved() = 0;
    // No state reachable by undo or redo is in a file (a drawing recovered after a crash).
    virtual void forgetSavedState() = 0;

    // A new drawing of the fragment's blocks and links, arranged on the page: unsaved work
    // without a file and a new undo history. False, after a message, when Arrange refuses.
    virtual bool importDrawing(DiagramFragment fragment) = 0;
    // Seconds on a monotonic clock.
    virtual double nowSeconds() const = 0;
    // The last step of every timer tick that is not nested in another, given nowSeconds().
    virtual void setTickTail(std::function<void(double)> step) = 0;
};

} // namespace corvix
