#pragma once
// Cut, Copy, Paste and Duplicate. The desktop's clipboard belongs to the shell; this part
// says what goes on it and what a paste of it adds to the drawing.

#include "editor/canvas_view.h"
#include "editor/drawing_commands.h"
#include "model/editor_state.h"
#include "model/input.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvix {

// What the clipboard carries: the blocks' records, for a paste in any Corvix window, and
// their texts, for any other program.
struct ClipboardContent {
    std::vector<uint8_t> blocks;  // encodeFragment's bytes; empty for none
    std::string text;             // Windows-1252, one block a line, lines ending in CR LF
    std::string utf8Text;         // another program's plain text as it gave it (a Mermaid
                                  // flowchart is read from it); Copy leaves it empty
};

class ClipboardCommands {
public:
    ClipboardCommands(EditorState& state, DrawingCommands& commands, CanvasView& view);
    ClipboardCommands(const ClipboardCommands&) = delete;
    ClipboardCommands& operator=(const ClipboardCommands&) = delete;

    // The selected blocks and the links with both ends among them; nullopt when no block
    // is selected.
    std::optional<ClipboardContent> copy() const;
    // Copy, then the selected blocks go with their links, as one step and without a question.
    std::optional<ClipboardContent> cut();
    // The content's blocks with new numbers, else its text as one new action block. They
    // go where the pointer is when it is over the canvas; else blocks go 16 units right
    // and down of where they were, and a text to the middle of the canvas. What was
    // pasted becomes the selection.
    void paste(const ClipboardContent& content, std::optional<CanvasPoint> pointer);
    // The selected blocks copied 16 units right and down, the clipboard left alone.
    void duplicate();

private:
    void pasteBlocks(const DiagramFragment& fragment, std::optional<Point> at);
    void pasteText(std::string text, std::optional<Point> at);

    EditorState& state_;
    DrawingCommands& commands_;
    CanvasView& view_;
};

} // namespace corvix
