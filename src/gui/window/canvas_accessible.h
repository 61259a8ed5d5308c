#pragma once

#include <QRect>
#include <QString>

class QAccessibleEvent;
class QWidget;

namespace corvix {

// What the canvas tells a screen reader or a magnifier about the drawing's blocks, as
// the editor core words them. Blocks are numbered from 0 in table order.
class CanvasBlocks {
public:
    virtual ~CanvasBlocks() = default;
    virtual int blockCount() const = 0;
    // -1 = none.
    virtual int selectedBlock() const = 0;
    // "Decision 4: i <= n?"
    virtual QString blockName(int index) const = 0;
    // "Yes: block 5; No: block 7; Entered from blocks 3, 6"
    virtual QString blockDescription(int index) const = 0;
    // Where the block's drawing lies, in the canvas's own pixels; empty for none.
    virtual QRect blockRect(int index) const = 0;
};

// Has the canvas widget's accessible interface made by Corvix, before the first widget
// asks for one.
void installBlockAccessibility();

// Makes every block an accessible child of canvas: the accessible interface of the
// canvas widget reads them from blocks, which outlives the widget.
void exposeBlocks(QWidget& canvas, const CanvasBlocks& blocks);

// Where the canvas's announcements go: to assistive technology through Qt, unless a
// test listens instead (nullptr: back to Qt).
using AnnouncementSink = void (*)(QAccessibleEvent* event);
void setAnnouncementSink(AnnouncementSink sink);

// After a repaint: tells assistive technology that blocks came or went, that a block's
// words changed, and which block is selected (the focus moves to it).
void announceBlockChanges(QWidget& canvas);

} // namespace corvix
