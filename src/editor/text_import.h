#pragma once
// Drawings from Mermaid flowchart text: a file opened as a new drawing, and a paste into
// the open drawing, both arranged by Arrange.

#include "editor/canvas_view.h"
#include "editor/drawing_commands.h"
#include "editor/drawing_import.h"
#include "interchange/text_diagnostic.h"
#include "model/editor_state.h"
#include "model/input.h"
#include "model/ui_port.h"

#include <optional>
#include <string_view>
#include <vector>

namespace corvix {

// How pasted text is named in its messages' lines ("clipboard:3:7: error: ...").
inline constexpr std::string_view kClipboardTextName = "clipboard";

// The lines of one message box: the first 20 diagnostics, then how many more there are.
Message diagnosticsMessage(std::string_view path, const std::vector<TextDiagnostic>& diagnostics);

class TextImport {
public:
    // arranger: the editor's, set once for Arrange and for imports alike.
    TextImport(EditorState& state, MessagePort& ui, DrawingCommands& commands, CanvasView& view,
               const TextMeasurer& windowFont, const Arranger& arranger);
    TextImport(const TextImport&) = delete;
    TextImport& operator=(const TextImport&) = delete;

    // False when utf8 does not read as a Mermaid flowchart. Otherwise its blocks and links
    // were added as one step, arranged in free space near the pointer (else the view's
    // centre) and selected; or, adding nothing, its errors or Arrange's refusal were shown.
    bool pasteMermaid(std::string_view utf8, std::optional<CanvasPoint> pointer);
    // The fragment as a whole drawing on the page, or none after a message saying why.
    std::optional<DiagramFragment> arrangeDrawing(DiagramFragment fragment);

private:
    EditorState& state_;
    MessagePort& ui_;
    DrawingCommands& commands_;
    CanvasView& view_;
    const TextMeasurer& windowFont_;
    const Arranger& arranger_;
};

} // namespace corvix
