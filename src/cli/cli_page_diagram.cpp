#include "cli/cli.h"

#include "model/editor_state.h"
#include "model/paper.h"
#include "model/program_info.h"
#include "storage/diagram_file.h"

#include <filesystem>

namespace corvix::cli {

namespace {

std::string absolutePath(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

} // namespace

int readPageDiagram(const std::string& path, EditorState& state, InputLayout layout)
{
    if (const int status = readInputDiagram(path, state, layout))
        return status;
    applyPaperType(state.paper, state.header.paperType);
    state.fileName = absolutePath(path);
    state.programNotice = makeProgramNotice(executableBaseName());
    return 0;
}

} // namespace corvix::cli
