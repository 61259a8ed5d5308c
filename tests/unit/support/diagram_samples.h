#pragma once

#include "storage/diagram_codec.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvix {

// Diagrams and diagram files built in code, for the storage tests and the fuzzer's seeds.

// Every block kind (also an unknown one and a swapped decision), a text with CR LF, a
// text holding each byte value 0..255, links with a port above 3, and every spare and
// signature field of the header filled.
DiagramData sampleDiagram();
// No blocks, no links, a zero header apart from the signature and dates.
DiagramData emptyDiagram();
// The file of a diagram, check words and trailer computed.
std::vector<uint8_t> encodeSample(DiagramData data);

// The file length a writer must produce: 751 + sum(34 + n) + 8 * links + 4.
size_t expectedFileSize(const DiagramData& data);

// A diagram file and what a reader must say about it.
struct SampleFile {
    std::string name;
    std::vector<uint8_t> bytes;
    ReadStatus status = ReadStatus::Damaged;
    std::string reason;  // empty for Ok
};
// Good files: the sample, an empty diagram, blocks without links, Letter paper scrolled.
std::vector<SampleFile> validFiles();
// One file for each class of damage a reader must refuse.
std::vector<SampleFile> damagedFiles();

// Little-endian 32-bit value at offset.
int32_t longAt(const std::vector<uint8_t>& bytes, size_t offset);
void putLong(std::vector<uint8_t>& bytes, size_t offset, int32_t value);

} // namespace corvix
