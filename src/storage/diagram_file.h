#pragma once

#include "model/editor_state.h"
#include "model/ui_port.h"
#include "storage/diagram_codec.h"

#include <cstdint>
#include <string>

namespace corvix {

// What loading a diagram needs from the editor window. The editor implements it; the
// loader calls it only after the new diagram is in EditorState.
class LoadHooks {
public:
    virtual ~LoadHooks() = default;

    // mtippapel_Click with the file's paper type (any value; 0 and 1 are the known ones).
    virtual void applyPaper(int32_t paperType) = 0;
    // Scroll the view to the stored position, each value clamped to its bar's maximum.
    virtual void restoreView(int32_t scrollX, int32_t scrollY) = 0;
    // The diagram was replaced: cancela_operacao. The caller of carrega_arquivo repaints
    // once it has named the drawing.
    virtual void loaded() = 0;
    // The file was refused and the open diagram kept: cancela_operacao.
    virtual void rejected() = 0;
};

// The message a refused load shows (critical icon); empty for Ok.
std::string loadFailureMessage(const ReadResult& result, const std::string& path);
// The message a failed save shows (critical icon).
std::string saveFailureMessage(const std::string& path);

// Writes the open diagram to path without ever losing the file that was there (see
// replaceFileSafely). First stamps header with the time, this machine's tag, the
// counts, the view position (scrollX, scrollY: the scroll bars' values) and the check
// words; these stay whatever the outcome. Empties the table entries above the counts.
// On failure shows saveFailureMessage and returns false. Does not touch modified.
bool grava_arquivo(EditorState& state, MessagePort& ui, const std::string& path, int32_t scrollX, int32_t scrollY);

// Replaces the open diagram by the file at path, only when the whole file passed every
// check; modified becomes false. A refused file shows loadFailureMessage, calls
// hooks.rejected() and leaves the diagram, header, counts, fileName and view as they
// were. Does not set fileName. The pointer is the hourglass while the file is read.
bool carrega_arquivo(EditorState& state, MessagePort& ui, LoadHooks& hooks, const std::string& path);

// Puts a decoded diagram into the tables, empties the entries above the new counts
// and clears the selection. Leaves modified, fileName and the view to the caller.
void replaceDiagram(EditorState& state, DiagramData&& data);

} // namespace corvix
