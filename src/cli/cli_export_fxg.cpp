#include "cli/cli.h"

#include "editor/file_procedures.h"

#include <cstdio>

namespace corvix::cli {

namespace {

// A headless run has no one to ask: messages go to stderr, questions are answered No.
class ConsoleUi final : public MessagePort {
public:
    void showMessage(const Message& message, MessageIcon) override
    {
        std::fprintf(stderr, "corvix: %s\n", englishText(message).c_str());
    }
    bool askYesNo(const Message&) override { return false; }
    void setPointer(Pointer, BlockKind) override {}
};

} // namespace

int runExportFxg(const std::string& outPath, const std::string& inPath, InputLayout layout)
{
    EditorState state;
    if (const int status = readInputDiagram(inPath, state, layout))
        return status;
    ConsoleUi ui;
    // The view a save records is the one the file was opened with.
    return grava_arquivo(state, ui, outPath, state.header.scrollX, state.header.scrollY) ? 0 : 1;
}

} // namespace corvix::cli
