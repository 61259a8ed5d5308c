// The diagram reader, and the reader of the clipboard's blocks, under libFuzzer: no input
// may crash either or reach undefined behaviour, and every input one accepts must write
// back to bytes that read the same.
// The plain replay driver (replay_main.cpp) runs the same entry point without libFuzzer.

#include "storage/diagram_checksum.h"
#include "storage/diagram_codec.h"
#include "storage/fragment_codec.h"

#include <algorithm>
#include <cstdlib>

namespace {

using namespace corvix;

void readAndRewrite(std::span<const uint8_t> input)
{
    const ReadResult read = decodeDiagram(input);
    if (read.status != ReadStatus::Ok)
        return;

    DiagramHeader header = read.data.header;
    const auto written = encodeDiagram(header, read.data.blocks, read.data.links);
    if (!written)
        std::abort();
    const ReadResult again = decodeDiagram(*written);
    if (again.status != ReadStatus::Ok || !(again.data.header == read.data.header)
        || again.data.blocks != read.data.blocks || again.data.links != read.data.links)
        std::abort();
    // Unless the input held bytes between its records and its trailer, it is rewritten exactly.
    if (written->size() == input.size() && !std::equal(written->begin(), written->end(), input.begin()))
        std::abort();
}

// The clipboard's blocks come from other programs, with no check words to pass.
void readAndRewriteFragment(std::span<const uint8_t> input)
{
    const auto read = decodeFragment(input);
    if (!read)
        return;
    const auto written = encodeFragment(*read);
    if (!written || decodeFragment(*written) != read)
        std::abort();
    if (written->size() == input.size() && !std::equal(written->begin(), written->end(), input.begin()))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> input(data, size);
    readAndRewrite(input);
    readAndRewriteFragment(input);

    // Nearly every change to a header breaks its check words; a copy with fresh ones
    // lets such changes reach the checks behind them.
    if (size < size_t(kHeaderSize))
        return 0;
    DiagramHeader header = decodeHeader(input);
    const auto words = calcula_verificacao(header);
    if (!words || *words == storedCheckWords(header))
        return 0;
    storeCheckWords(header, *words);
    std::vector<uint8_t> resealed(input.begin(), input.end());
    const auto headerBytes = encodeHeader(header);
    std::copy(headerBytes.begin(), headerBytes.end(), resealed.begin());
    readAndRewrite(resealed);
    return 0;
}
