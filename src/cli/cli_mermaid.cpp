// Mermaid flowcharts on the command line: read (and arranged) as the input of any export
// and of --lint, checked by --check, and written by --export=OUT.mmd.
#include "cli/cli.h"

#include "editor/drawing_import.h"
#include "interchange/mermaid_reader.h"
#include "interchange/mermaid_writer.h"
#include "layout/arrange.h"
#include "render/sheet_font_measures.h"

#include <cstdio>

namespace corvix::cli {

namespace {

void printDiagnostics(std::FILE* out, const std::string& path, const std::vector<TextDiagnostic>& diagnostics)
{
    for (const TextDiagnostic& diagnostic : diagnostics)
        std::fprintf(out, "%s\n", formatDiagnostic(path, diagnostic).c_str());
}

} // namespace

int readMermaidInput(const std::string& path, EditorState& state, std::FILE* out)
{
    MermaidReading reading = readMermaidFile(path);
    printDiagnostics(out, path, reading.diagnostics);
    if (!reading.diagram)
        return 2;
    // Measured with the sheet font's known cells, so no display is needed.
    const SheetFontMeasures font;
    EditorState empty;
    const ArrangedImport arranged = arrangeImported(empty, std::move(*reading.diagram), font, layout::arrangeBlocks, std::nullopt);
    if (!arranged.fragment) {
        std::fprintf(out, "%s: %s\n", path.c_str(), englishText(arranged.refusal).c_str());
        return 1;
    }
    putDrawing(state, *arranged.fragment);
    return 0;
}

bool checkMermaid(const std::string& path)
{
    const MermaidReading reading = readMermaidFile(path);
    printDiagnostics(stdout, path, reading.diagnostics);
    if (reading.diagram)
        std::printf("%s: ok blocks=%zu links=%zu\n", path.c_str(), reading.diagram->blocks.size(),
                    reading.diagram->links.size());
    return reading.diagram.has_value();
}

int runExportMermaid(const std::string& outPath, const std::string& inPath, InputLayout layout)
{
    EditorState state;
    if (const int status = readInputDiagram(inPath, state, layout))
        return status;
    if (!writeMermaidFile(outPath, state.blocksInUse(), state.linksInUse())) {
        std::fprintf(stderr, "corvix: cannot write %s\n", outPath.c_str());
        return 1;
    }
    return 0;
}

} // namespace corvix::cli
