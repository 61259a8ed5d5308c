#pragma once
// The keyboard's way through the flow, as the Edit menu's items drive it. Each does
// nothing while an operation waits (an operation waiting for a press, a drag, the kind
// panel shown or the text dialog open).

#include "editor/flow_steps.h"

#include <string>

namespace corvix {

class FlowKeys {
public:
    // F2 or Return: the text dialog on the selected block, which stays selected after it.
    virtual void editSelectedText() = 0;
    // Alt+Down, Alt+Left, Alt+Right: to the block the exit on that side leads to, or, when
    // the exit is free, a new block linked from it: the kind panel, then the text dialog
    // on the block, one undo step in all. With nothing selected, to the start block; on
    // an empty drawing Alt+Down inserts the first block at the top of the view.
    virtual void followExit(FlowSide side) = 0;
    // Alt+Up: to the lowest-numbered block that enters the selected one; again, to the
    // next block entering that same one, and once they are all visited, on up the flow.
    virtual void followEntry() = 0;
    // Ctrl+K: whether the selected block has a free exit to link from; else a message.
    virtual bool startLinkByText() = 0;
    // Links that exit to the first block after the selected one whose text contains
    // cp1252Text, under the usual rules; the selection stays.
    virtual void linkToBlockWithText(const std::string& cp1252Text) = 0;

protected:
    ~FlowKeys() = default;
};

} // namespace corvix
