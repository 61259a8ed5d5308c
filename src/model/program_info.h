#pragma once

#include "model/diagram_header.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvix {

inline constexpr int kVersionMajor = CORVIX_VERSION_MAJOR;
inline constexpr int kVersionMinor = CORVIX_VERSION_MINOR;
inline constexpr int kVersionPatch = CORVIX_VERSION_PATCH;

// Printed after the executable's name in every page footer.
inline constexpr std::string_view kMakerNotice = " - drawn with Corvix, the flowchart editor";
// Exactly 47 characters, so that the file signature is exactly 70.
inline constexpr std::string_view kMakerMark = "Corvix flowchart editor - diagram file format 1";
inline constexpr std::string_view kSignaturePrefix = "Arquivo de fluxograma/";

// Prefix, maker mark and Ctrl-Z: the 70 bytes every file written by Corvix starts with.
std::string fileSignature();
// Writes the signature into the header field, padded with spaces or cut to 70 bytes.
void writeSignature(DiagramHeader& header);

// "corvix" followed by the maker notice.
std::string makeProgramNotice(std::string_view executableBaseName);

// The folder of the running executable, ending in '/'; empty when it cannot be found.
std::string executableDir();
// The running executable's file name without folder and extension.
std::string executableBaseName();

// A stable 32-bit value of this machine (from /etc/machine-id, else 0), XOR 0x5C2E7A13.
int32_t machineTag();
// Same rule on given machine-id text; exposed for tests.
int32_t machineTagFromId(std::string_view machineId);

} // namespace corvix
