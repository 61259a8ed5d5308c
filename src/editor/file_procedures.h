#pragma once
// grava_arquivo and carrega_arquivo: writing and reading the open diagram's file, each
// telling the user itself when it fails, as every caller wants.

#include "editor/document_session.h"
#include "model/editor_state.h"
#include "model/ui_port.h"
#include "storage/diagram_codec.h"

#include <cstdint>
#include <string>

namespace corvix {

// writeDiagramFile; on failure shows saveFailureMessage and returns false.
bool grava_arquivo(EditorState& state, MessagePort& ui, const std::string& path, int32_t scrollX, int32_t scrollY);

// Replaces the open diagram by the file at path, only when the whole file passed every
// check: the file's paper and view are applied, modified becomes false and the
// operation under way ends (with a new undo history). A refused file shows
// loadFailureMessage, ends the operation and leaves the diagram, header, counts,
// fileName and view as they were. Does not set fileName and does not repaint: the caller
// repaints once it has named the drawing. The pointer is the hourglass while the file is
// read.
bool carrega_arquivo(DocumentSession& session, MessagePort& ui, const std::string& path);
// The same for a file already read: result names path in its message.
bool takeDiagram(DocumentSession& session, MessagePort& ui, ReadResult&& result, const std::string& path);

} // namespace corvix
