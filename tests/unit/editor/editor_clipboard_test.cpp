#include "editor_fixture.h"

#include "storage/diagram_codec.h"
#include "storage/fragment_codec.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvix {
namespace {

using testing::snapshot;
using testing::Tables;

// The three blocks with two links: one between the decision and the upper action, one
// from the upper action to the lower; the first two blocks are selected.
class Clipboard : public testing::ThreeBlocks {
protected:
    Clipboard()
    {
        connect(kDecisionLeft, kActionTop);
        connect(kActionBottom, kLowerTop);
        editor.undoHistory().clear();
        state.modified = false;
        press(400, 200);
        press(200, 200, testing::kLeft, testing::kCtrl);
    }

    std::vector<int32_t> selected() const { return editor.selection().blocks(); }
};

TEST_F(Clipboard, CopyCarriesTheBlocksTheLinksAmongThemAndTheirTexts)
{
    state.blocks[1].text = "two\r\nlines?";
    const std::optional<ClipboardContent> content = editor.copy();
    ASSERT_TRUE(content);

    const std::optional<DiagramFragment> fragment = decodeFragment(content->blocks);
    ASSERT_TRUE(fragment);
    EXPECT_EQ(fragment->blocks, (std::vector<Block>{state.blocks[0], state.blocks[1]}));
    EXPECT_EQ(fragment->links, (std::vector<Link>{{connectionCode(1, Port::Left), connectionCode(0, Port::Top)}}));
    EXPECT_EQ(content->text, "== 0 ==\r\ntwo lines?\r\n");
    EXPECT_FALSE(state.modified);
}

TEST_F(Clipboard, PasteAppendsRenumberedBeside16AndSelectsThem)
{
    const ClipboardContent content = *editor.copy();
    editor.paste(content, std::nullopt);

    ASSERT_EQ(state.blockCount, 5);
    Block moved = state.blocks[0];
    moved.x += 16;
    moved.y += 16;
    EXPECT_EQ(state.blocks[3], moved);
    EXPECT_EQ(state.blocks[4].x, 216);
    ASSERT_EQ(state.linkCount, 3);
    EXPECT_EQ(state.links[2], (Link{connectionCode(4, Port::Left), connectionCode(3, Port::Top)}));
    EXPECT_EQ(selected(), (std::vector<int32_t>{3, 4}));
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(editor.undoHistory().undoSteps(), 1u);
}

TEST_F(Clipboard, PasteCentresTheBlocksOnThePointer)
{
    editor.paste(*editor.copy(), toCanvas({603, 500}));
    // The middle of the copied centres, (300, 200), goes to the pointer; each centre snaps.
    EXPECT_EQ((Point{state.blocks[3].x, state.blocks[3].y}), (Point{704, 504}));
    EXPECT_EQ((Point{state.blocks[4].x, state.blocks[4].y}), (Point{504, 504}));
}

TEST_F(Clipboard, PastePastEitherCapacityIsRefusedWhole)
{
    const ClipboardContent content = *editor.copy();
    const struct {
        const char* name;
        int32_t blocks;
        int32_t links;
        std::string message;
    } cases[] = {
        {"blocks", kBlockCapacity - 1, 2,
         "The drawing can hold 10000 blocks; with these it would have 10001. Nothing was pasted."},
        {"links", 3, kLinkCapacity, "The drawing can hold 15000 links; with these it would have 15001. Nothing was pasted."},
    };
    for (const auto& c : cases) {
        state.blockCount = c.blocks;
        state.linkCount = c.links;
        const Tables before = snapshot(state);
        ui.messages.clear();
        editor.paste(content, std::nullopt);
        EXPECT_EQ(snapshot(state), before) << c.name;
        EXPECT_EQ(ui.messages, (std::vector<FakeUi::Message>{{c.message, MessageIcon::Exclamation}})) << c.name;
        EXPECT_EQ(editor.undoHistory().undoSteps(), 0u) << c.name;
    }
}

TEST_F(Clipboard, PlainTextPastesAsOneActionBlockUnderTheTextRules)
{
    editor.paste({{}, "  two\r\nlines  ", {}}, toCanvas({603, 500}));
    ASSERT_EQ(state.blockCount, 4);
    EXPECT_EQ(state.blocks[3].kind, BlockKind::Action);
    EXPECT_EQ(state.blocks[3].text, "two\r\nlines");
    EXPECT_EQ((Point{state.blocks[3].x, state.blocks[3].y}), (Point{600, 504}));
    EXPECT_EQ(selected(), (std::vector<int32_t>{3}));

    editor.paste({{}, "   ", {}}, std::nullopt);
    EXPECT_EQ(state.blockCount, 4);

    // Held to what a block record can store, without splitting a line break.
    std::string longText(size_t(kMaxTextBytes) - 1, 'x');
    editor.paste({{}, longText + "\r\nmore", {}}, std::nullopt);
    EXPECT_EQ(state.blocks[4].text, longText);
}

TEST_F(Clipboard, CutTakesTheBlocksWithoutAQuestion)
{
    const Tables before = snapshot(state);
    const std::optional<ClipboardContent> content = editor.cut();
    ASSERT_TRUE(content);
    EXPECT_EQ(decodeFragment(content->blocks)->blocks.size(), 2u);
    EXPECT_EQ(state.blockCount, 1);
    EXPECT_EQ(state.linkCount, 0);
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_TRUE(selected().empty());
    editor.undo();
    EXPECT_EQ(snapshot(state), before);
}

TEST_F(Clipboard, DuplicateCopiesBesideThem)
{
    editor.duplicate();
    ASSERT_EQ(state.blockCount, 5);
    EXPECT_EQ(state.blocks[3].x, 416);
    EXPECT_EQ(state.linkCount, 3);
    EXPECT_EQ(selected(), (std::vector<int32_t>{3, 4}));
}

TEST_F(Clipboard, NothingWhileAnOperationWaits)
{
    const ClipboardContent content = *editor.copy();
    press(kDecisionRight.x, kDecisionRight.y);
    ASSERT_EQ(state.editMode, EditMode::Connecting);
    EXPECT_FALSE(editor.copy());
    editor.paste(content, std::nullopt);
    editor.duplicate();
    EXPECT_EQ(state.blockCount, 3);
    EXPECT_FALSE(editor.canSelectAll());
}

} // namespace
} // namespace corvix
