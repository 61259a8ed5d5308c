#pragma once
// What the user has selected: nothing, one block, several blocks or one link. The one
// record of it, held by EditorState; every command and every drawing of the selection
// reads it from there. It never reaches the file.

#include <cstdint>
#include <vector>

namespace corvix {

class Selection {
public:
    // Nothing selected.
    Selection() = default;
    // block -1 selects nothing.
    static Selection ofBlock(int32_t block);
    // The blocks in any order, repeats allowed: nothing, one block or several.
    static Selection ofBlocks(std::vector<int32_t> blocks);
    // link -1 selects nothing.
    static Selection ofLink(int32_t link);

    bool empty() const { return blocks_.empty() && link_ < 0; }
    bool several() const { return blocks_.size() > 1; }
    // The one selected block; -1 when nothing, several blocks or a link are selected.
    int32_t block() const { return blocks_.size() == 1 ? blocks_.front() : -1; }
    // The selected link, -1 = none.
    int32_t link() const { return link_; }
    // The selected blocks, ascending: the one, the several, or none.
    const std::vector<int32_t>& blocks() const { return blocks_; }
    bool contains(int32_t block) const;

    // The block added to the selected blocks, or taken out when it was among them; a
    // selected link gives way to it.
    Selection toggled(int32_t block) const;

    bool operator==(const Selection&) const = default;

private:
    std::vector<int32_t> blocks_;  // ascending, distinct
    int32_t link_ = -1;            // with no block
};

} // namespace corvix
