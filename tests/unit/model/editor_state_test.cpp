#include "model/editor_state.h"
#include "model/paper.h"

#include <gtest/gtest.h>

namespace corvix {
namespace {

Block blockAt(int32_t x, std::string text)
{
    Block b;
    b.kind = BlockKind::Action;
    b.x = x;
    b.text = std::move(text);
    return b;
}

void addBlocks(EditorState& s, int n)
{
    for (int i = 0; i < n; ++i)
        s.blocks[size_t(s.blockCount++)] = blockAt(i * 100, "b" + std::to_string(i));
}

TEST(EditorState, TablesAreAllocatedOnceAtCapacity)
{
    EditorState s;
    EXPECT_EQ(s.blocks.size(), size_t(kBlockCapacity));
    EXPECT_EQ(s.links.size(), size_t(kLinkCapacity));
    EXPECT_EQ(s.blockCount, 0);
    EXPECT_EQ(s.selectedBlock, -1);
}

TEST(EditorState, RemovingFirstOfAChainRenumbersTheRemainingLink)
{
    EditorState s;
    addBlocks(s, 3);
    s.appendLink({connectionCode(0, 2), connectionCode(1, 0)});
    s.appendLink({connectionCode(1, 2), connectionCode(2, 0)});

    s.removeBlock(0);

    ASSERT_EQ(s.blockCount, 2);
    EXPECT_EQ(s.blocks[0].text, "b1");
    EXPECT_EQ(s.blocks[1].text, "b2");
    ASSERT_EQ(s.linkCount, 1);
    EXPECT_EQ(s.links[0], (Link{connectionCode(0, 2), connectionCode(1, 0)}));
}

TEST(EditorState, RemovingAnUnlinkedBlockOnlyRenumbersLinksAboveIt)
{
    EditorState s;
    addBlocks(s, 4);
    s.appendLink({connectionCode(2, 2), connectionCode(3, 0)});
    s.appendLink({connectionCode(0, 2), connectionCode(3, 0)});

    s.removeBlock(1);

    ASSERT_EQ(s.linkCount, 2);
    EXPECT_EQ(s.links[0], (Link{connectionCode(1, 2), connectionCode(2, 0)}));
    EXPECT_EQ(s.links[1], (Link{connectionCode(0, 2), connectionCode(2, 0)}));
}

TEST(EditorState, RemovingTheLastBlockChangesNoOtherLink)
{
    EditorState s;
    addBlocks(s, 3);
    s.appendLink({connectionCode(0, 2), connectionCode(1, 0)});
    s.appendLink({connectionCode(1, 2), connectionCode(2, 0)});

    s.removeBlock(2);

    ASSERT_EQ(s.linkCount, 1);
    EXPECT_EQ(s.links[0], (Link{connectionCode(0, 2), connectionCode(1, 0)}));
}

TEST(EditorState, RemovingALinkKeepsTheOrderOfTheOthers)
{
    EditorState s;
    addBlocks(s, 5);
    for (int i = 0; i < 4; ++i)
        s.appendLink({connectionCode(i, 2), connectionCode(i + 1, 0)});

    s.removeLink(1);

    ASSERT_EQ(s.linkCount, 3);
    EXPECT_EQ(codeBlock(s.links[0].source), 0);
    EXPECT_EQ(codeBlock(s.links[1].source), 2);
    EXPECT_EQ(codeBlock(s.links[2].source), 3);
}

TEST(EditorState, FindsTheFirstLinkAtAPortFromEitherEnd)
{
    EditorState s;
    addBlocks(s, 3);
    s.appendLink({connectionCode(0, 2), connectionCode(1, 0)});
    s.appendLink({connectionCode(2, 2), connectionCode(1, 0)});

    EXPECT_EQ(s.findLinkAtPort(connectionCode(1, 0)), 0);
    EXPECT_EQ(s.findLinkAtPort(connectionCode(2, 2)), 1);
    EXPECT_EQ(s.findLinkAtPort(connectionCode(2, 0)), -1);
}

TEST(EditorState, ResetKeepsEntriesAndAFullLinkTableRefusesMore)
{
    EditorState s;
    addBlocks(s, 2);
    s.blocks[0].spare = 7;
    s.resetTables();
    EXPECT_EQ(s.blockCount, 0);
    EXPECT_EQ(s.blocks[0].spare, 7);  // reused entries keep what a definition does not write

    s.linkCount = kLinkCapacity;
    EXPECT_FALSE(s.appendLink({1, 2}));
    EXPECT_EQ(s.linkCount, kLinkCapacity);
}

TEST(ConnectionCode, SplitsNegativeCodesWithoutSurprises)
{
    EXPECT_EQ(codeBlock(connectionCode(3, 2)), 3);
    EXPECT_EQ(codePort(connectionCode(3, 2)), Port::Bottom);
    EXPECT_EQ(codeBlock(-1), 0);
    EXPECT_EQ(portNumber(codePort(-1)), 255);
}

TEST(Paper, PageHeightRoundsHalfToEven)
{
    Paper p;
    applyPaperType(p, 1);
    EXPECT_EQ(p.pageHeight, 1433);
    applyPaperType(p, 0);
    EXPECT_EQ(p.pageHeight, 1537);
    applyPaperType(p, 7);  // unknown index keeps the sizes
    EXPECT_EQ(p.pageHeight, 1537);
    EXPECT_EQ(p.pageWidth, 1188);
}

} // namespace
} // namespace corvix
