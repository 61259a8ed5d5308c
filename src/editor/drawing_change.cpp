#include "editor/drawing_change.h"

#include "render/block_geometry.h"

#include <algorithm>
#include <cassert>
#include <utility>
#include <vector>

namespace corvix {

namespace {

size_t textBytes(const std::string& text)
{
    const auto* object = reinterpret_cast<const char*>(&text);
    const bool onHeap = text.data() < object || text.data() >= object + sizeof(text);
    return onHeap ? text.capacity() + 1 : 0;
}

// Holds the entry's other value: applying and reverting both exchange it with the table's.
class ReplaceBlock final : public DrawingChange {
public:
    ReplaceBlock(int32_t index, Block block)
        : index_(index)
        , other_(std::move(block))
    {
    }
    void apply(EditorState& state) override { std::swap(state.blocks[size_t(index_)], other_); }
    void revert(EditorState& state) override { apply(state); }
    size_t bytes() const override { return sizeof(*this) + textBytes(other_.text); }

private:
    int32_t index_;
    Block other_;
};

size_t entryBytes(const Block& block)
{
    return textBytes(block.text);
}

size_t entryBytes(const Link&)
{
    return 0;
}

// Appends one entry to a table; like ReplaceBlock it holds the slot's other value, so a
// reused slot gets back exactly what it held.
template <typename Entry, std::vector<Entry> EditorState::*table, int32_t EditorState::*count, int32_t capacity>
class AppendEntry final : public DrawingChange {
public:
    explicit AppendEntry(Entry entry)
        : other_(std::move(entry))
    {
    }
    void apply(EditorState& state) override
    {
        if (index_ < 0)
            index_ = state.*count;
        assert(index_ == state.*count && index_ < capacity);
        std::swap((state.*table)[size_t(index_)], other_);
        state.*count = index_ + 1;
    }
    void revert(EditorState& state) override
    {
        std::swap((state.*table)[size_t(index_)], other_);
        state.*count = index_;
    }
    size_t bytes() const override { return sizeof(*this) + entryBytes(other_); }

private:
    int32_t index_ = -1;
    Entry other_;
};

using AppendBlock = AppendEntry<Block, &EditorState::blocks, &EditorState::blockCount, kBlockCapacity>;
using AppendLink = AppendEntry<Link, &EditorState::links, &EditorState::linkCount, kLinkCapacity>;

// Undoes a removal from a table: the entries from index on move up one again and the
// removed entry takes its place back.
template <typename Entry>
void reinsertEntry(std::vector<Entry>& table, int32_t& count, int32_t index, const Entry& removed)
{
    const auto first = table.begin() + index;
    const auto end = table.begin() + count;
    std::move_backward(first, end, end + 1);
    table[size_t(index)] = removed;
    ++count;
}

class RemoveBlock final : public DrawingChange {
public:
    explicit RemoveBlock(int32_t index)
        : index_(index)
    {
    }

    void apply(EditorState& state) override
    {
        removed_ = state.blocks[size_t(index_)];
        const std::vector<Link> before(state.links.begin(), state.links.begin() + state.linkCount);
        state.removeBlock(index_);
        rememberChangedLinks(before, state);
    }

    void revert(EditorState& state) override
    {
        reinsertEntry(state.blocks, state.blockCount, index_, removed_);
        restoreLinks(state);
    }

    size_t bytes() const override
    {
        return sizeof(*this) + textBytes(removed_.text) + changed_.capacity() * sizeof(OldLink);
    }

private:
    struct OldLink {
        int32_t index;  // in the table before the removal
        Link link;
        bool dropped;   // else it stayed and was renumbered
    };

    // Only the links that were dropped or renumbered are kept: in a full drawing that is
    // what makes a step small.
    void rememberChangedLinks(const std::vector<Link>& before, const EditorState& state)
    {
        changed_.clear();
        int32_t kept = 0;
        for (int32_t i = 0; i < int32_t(before.size()); ++i) {
            const Link& old = before[size_t(i)];
            const bool dropped = codeBlock(old.source) == index_ || codeBlock(old.target) == index_;
            if (dropped) {
                changed_.push_back({i, old, true});
                continue;
            }
            if (!(state.links[size_t(kept)] == old))
                changed_.push_back({i, old, false});
            ++kept;
        }
        changed_.shrink_to_fit();
        countBefore_ = int32_t(before.size());
    }

    // Rebuilt from the end, in place: a link never moves down to an entry not yet read.
    void restoreLinks(EditorState& state)
    {
        int32_t kept = state.linkCount - 1;
        auto next = changed_.rbegin();
        for (int32_t i = countBefore_ - 1; i >= 0; --i) {
            if (next != changed_.rend() && next->index == i) {
                state.links[size_t(i)] = next->link;
                if (!next->dropped)
                    --kept;
                ++next;
            } else {
                state.links[size_t(i)] = state.links[size_t(kept--)];
            }
        }
        state.linkCount = countBefore_;
    }

    int32_t index_;
    Block removed_;
    int32_t countBefore_ = 0;
    std::vector<OldLink> changed_;
};

class RemoveLink final : public DrawingChange {
public:
    explicit RemoveLink(int32_t index)
        : index_(index)
    {
    }
    void apply(EditorState& state) override
    {
        removed_ = state.links[size_t(index_)];
        state.removeLink(index_);
    }
    void revert(EditorState& state) override
    {
        reinsertEntry(state.links, state.linkCount, index_, removed_);
    }
    size_t bytes() const override { return sizeof(*this); }

private:
    int32_t index_;
    Link removed_;
};

// Holds the other centre of every block: applying and reverting both exchange them.
class MoveAllBlocks final : public DrawingChange {
public:
    MoveAllBlocks(int32_t dx, int32_t dy)
        : dx_(dx)
        , dy_(dy)
    {
    }
    void apply(EditorState& state) override
    {
        if (!computed_) {
            centres_.reserve(size_t(state.blockCount));
            for (int32_t i = 0; i < state.blockCount; ++i) {
                const Block& b = state.blocks[size_t(i)];
                centres_.push_back({snapToGrid(int64_t(b.x) + dx_), snapToGrid(int64_t(b.y) + dy_)});
            }
            computed_ = true;
        }
        exchange(state);
    }
    void revert(EditorState& state) override { exchange(state); }
    size_t bytes() const override { return sizeof(*this) + centres_.capacity() * sizeof(Point); }

private:
    void exchange(EditorState& state)
    {
        for (size_t i = 0; i < centres_.size(); ++i) {
            std::swap(state.blocks[i].x, centres_[i].x);
            std::swap(state.blocks[i].y, centres_[i].y);
        }
    }

    int32_t dx_;
    int32_t dy_;
    bool computed_ = false;
    std::vector<Point> centres_;
};

} // namespace

namespace changes {

std::unique_ptr<DrawingChange> replaceBlock(int32_t index, Block block)
{
    return std::make_unique<ReplaceBlock>(index, std::move(block));
}

std::unique_ptr<DrawingChange> appendBlock(Block block)
{
    return std::make_unique<AppendBlock>(std::move(block));
}

std::unique_ptr<DrawingChange> removeBlock(int32_t index)
{
    return std::make_unique<RemoveBlock>(index);
}

std::unique_ptr<DrawingChange> appendLink(Link link)
{
    return std::make_unique<AppendLink>(link);
}

std::unique_ptr<DrawingChange> removeLink(int32_t index)
{
    return std::make_unique<RemoveLink>(index);
}

std::unique_ptr<DrawingChange> moveAllBlocks(int32_t dx, int32_t dy)
{
    return std::make_unique<MoveAllBlocks>(dx, dy);
}

} // namespace changes

} // namespace corvix
