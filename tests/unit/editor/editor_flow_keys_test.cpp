#include "editor_fixture.h"

#include "checks/flowchart_checks.h"
#include "editor/block_words.h"
#include "editor/free_place.h"
#include "render/shape_extent.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace corvix {
namespace {

using testing::EditorTest;
using testing::snapshot;

// A link as the user reads it: from block (0-based) through port to block.
using FlowLink = std::tuple<int32_t, Port, int32_t>;

class FlowKeysTest : public EditorTest {
protected:
    // One insertion from the keys: the exit, the kind (the panel's button), the text, OK.
    void insertFromKeys(FlowSide side, int16_t kindButton, const std::string& text)
    {
        const size_t dialogs = ui.textDialogs.size();
        editor.flowKeys().followExit(side);
        ASSERT_TRUE(editor.kindPanelVisible());
        editor.SelBloco_Click(kindButton);
        ASSERT_FALSE(editor.kindPanelVisible());
        ASSERT_EQ(ui.textDialogs.size(), dialogs + 1);
        editor.textDialogOk(text);
        editor.textDialogClosed();
    }

    // The factorial chart, key by key from a new drawing, as a user without a mouse types it.
    void buildFactorial()
    {
        insertFromKeys(FlowSide::Down, 0, "Start");
        insertFromKeys(FlowSide::Down, 0, "read n");
        insertFromKeys(FlowSide::Down, 0, "f = 1; i = 1");
        insertFromKeys(FlowSide::Down, 1, "i <= n");
        insertFromKeys(FlowSide::Left, 0, "f = f * i");
        insertFromKeys(FlowSide::Down, 0, "i = i + 1");
        ASSERT_TRUE(editor.flowKeys().startLinkByText());
        editor.flowKeys().linkToBlockWithText("i <=");
        editor.flowKeys().followEntry();
        editor.flowKeys().followEntry();
        insertFromKeys(FlowSide::Right, 0, "print f");
        insertFromKeys(FlowSide::Down, 0, "End");
    }

    std::vector<FlowLink> flowLinks() const
    {
        std::vector<FlowLink> out;
        for (int32_t k = 0; k < state.linkCount; ++k) {
            const Link& l = state.links[size_t(k)];
            EXPECT_EQ(codePort(l.target), Port::Top);
            out.emplace_back(codeBlock(l.source), codePort(l.source), codeBlock(l.target));
        }
        return out;
    }

    // Every two blocks' drawings lie more than the clearance apart.
    void expectAllClear() const
    {
        for (int32_t a = 0; a < state.blockCount; ++a) {
            for (int32_t b = a + 1; b < state.blockCount; ++b) {
                const Extent ea = *blockShapeExtent(state.blocks[size_t(a)]);
                const Extent eb = *blockShapeExtent(state.blocks[size_t(b)]);
                const bool apart = ea.right + kFreePlaceClearance < eb.left || eb.right + kFreePlaceClearance < ea.left
                                   || ea.bottom + kFreePlaceClearance < eb.top
                                   || eb.bottom + kFreePlaceClearance < ea.top;
                EXPECT_TRUE(apart) << "blocks " << a << " and " << b;
            }
        }
    }

    int32_t add(BlockKind kind, const std::string& text, int32_t x, int32_t y)
    {
        const int32_t index = state.blockCount;
        EXPECT_TRUE(editor.commands().insere_bloco(kind, text, x, y));
        return index;
    }

    void link(int32_t from, Port exit, int32_t to)
    {
        state.links[size_t(state.linkCount++)] = {connectionCode(from, exit), connectionCode(to, Port::Top)};
    }

    std::string lastMessage() const { return ui.messages.empty() ? std::string() : ui.messages.back().text; }
};

TEST_F(FlowKeysTest, TheFactorialChartFromTheKeysAlone)
{
    buildFactorial();

    const std::vector<std::pair<BlockKind, std::string>> expected = {
        {BlockKind::Action, "Start"},        {BlockKind::Action, "read n"},    {BlockKind::Action, "f = 1; i = 1"},
        {BlockKind::Decision, "i <= n?"},    {BlockKind::Action, "f = f * i"}, {BlockKind::Action, "i = i + 1"},
        {BlockKind::Action, "print f"},      {BlockKind::Action, "End"},
    };
    ASSERT_EQ(state.blockCount, int32_t(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(state.blocks[i].kind, expected[i].first) << i;
        EXPECT_EQ(state.blocks[i].text, expected[i].second) << i;
    }
    // The decision's Yes (left) runs the loop that comes back to it; No (right) ends it.
    EXPECT_EQ(flowLinks(), (std::vector<FlowLink>{{0, Port::Bottom, 1}, {1, Port::Bottom, 2}, {2, Port::Bottom, 3},
                                                  {3, Port::Left, 4}, {4, Port::Bottom, 5}, {5, Port::Bottom, 3},
                                                  {3, Port::Right, 6}, {6, Port::Bottom, 7}}));
    // Nothing overlaps, nothing is off the page, nothing is left to fix.
    EXPECT_EQ(checkFlowchart(state), std::vector<Problem>{});
    expectAllClear();
    EXPECT_EQ(state.selectedBlock, 7);
    // Each insertion with its link and its text is one step, the link by its text another.
    EXPECT_EQ(editor.undoHistory().undoSteps(), 9u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FlowKeysTest, TheScreenReaderHearsEachBlockAndWhereItsExitsGo)
{
    buildFactorial();
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Action 1: Start", "Next: block 2"},
        {"Action 2: read n", "Next: block 3; Entered from block 1"},
        {"Action 3: f = 1; i = 1", "Next: block 4; Entered from block 2"},
        {"Decision 4: i <= n?", "Yes: block 5; No: block 7; Entered from blocks 3, 6"},
        {"Action 5: f = f * i", "Next: block 6; Entered from block 4"},
        {"Action 6: i = i + 1", "Next: block 4; Entered from block 5"},
        {"Action 7: print f", "Next: block 8; Entered from block 4"},
        {"Action 8: End", "Next: no link; Entered from block 7"},
    };
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(blockSpokenName(state, int32_t(i)), expected[i].first);
        EXPECT_EQ(blockSpokenDescription(state, int32_t(i)), expected[i].second);
    }
}

TEST_F(FlowKeysTest, SpokenWordsOfEveryKind)
{
    const int32_t jump = add(BlockKind::GotoJump, "loop", 100, 100);
    const int32_t target = add(BlockKind::GotoTarget, "LOOP", 300, 100);
    const int32_t second = add(BlockKind::GotoJump, " loop", 500, 100);
    const int32_t swapped = add(BlockKind::DecisionSwapped, "two\r\nlines", 100, 300);
    const int32_t note = add(BlockKind::Explanation, "a note", 300, 300);
    const int32_t lone = add(BlockKind::GotoJump, "nowhere", 500, 300);
    const int32_t unused = add(BlockKind::GotoTarget, "alone", 700, 300);
    link(target, Port::Bottom, swapped);
    link(swapped, Port::Right, jump);  // Yes is on the right once swapped

    const std::vector<std::tuple<int32_t, std::string, std::string>> cases = {
        {jump, "Goto jump 1: loop", "Target: block 2; Entered from block 4"},
        {target, "Goto target 2: LOOP", "Next: block 4; Jumps from blocks 1, 3"},
        {second, "Goto jump 3: loop", "Target: block 2"},
        {swapped, "Decision 4: two lines?", "Yes: block 1; No: no link; Entered from block 2"},
        {note, "Explanation 5: a note", ""},
        {lone, "Goto jump 6: nowhere", "Target: none"},
        {unused, "Goto target 7: alone", "Next: no link; Jumps from no block"},
    };
    for (const auto& [index, name, description] : cases) {
        EXPECT_EQ(blockSpokenName(state, index), name);
        EXPECT_EQ(blockSpokenDescription(state, index), description) << name;
    }
    EXPECT_EQ(blockSpokenName(state, state.blockCount), "");
}

// An action's bottom exit, a decision's two exits, and an action with a block right
// under its exit: each new block goes under its exit, or as near as it is clear.
TEST_F(FlowKeysTest, ANewBlockGoesUnderItsExitAtTheNearestFreePlace)
{
    const int32_t action = add(BlockKind::Action, "act", 200, 200);
    const int32_t decision = add(BlockKind::Decision, "ok", 600, 200);
    const int32_t crowded = add(BlockKind::Action, "up", 400, 600);
    add(BlockKind::Action, "in the way", 400, 680);

    struct Case {
        int32_t from;
        FlowSide side;
        int32_t wantedX;  // the exit's x
    };
    const Block& d = state.blocks[size_t(decision)];
    for (const Case& c : {Case{action, FlowSide::Down, 200}, Case{decision, FlowSide::Left, d.x - d.portDx},
                          Case{decision, FlowSide::Right, d.x + d.portDx}, Case{crowded, FlowSide::Down, 400}}) {
        editor.selectBlock(c.from);
        const Block source = state.blocks[size_t(c.from)];
        insertFromKeys(c.side, 0, "new");
        const int32_t added = state.blockCount - 1;
        const Block& b = state.blocks[size_t(added)];
        EXPECT_EQ(flowLinks().back(), FlowLink(c.from, *exitOnSide(source.kind, c.side), added));
        EXPECT_GT(b.y + b.portDy, blockShapeExtent(source)->bottom + kFreePlaceClearance);
        if (c.from != crowded) {
            EXPECT_EQ(b.x, snapToGrid(c.wantedX));
        }
        EXPECT_EQ(state.selectedBlock, added);
    }
    expectAllClear();
}

TEST_F(FlowKeysTest, TheFirstBlockGoesAtTheTopOfTheViewAndALongTextMovesItClear)
{
    editor.viewport().setValue(ScrollAxis::Horizontal, 200);
    editor.viewport().setValue(ScrollAxis::Vertical, 300);
    editor.flowKeys().followEntry();  // nothing to go to yet
    editor.flowKeys().followExit(FlowSide::Left);
    EXPECT_FALSE(editor.kindPanelVisible());
    insertFromKeys(FlowSide::Down, 1, "first");
    const Block& first = state.blocks[0];
    EXPECT_EQ(first.kind, BlockKind::Decision);
    const Extent shape = *blockShapeExtent(first);
    EXPECT_GE(shape.top, 300 + kFlowGap);
    EXPECT_LT(shape.top, 300 + kFlowGap + 8);
    EXPECT_EQ(first.x, 200 + 688 / 2);

    // A block right under a short one: the next one's long text would reach it, so the
    // block moves clear when the text is set, in the same step.
    add(BlockKind::Action, "x", first.x + 80, first.y + 120);
    editor.selectBlock(0);
    insertFromKeys(FlowSide::Left, 0, "a text long enough to reach across the sheet");
    expectAllClear();
}

TEST_F(FlowKeysTest, TheBlockItsLinkAndItsTextAreOneStepAndEscOrCancelEndIt)
{
    const int32_t start = add(BlockKind::Action, "start", 300, 200);
    editor.selectBlock(start);
    const auto before = snapshot(state);
    const size_t steps = editor.undoHistory().undoSteps();

    // Esc in the kind panel: nothing is inserted and the block stays selected.
    editor.flowKeys().followExit(FlowSide::Down);
    EXPECT_FALSE(editor.canUndo());
    editor.Form_KeyPress(keys::Esc);
    EXPECT_FALSE(editor.kindPanelVisible());
    EXPECT_EQ(snapshot(state), before);
    EXPECT_EQ(state.selectedBlock, start);
    EXPECT_TRUE(ui.menusEnabled());

    insertFromKeys(FlowSide::Down, 0, "next");
    EXPECT_EQ(editor.undoHistory().undoSteps(), steps + 1);
    const auto after = snapshot(state);
    ASSERT_TRUE(editor.undo());
    EXPECT_EQ(snapshot(state), before);
    ASSERT_TRUE(editor.redo());
    EXPECT_EQ(snapshot(state), after);
    EXPECT_EQ(state.blocks[1].text, "next");

    // Cancel in the text dialog keeps the block and its link with the text insertion gives.
    editor.selectBlock(1);
    editor.flowKeys().followExit(FlowSide::Down);
    editor.SelBloco_Click(2);
    editor.textDialogClosed();
    EXPECT_EQ(state.blockCount, 3);
    EXPECT_EQ(state.blocks[2].kind, BlockKind::GotoJump);
    EXPECT_EQ(state.blocks[2].text, "== 2 ==");
    EXPECT_EQ(state.selectedBlock, 2);
    EXPECT_EQ(editor.undoHistory().undoSteps(), steps + 2);
}

TEST_F(FlowKeysTest, NoRoomUnderTheExitIsRefusedWithAMessage)
{
    const int32_t low = add(BlockKind::Action, "low", 300, state.paper.pageHeight - 60);
    editor.selectBlock(low);
    const auto before = snapshot(state);
    editor.flowKeys().followExit(FlowSide::Down);
    editor.SelBloco_Click(0);
    EXPECT_EQ(lastMessage(), "There is no free place on the page for a new block there.");
    EXPECT_EQ(snapshot(state), before);
    EXPECT_EQ(state.selectedBlock, low);
    EXPECT_TRUE(ui.textDialogs.empty());
}

TEST_F(FlowKeysTest, FollowingLinksFromTheExitsAndUpTheEntries)
{
    // 0 -> 1 (decision); Yes -> 2, No -> 3; 2 and 3 -> 4; far down so that it must scroll.
    const int32_t top = add(BlockKind::Action, "top", 300, 100);
    const int32_t ask = add(BlockKind::Decision, "ask", 300, 200);
    const int32_t yes = add(BlockKind::Action, "yes", 150, 300);
    const int32_t no = add(BlockKind::Action, "no", 450, 300);
    const int32_t end = add(BlockKind::Action, "end", 300, 1300);
    add(BlockKind::Explanation, "note", 800, 100);
    link(top, Port::Bottom, ask);
    link(ask, Port::Left, yes);
    link(ask, Port::Right, no);
    link(yes, Port::Bottom, end);
    link(no, Port::Bottom, end);
    const auto before = snapshot(state);

    editor.flowKeys().followExit(FlowSide::Right);  // nothing selected: the start
    EXPECT_EQ(state.selectedBlock, top);
    editor.flowKeys().followExit(FlowSide::Left);  // an action has no left exit
    EXPECT_EQ(state.selectedBlock, top);
    EXPECT_FALSE(editor.kindPanelVisible());
    editor.flowKeys().followExit(FlowSide::Down);
    EXPECT_EQ(state.selectedBlock, ask);
    editor.flowKeys().followExit(FlowSide::Right);
    EXPECT_EQ(state.selectedBlock, no);
    editor.flowKeys().followExit(FlowSide::Down);
    EXPECT_EQ(state.selectedBlock, end);
    EXPECT_GT(editor.viewport().viewOffsetY(), 0);

    // Up: the entering blocks in turn, then on up the flow from the last of them.
    for (const int32_t expected : {yes, no, ask, top}) {
        editor.flowKeys().followEntry();
        EXPECT_EQ(state.selectedBlock, expected);
    }
    editor.flowKeys().followEntry();  // the start: nothing enters it
    EXPECT_EQ(state.selectedBlock, top);
    EXPECT_LT(editor.viewport().viewOffsetY(), 100);
    EXPECT_EQ(snapshot(state), before);
}

TEST_F(FlowKeysTest, LinkingByTextKeepsTheRulesAndTheSelection)
{
    const int32_t ask = add(BlockKind::Decision, "Ask", 300, 100);
    add(BlockKind::GotoTarget, "again", 100, 300);
    const int32_t act = add(BlockKind::Action, "ask again", 300, 300);
    const int32_t note = add(BlockKind::Explanation, "note", 500, 300);

    struct Case {
        int32_t selected;  // -1 = none
        const char* text;
        const char* message;  // "" = linked
    };
    const Case cases[] = {
        {-1, "ask", "Select the block to link from first."},
        {note, "ask", "The selected block has no free exit."},
        {ask, "none such", "No block contains 'none such'."},
        {ask, "ASK?", "You can NOT connect a block to itself!"},  // the search goes round to it
        {act, "again", "This link is not valid!"},                // after "ask again": the goto target
        {ask, "ask ag", ""},                                       // from Yes first
        {ask, "ask ag", ""},                                       // then No
        {ask, "ask", "The selected block has no free exit."},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        if (c.selected < 0)
            editor.cancelOperation();
        else
            editor.selectBlock(c.selected);
        editor.flowKeys().linkToBlockWithText(c.text);
        EXPECT_EQ(lastMessage(), c.message) << c.text;
        EXPECT_EQ(state.selectedBlock, c.selected) << c.text;
    }
    EXPECT_EQ(flowLinks(), (std::vector<FlowLink>{{ask, Port::Left, act}, {ask, Port::Right, act}}));
}

TEST_F(FlowKeysTest, ReturnOpensTheTextDialogAndTheBlockStaysSelected)
{
    const int32_t b = add(BlockKind::Action, "text", 300, 300);
    int16_t key = keys::Return;
    editor.Form_KeyDown(key, kNoModifiers);  // nothing selected
    EXPECT_TRUE(ui.textDialogs.empty());
    editor.selectBlock(b);
    editor.Form_KeyDown(key, kNoModifiers);
    EXPECT_EQ(ui.textDialogs, std::vector<std::string>{"text"});
    editor.textDialogOk("changed");
    editor.textDialogClosed();
    EXPECT_EQ(state.blocks[0].text, "changed");
    EXPECT_EQ(state.selectedBlock, b);

    // A double-click still leaves nothing selected.
    press(300, 300);
    editor.Diagrama_DblClick();
    editor.textDialogClosed();
    EXPECT_EQ(state.selectedBlock, -1);
}

} // namespace
} // namespace corvix
