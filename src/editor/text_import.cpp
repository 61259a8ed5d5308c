#include "editor/text_import.h"

#include "interchange/mermaid_graph.h"
#include "interchange/mermaid_reader.h"

#include <numeric>

namespace corvix {

namespace {

constexpr size_t kMessageLines = 20;

} // namespace

Message diagnosticsMessage(std::string_view path, const std::vector<TextDiagnostic>& diagnostics)
{
    std::string lines;
    for (size_t i = 0; i < diagnostics.size() && i < kMessageLines; ++i)
        lines += (i ? "\n" : "") + formatDiagnostic(path, diagnostics[i]);
    if (diagnostics.size() > kMessageLines)
        return {MessageId::MoreDiagnostics, {lines, std::to_string(diagnostics.size() - kMessageLines)}};
    return {MessageId::Verbatim, {lines}};
}

TextImport::TextImport(EditorState& state, MessagePort& ui, DrawingCommands& commands, CanvasView& view,
                       const TextMeasurer& windowFont, const Arranger& arranger)
    : state_(state)
    , ui_(ui)
    , commands_(commands)
    , view_(view)
    , windowFont_(windowFont)
    , arranger_(arranger)
{
}

bool TextImport::pasteMermaid(std::string_view utf8, std::optional<CanvasPoint> pointer)
{
    if (!startsAsMermaidFlowchart(utf8))
        return false;
    const MermaidReading reading = readMermaid(utf8);
    if (!reading.diagram) {
        ui_.showMessage(diagnosticsMessage(kClipboardTextName, reading.diagnostics), MessageIcon::Critical);
        return true;
    }
    const Point near = pointer ? view_.sheetPoint(pointer->x, pointer->y) : view_.viewCentre();
    ArrangedImport arranged = arrangeImported(state_, *reading.diagram, windowFont_, arranger_, near);
    if (!arranged.fragment) {
        ui_.showMessage(arranged.refusal, MessageIcon::Exclamation);
        return true;
    }
    const std::optional<int32_t> first = commands_.paste(*arranged.fragment, 0, 0);
    if (!first)
        return true;
    std::vector<int32_t> pasted(arranged.fragment->blocks.size());
    std::iota(pasted.begin(), pasted.end(), *first);
    state_.selection = Selection::ofBlocks(std::move(pasted));
    view_.repinta_tudo();
    if (!reading.diagnostics.empty())
        ui_.showMessage(diagnosticsMessage(kClipboardTextName, reading.diagnostics), MessageIcon::Exclamation);
    return true;
}

std::optional<DiagramFragment> TextImport::arrangeDrawing(DiagramFragment fragment)
{
    EditorState empty;
    empty.paper = state_.paper;
    ArrangedImport arranged = arrangeImported(empty, std::move(fragment), windowFont_, arranger_, std::nullopt);
    if (!arranged.fragment)
        ui_.showMessage(arranged.refusal, MessageIcon::Exclamation);
    return std::move(arranged.fragment);
}

} // namespace corvix
