#pragma once

#include "cli/qt_shell.h"

#include <cstdio>
#include <string>
#include <vector>

namespace corvix {
struct ReadResult;
struct EditorState;
}

namespace corvix::cli {

// corvix --check FILE...: one line a file; 0 when every file is ok, 1 otherwise.
int runCheck(const std::vector<std::string>& files);
// "ok blocks=B links=L", "inconsistent" or "damaged: REASON".
std::string readVerdict(const ReadResult& result);
// --check's line for one file on stdout: "PATH: VERDICT".
void printVerdict(const std::string& path, const ReadResult& result);
// corvix --lint FILE...: "PATH:N: CODE: MESSAGE" a problem of block N (1-based), or a file's
// --check line when it is not ok; 0 when no file has a problem, 1 when one has, 2 when a
// file is not ok.
int runLint(const std::vector<std::string>& files);
// Puts the diagram at path into state for an export, arranged when asked: 0, else the exit
// status after the verdict or the refusal on stderr (1 for a diagram file that is not ok or
// cannot be arranged). A Mermaid flowchart (.mmd, .mermaid) is always read and arranged
// (see readMermaidInput).
int readInputDiagram(const std::string& path, EditorState& state, InputLayout layout);
// The Mermaid flowchart at path read, arranged and put into state: 0; 2 when the text has
// an error, 1 when Arrange refuses it. Every error and warning goes to out as
// "PATH:LINE:COL: error: MESSAGE".
int readMermaidInput(const std::string& path, EditorState& state, std::FILE* out);
// --check's lines for a Mermaid flowchart: its errors and warnings, then "PATH: ok
// blocks=B links=L" when it reads; true when it does.
bool checkMermaid(const std::string& path);
// The diagram at path in state for drawing its page as printing draws it: its paper, its
// path in the header. 0, else the exit status after the verdict on stderr.
int readPageDiagram(const std::string& path, EditorState& state, InputLayout layout);
// corvix [--arrange] --export=OUT FILE: OUT's extension chooses PNG, SVG, PDF, FXG or MMD;
// 0 on success, else OUT is not written. The page formats are drawn by the Qt shell,
// loaded for them alone.
int runExport(const std::string& outPath, const std::string& inPath, InputLayout layout, QtShellLoader shell);
// The FXG case: FILE read and written anew to OUT as a save would; 1 with a message on stderr.
int runExportFxg(const std::string& outPath, const std::string& inPath, InputLayout layout);
// The MMD case: FILE written as a Mermaid flowchart.
int runExportMermaid(const std::string& outPath, const std::string& inPath, InputLayout layout);

} // namespace corvix::cli
