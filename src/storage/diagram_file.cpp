#include "storage/diagram_file.h"

#include "model/ole_date.h"
#include "model/program_info.h"
#include "storage/safe_file.h"

#include <algorithm>
#include <cassert>
#include <span>

namespace corvix {

Message loadFailureMessage(const ReadResult& result, const std::string& path)
{
    switch (result.status) {
    case ReadStatus::Ok:
        break;
    case ReadStatus::Inconsistent:
        return {MessageId::InconsistentFile, {}};
    case ReadStatus::Damaged:
        return {MessageId::DamagedFile, {path}};
    case ReadStatus::Unreadable:
        return {MessageId::UnreadableFile, {path, result.reason}};
    }
    return {MessageId::Verbatim, {""}};
}

Message saveFailureMessage(const std::string& path)
{
    return {MessageId::SaveFailed, {path}};
}

bool writeDiagramFile(EditorState& state, const std::string& path, int32_t scrollX, int32_t scrollY)
{
    DiagramHeader& header = state.header;
    header.savedAt = oleDateNow();
    header.saverTag = machineTag();
    header.scrollX = scrollX;
    header.scrollY = scrollY;
    const auto bytes = encodeDiagram(header, std::span(state.blocks).first(size_t(state.blockCount)),
                                     std::span(state.links).first(size_t(state.linkCount)));
    state.clearUnusedEntries();

    // A file that Corvix would refuse to open again is not worth replacing the old one with.
    return bytes && decodeDiagram(*bytes).status == ReadStatus::Ok && replaceFileSafely(path, *bytes);
}

void replaceDiagram(EditorState& state, DiagramData&& data)
{
    assert(data.blocks.size() <= state.blocks.size() && data.links.size() <= state.links.size());
    std::move(data.blocks.begin(), data.blocks.end(), state.blocks.begin());
    std::copy(data.links.begin(), data.links.end(), state.links.begin());
    state.blockCount = int32_t(data.blocks.size());
    state.linkCount = int32_t(data.links.size());
    state.header = data.header;
    state.clearUnusedEntries();
    state.selection = {};
}

} // namespace corvix
