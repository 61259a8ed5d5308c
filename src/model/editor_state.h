#pragma once

#include "model/block.h"
#include "model/diagram_header.h"
#include "model/paper.h"
#include "model/selection.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace corvix {

inline constexpr int32_t kBlockCapacity = 10000;
inline constexpr int32_t kLinkCapacity = 15000;

// What the canvas's next press does.
enum class EditMode : int32_t {
    Idle = 0,
    Connecting = 1,   // a link's first end is chosen; the next press chooses the other
    MovingBlock = 2,  // a block is picked up; the next press drops it
    MovingAll = 4,    // the whole drawing is picked up; the next press drops it
    Inserting = 8,    // the next left press inserts a block of kindToInsert
};

// The one open diagram and the editor-wide values every window shares. Owned by the
// application and passed by reference. Both tables are allocated once at their
// capacities; entries above the counts are kept, and a reused entry keeps the fields
// a new definition does not write.
struct EditorState {
    EditorState();

    std::vector<Block> blocks;  // kBlockCapacity entries
    int32_t blockCount = 0;
    std::vector<Link> links;    // kLinkCapacity entries
    int32_t linkCount = 0;

    Selection selection;
    EditMode editMode = EditMode::Idle;
    BlockKind kindToInsert = BlockKind::None;
    bool modified = false;
    std::string fileName;        // UTF-8 path; empty for a drawing without a file
    std::string programDir;      // ends in '/'
    std::string programNotice;   // printed in each page's footer
    DiagramHeader header;
    Paper paper;

    // The one selected block and the selected link, -1 = none: what the commands for
    // one block or one link act on. Several selected blocks leave selectedBlock -1.
    int32_t selectedBlock() const { return selection.block(); }
    int32_t selectedLink() const { return selection.link(); }

    // The blocks below the count, the count kept within the table.
    std::span<const Block> blocksInUse() const;
    std::span<const Link> linksInUse() const;

    // Empties the drawing by its counts; the entries stay as they are.
    void resetTables();
    // False, changing nothing, when the table is full.
    bool appendLink(const Link& link);
    // Closes the gap and renumbers the links; links touching the block are dropped.
    void removeBlock(int32_t index);
    // The same for several blocks at once; ascending holds distinct indices in use.
    void removeBlocks(std::span<const int32_t> ascending);
    void removeLink(int32_t index);
    // Index of the first link with either end at code, or -1.
    int32_t findLinkAtPort(int32_t code) const;
    // Zeroes the entries above the counts, as loading and saving do.
    void clearUnusedEntries();
};

} // namespace corvix
