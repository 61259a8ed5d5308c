#include "editor/file_procedures.h"

#include "storage/diagram_file.h"

#include <utility>

namespace corvix {

bool grava_arquivo(EditorState& state, MessagePort& ui, const std::string& path, int32_t scrollX, int32_t scrollY)
{
    const bool saved = writeDiagramFile(state, path, scrollX, scrollY);
    if (!saved)
        ui.showMessage(saveFailureMessage(path), MessageIcon::Critical);
    return saved;
}

bool carrega_arquivo(DocumentSession& session, MessagePort& ui, const std::string& path)
{
    ui.setPointer(Pointer::Hourglass);
    ReadResult result = readDiagramFile(path);
    ui.setPointer(Pointer::Default);
    return takeDiagram(session, ui, std::move(result), path);
}

bool takeDiagram(DocumentSession& session, MessagePort& ui, ReadResult&& result, const std::string& path)
{
    if (result.status != ReadStatus::Ok) {
        ui.showMessage(loadFailureMessage(result, path), MessageIcon::Critical);
        session.cancelOperation();
        return false;
    }
    EditorState& state = session.state();
    replaceDiagram(state, std::move(result.data));
    session.applyPaper(state.header.paperType);
    session.restoreView(state.header.scrollX, state.header.scrollY);
    state.modified = false;
    session.diagramReplaced();
    return true;
}

} // namespace corvix
