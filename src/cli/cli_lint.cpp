#include "cli/cli.h"

#include "checks/flowchart_checks.h"
#include "interchange/mermaid_reader.h"
#include "model/paper.h"
#include "storage/diagram_file.h"

#include <algorithm>
#include <cstdio>

namespace corvix::cli {

int runLint(const std::vector<std::string>& files)
{
    int status = 0;
    for (const std::string& path : files) {
        // A state of its own for each file: a paper type other than 0 or 1 keeps the paper
        // that was there before, and that must not be the previous file's.
        EditorState state;
        if (hasMermaidExtension(path)) {
            if (readMermaidInput(path, state, stdout) != 0) {
                status = 2;
                continue;
            }
        } else {
            ReadResult read = readDiagramFile(path);
            if (read.status != ReadStatus::Ok) {
                printVerdict(path, read);
                status = 2;
                continue;
            }
            replaceDiagram(state, std::move(read.data));
            applyPaperType(state.paper, state.header.paperType);
        }
        const std::vector<Problem> problems = checkFlowchart(state);
        for (const Problem& p : problems)
            std::printf("%s:%d: %s\n", path.c_str(), p.block + 1, problemText(p).c_str());
        if (!problems.empty())
            status = std::max(status, 1);
    }
    return status;
}

} // namespace corvix::cli
