#include "interchange/text_diagnostic.h"

#include <algorithm>

namespace corvix {

std::string formatDiagnostic(std::string_view path, const TextDiagnostic& diagnostic)
{
    std::string line(path);
    line += ':' + std::to_string(diagnostic.line) + ':' + std::to_string(diagnostic.column) + ": ";
    line += diagnostic.severity == Severity::Error ? "error: " : "warning: ";
    line += diagnostic.message;
    return line;
}

bool hasErrors(const std::vector<TextDiagnostic>& diagnostics)
{
    return std::any_of(diagnostics.begin(), diagnostics.end(),
                       [](const TextDiagnostic& d) { return d.severity == Severity::Error; });
}

} // namespace corvix
