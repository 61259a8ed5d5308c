#pragma once
// Diagram files on disk, without a word to the user: the editor's file procedures
// (editor/file_procedures.h) say what went wrong.

#include "model/editor_state.h"
#include "model/message.h"
#include "storage/diagram_codec.h"

#include <cstdint>
#include <string>

namespace corvix {

// The message a refused load shows (critical icon); an empty text for Ok.
Message loadFailureMessage(const ReadResult& result, const std::string& path);
// The message a failed save shows (critical icon).
Message saveFailureMessage(const std::string& path);

// Writes the open diagram to path without ever losing the file that was there (see
// replaceFileSafely). First stamps header with the time, this machine's tag, the
// counts, the view position (scrollX, scrollY: the scroll bars' values) and the check
// words; these stay whatever the outcome. Empties the table entries above the counts.
// False when the file could not be written whole. Does not touch modified.
bool writeDiagramFile(EditorState& state, const std::string& path, int32_t scrollX, int32_t scrollY);

// Puts a decoded diagram into the tables, empties the entries above the new counts
// and clears the selection. Leaves modified, fileName and the view to the caller.
void replaceDiagram(EditorState& state, DiagramData&& data);

} // namespace corvix
