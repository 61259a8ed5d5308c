#pragma once
// The changes a user makes to the drawing, each one step of the undo history. Commands
// check capacities and indices, ask what must be asked and show their refusals; the
// selection, the edit mode and repainting are the caller's.

#include "editor/undo_history.h"
#include "model/arrangement.h"
#include "model/editor_state.h"
#include "model/ui_port.h"
#include "render/render_target.h"
#include "storage/fragment_codec.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvix {

// Why the fragment cannot be added to state's tables ("The drawing can hold ..."), or none.
std::optional<Message> pasteCapacityRefusal(const EditorState& state, const DiagramFragment& fragment);

class DrawingCommands {
public:
    // windowFont measures block texts ("Courier New" 8.25 pt).
    DrawingCommands(EditorState& state, MessagePort& ui, const TextMeasurer& windowFont);
    DrawingCommands(const DrawingCommands&) = delete;
    DrawingCommands& operator=(const DrawingCommands&) = delete;

    // define_bloco: entry index gets kind and text under the text rules, measured, with
    // its centre snapped near (x, y). Nothing for an index outside the table.
    void define_bloco(int32_t index, BlockKind kind, const std::string& text, int32_t x, int32_t y);
    // insere_bloco: appends a block defined as above; false, with a message and the
    // tables untouched, when the table is full.
    bool insere_bloco(BlockKind kind, const std::string& text, int32_t x, int32_t y);
    // Entry index (the next free one for a new block) as define_bloco would define it
    // with kind and text, its centre at (0, 0); any index within the table.
    Block blockAsDefined(int32_t index, BlockKind kind, const std::string& text) const;
    // Appends a block defined as insere_bloco does and, when fromExit names an exit, the
    // link from it to the new block's entry, as one step; false, with a message and the
    // tables untouched, when either table is full.
    bool insertLinked(BlockKind kind, const std::string& text, int32_t x, int32_t y, std::optional<int32_t> fromExit);
    // Whether a block, with a link when withLink, can be added; else false, with the
    // message a full table gives.
    bool roomToInsert(bool withLink) const;
    // define_bloco made part of the last step.
    void defineJoined(int32_t index, BlockKind kind, const std::string& text, int32_t x, int32_t y);
    // False, with a message, when the link table is full.
    bool addLink(const Link& link);
    // Ask first; true when the user agreed and the block (with its links) or the link went.
    bool deleteBlock(int32_t index);
    bool deleteLink(int32_t index);
    // A decision becomes its mirror image; false, changing nothing, for any other block.
    bool swapDecision(int32_t index);
    // The block's centre to (x, y) snapped to the grid.
    void moveBlock(int32_t index, int32_t x, int32_t y);
    // Every block by (dx, dy), each centre snapped.
    void moveAll(int32_t dx, int32_t dy);
    // The listed blocks by (dx, dy), each centre snapped; indices not in use are skipped.
    void moveBlocks(const std::vector<int32_t>& indices, int32_t dx, int32_t dy);
    // Each listed block to its new centre, as one step; entries not in use are skipped.
    // False, recording nothing, when no block would move.
    bool placeBlocks(const std::vector<BlockCentre>& centres);
    // Several blocks (ascending, in use) with their links, after asking; true when they went.
    bool deleteBlocks(const std::vector<int32_t>& ascending);
    // The same without asking (a cut).
    void removeBlocks(std::vector<int32_t> ascending);
    // Appends the fragment's blocks, each centre moved by (dx, dy) and snapped, and its
    // links renumbered after them. The index of the first new block; nullopt, with a
    // message and the tables untouched, when either table would overflow.
    std::optional<int32_t> paste(const DiagramFragment& fragment, int32_t dx, int32_t dy);

    bool undo();
    bool redo();
    UndoHistory& history() { return history_; }
    const UndoHistory& history() const { return history_; }

private:
    // Each shows its refusal when its table has no free entry.
    bool blockTableFull() const;
    bool linkTableFull() const;
    bool isBlockIndex(int32_t index) const;
    Block definedBlock(Block block, BlockKind kind, const std::string& text, int32_t x, int32_t y) const;

    EditorState& state_;
    MessagePort& ui_;
    const TextMeasurer& windowFont_;
    UndoHistory history_;
};

} // namespace corvix
