#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace corvix {

// A regular file's contents, at most maxBytes of them; nullopt when it cannot be read,
// and then, when failure is given, why in the system's words ("No such file or directory").
std::optional<std::vector<uint8_t>> readFileBytes(const std::string& path, size_t maxBytes,
                                                  std::string* failure = nullptr);

// Replaces the file at path by bytes so that no failure, crash or power cut loses what
// was there: writes a temporary file in the same folder, flushes it to disk, reads it
// back and compares, renames it over path and flushes the folder. False on any failure;
// path then still holds its old contents (unless only the last flush of the folder
// failed) and the temporary file is gone. A read-only file at path is replaced too; the
// new file keeps the old one's permission bits, and a symbolic link at path keeps
// pointing at the file it names, which is the one replaced.
bool replaceFileSafely(const std::string& path, std::span<const uint8_t> bytes);

} // namespace corvix
