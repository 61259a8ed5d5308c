#pragma once
// What a reader of a text format says about a place in the text, in the form compilers use.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvix {

enum class Severity { Warning, Error };

struct TextDiagnostic {
    int32_t line = 1;    // from 1
    int32_t column = 1;  // from 1, in characters
    Severity severity = Severity::Error;
    std::string message;  // UTF-8
    bool operator==(const TextDiagnostic&) const = default;
};

// "PATH:LINE:COL: error: MESSAGE" (or "warning").
std::string formatDiagnostic(std::string_view path, const TextDiagnostic& diagnostic);

bool hasErrors(const std::vector<TextDiagnostic>& diagnostics);

} // namespace corvix
