#include "model/editor_state.h"
#include "model/paper.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
    EXPECT_EQ(s.selectedBlock(), -1);
}

// Removing a block closes the gap in the block table, drops the block's links and
// renumbers the links to the blocks above it; removing a link keeps the others' order.
struct RemovalCase {
    const char* name;
    int blocks;
    std::vector<Link> links;
    int32_t removedBlock;  // -1: the link removedLink goes instead
    int32_t removedLink;
    std::vector<Link> expected;
};

Link link(int32_t from, int32_t to)
{
    return {connectionCode(from, Port::Bottom), connectionCode(to, Port::Top)};
}

class Removal : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(Removal, ClosesTheGapAndRenumbersTheLinks)
{
    const RemovalCase& c = GetParam();
    EditorState s;
    addBlocks(s, c.blocks);
    for (const Link& l : c.links)
        s.appendLink(l);

    if (c.removedBlock >= 0)
        s.removeBlock(c.removedBlock);
    else
        s.removeLink(c.removedLink);

    const int removedBlocks = c.removedBlock >= 0 ? 1 : 0;
    ASSERT_EQ(s.blockCount, c.blocks - removedBlocks);
    for (int32_t i = 0; i < s.blockCount; ++i) {
        const int32_t original = c.removedBlock >= 0 && i >= c.removedBlock ? i + 1 : i;
        EXPECT_EQ(s.blocks[size_t(i)].text, "b" + std::to_string(original));
    }
    EXPECT_EQ(std::vector<Link>(s.links.begin(), s.links.begin() + s.linkCount), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    EditorState, Removal,
    ::testing::Values(
        RemovalCase{"FirstOfAChain", 3, {link(0, 1), link(1, 2)}, 0, -1, {link(0, 1)}},
        RemovalCase{"UnlinkedBlockRenumbersOnlyLinksAboveIt", 4, {link(2, 3), link(0, 3)}, 1, -1,
                    {link(1, 2), link(0, 2)}},
        RemovalCase{"LastBlockChangesNoOtherLink", 3, {link(0, 1), link(1, 2)}, 2, -1, {link(0, 1)}},
        RemovalCase{"LinkKeepsTheOrderOfTheOthers", 5, {link(0, 1), link(1, 2), link(2, 3), link(3, 4)}, -1, 1,
                    {link(0, 1), link(2, 3), link(3, 4)}}),
    testing::CaseName());

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

TEST(Paper, ExportedPageIsTheNamedPaperWithTheSheetFittedAndCentred)
{
    Paper letterSheet;
    applyPaperType(letterSheet, 1);
    const struct {
        const char* name;
        PaperPoints page;
        int32_t sheetHeight;
        SheetOnPage expected;
    } cases[] = {
        // A4, 210 x 297 mm: the sheet spans the width and stands in the middle of the height.
        {"A4", namedPaper(0, letterSheet), 1537, {595.2756 / 1188, 0, (841.8898 - 1537 * 595.2756 / 1188) / 2}},
        {"Letter", namedPaper(1, letterSheet), 1433, {612.0 / 1188, 0, (792 - 1433 * 612.0 / 1188) / 2}},
        // A damaged file's paper type keeps the paper's own inches (here 8.5 x 10.25), which
        // the rounded sheet height overfills by a fraction: it fits the height instead.
        {"unknown type", namedPaper(7, letterSheet), 1433, {738.0 / 1433, (612 - 1188 * 738.0 / 1433) / 2, 0}},
        {"a page too low for the sheet", {2376, 1537}, 1537, {1, 594, 0}},
    };
    for (const auto& c : cases) {
        const SheetOnPage fit = fitSheet(c.page, 1188, c.sheetHeight);
        EXPECT_NEAR(fit.scale, c.expected.scale, 1e-6) << c.name;
        EXPECT_NEAR(fit.left, c.expected.left, 1e-3) << c.name;
        EXPECT_NEAR(fit.top, c.expected.top, 1e-3) << c.name;
    }
}

} // namespace
} // namespace corvix
