#include "editor/drawing_change.h"

#include "render/block_geometry.h"

#include <algorithm>
#include <cassert>
#include <optional>
#include <span>
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

// Undoes removals from a table: the entries that stayed spread back out from the end and
// each removed entry takes its place back; an entry never moves to one not yet read.
template <typename Entry>
void reinsertEntries(std::vector<Entry>& table, int32_t& count, std::span<const int32_t> ascending,
                     std::span<const Entry> removed)
{
    const int32_t countBefore = count + int32_t(ascending.size());
    int32_t kept = count - 1;
    size_t next = ascending.size();
    for (int32_t i = countBefore - 1; next > 0; --i) {
        if (i == ascending[next - 1])
            table[size_t(i)] = removed[--next];
        else
            table[size_t(i)] = std::move(table[size_t(kept--)]);
    }
    count = countBefore;
}

// Remembers the removed blocks and the links the removal dropped or renumbered; in a full
// drawing that is what keeps a step small.
class RemoveBlocks final : public DrawingChange {
public:
    explicit RemoveBlocks(std::vector<int32_t> ascending)
        : indices_(std::move(ascending))
    {
    }

    void apply(EditorState& state) override
    {
        removed_.clear();
        for (const int32_t index : indices_)
            removed_.push_back(state.blocks[size_t(index)]);
        const std::vector<Link> before(state.links.begin(), state.links.begin() + state.linkCount);
        state.removeBlocks(indices_);
        rememberChangedLinks(before, state);
    }

    void revert(EditorState& state) override
    {
        reinsertEntries<Block>(state.blocks, state.blockCount, indices_, removed_);
        restoreLinks(state);
    }

    size_t bytes() const override
    {
        size_t total = sizeof(*this) + indices_.capacity() * sizeof(int32_t) + changed_.capacity() * sizeof(OldLink);
        for (const Block& block : removed_)
            total += sizeof(Block) + textBytes(block.text);
        return total;
    }

private:
    struct OldLink {
        int32_t index;  // in the table before the removal
        Link link;
        bool dropped;   // else it stayed and was renumbered
    };

    bool isRemoved(int32_t block) const { return std::binary_search(indices_.begin(), indices_.end(), block); }

    void rememberChangedLinks(const std::vector<Link>& before, const EditorState& state)
    {
        changed_.clear();
        int32_t kept = 0;
        for (int32_t i = 0; i < int32_t(before.size()); ++i) {
            const Link& old = before[size_t(i)];
            if (isRemoved(codeBlock(old.source)) || isRemoved(codeBlock(old.target))) {
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

    std::vector<int32_t> indices_;
    std::vector<Block> removed_;  // in the order of indices_
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
        reinsertEntries<Link>(state.links, state.linkCount, {&index_, 1}, {&removed_, 1});
    }
    size_t bytes() const override { return sizeof(*this); }

private:
    int32_t index_;
    Link removed_;
};

// Holds the other centre of each block it moves: applying and reverting both exchange them.
class MoveBlocks final : public DrawingChange {
public:
    // No indices: every block in use when the change is first made.
    MoveBlocks(std::optional<std::vector<int32_t>> indices, int32_t dx, int32_t dy)
        : indices_(std::move(indices))
        , dx_(dx)
        , dy_(dy)
    {
    }
    // Centres already known: each block goes exactly there.
    explicit MoveBlocks(const std::vector<BlockCentre>& centres)
        : dx_(0)
        , dy_(0)
        , computed_(true)
    {
        for (const BlockCentre& c : centres)
            moved_.push_back({c.block, {c.x, c.y}});
    }
    void apply(EditorState& state) override
    {
        if (!computed_) {
            const auto add = [&](int32_t index) {
                const Block& b = state.blocks[size_t(index)];
                moved_.push_back({index, {snapToGrid(int64_t(b.x) + dx_), snapToGrid(int64_t(b.y) + dy_)}});
            };
            if (indices_) {
                std::for_each(indices_->begin(), indices_->end(), add);
            } else {
                for (int32_t i = 0; i < state.blockCount; ++i)
                    add(i);
            }
            computed_ = true;
        }
        exchange(state);
    }
    void revert(EditorState& state) override { exchange(state); }
    size_t bytes() const override
    {
        const size_t listed = indices_ ? indices_->capacity() * sizeof(int32_t) : 0;
        return sizeof(*this) + listed + moved_.capacity() * sizeof(Centre);
    }

private:
    struct Centre {
        int32_t index;
        Point other;
    };

    void exchange(EditorState& state)
    {
        for (Centre& c : moved_) {
            Block& b = state.blocks[size_t(c.index)];
            std::swap(b.x, c.other.x);
            std::swap(b.y, c.other.y);
        }
    }

    std::optional<std::vector<int32_t>> indices_;
    int32_t dx_;
    int32_t dy_;
    bool computed_ = false;
    std::vector<Centre> moved_;
};

// Several changes as one step: made in order, taken back in reverse.
class ChangeBatch final : public DrawingChange {
public:
    explicit ChangeBatch(std::vector<std::unique_ptr<DrawingChange>> parts)
        : parts_(std::move(parts))
    {
    }
    void apply(EditorState& state) override
    {
        for (const auto& part : parts_)
            part->apply(state);
    }
    void revert(EditorState& state) override
    {
        for (auto part = parts_.rbegin(); part != parts_.rend(); ++part)
            (*part)->revert(state);
    }
    size_t bytes() const override
    {
        size_t total = sizeof(*this) + parts_.capacity() * sizeof(parts_.front());
        for (const auto& part : parts_)
            total += part->bytes();
        return total;
    }

private:
    std::vector<std::unique_ptr<DrawingChange>> parts_;
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
    return removeBlocks({index});
}

std::unique_ptr<DrawingChange> removeBlocks(std::vector<int32_t> ascending)
{
    return std::make_unique<RemoveBlocks>(std::move(ascending));
}

std::unique_ptr<DrawingChange> appendLink(Link link)
{
    return std::make_unique<AppendLink>(link);
}

std::unique_ptr<DrawingChange> removeLink(int32_t index)
{
    return std::make_unique<RemoveLink>(index);
}

std::unique_ptr<DrawingChange> moveBlocks(std::vector<int32_t> indices, int32_t dx, int32_t dy)
{
    return std::make_unique<MoveBlocks>(std::move(indices), dx, dy);
}

std::unique_ptr<DrawingChange> moveAllBlocks(int32_t dx, int32_t dy)
{
    return std::make_unique<MoveBlocks>(std::nullopt, dx, dy);
}

std::unique_ptr<DrawingChange> placeBlocks(const std::vector<BlockCentre>& centres)
{
    return std::make_unique<MoveBlocks>(centres);
}

std::unique_ptr<DrawingChange> batch(std::vector<std::unique_ptr<DrawingChange>> parts)
{
    return std::make_unique<ChangeBatch>(std::move(parts));
}

} // namespace changes

} // namespace corvix
