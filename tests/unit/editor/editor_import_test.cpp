// Mermaid flowcharts into the editor: pasted into the open drawing, opened or dropped as a
// new one; both arranged by Arrange itself.
#include "editor/file_commands.h"
#include "editor_fixture.h"
#include "fake_file_window.h"

#include "layout/arrange.h"
#include "model/block_roles.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string_view>

namespace corvix {
namespace {

constexpr std::string_view kFlowchart = "flowchart LR\n"
                                        "  A[Start] --> B{Ready}\n"
                                        "  B -->|no| C[Wait] --> B\n"
                                        "  B -->|yes| D[Go]\n";

class Import : public testing::ThreeBlocks {
protected:
    Import()
    {
        editor.setArranger([](const EditorState& drawing, std::span<const int32_t> which) {
            return layout::arrangeBlocks(drawing, which);
        });
    }

    void pasteText(std::string_view text) { editor.paste({{}, std::string(text), std::string(text)}, std::nullopt); }

    std::string writeText(const std::string& name, std::string_view text)
    {
        const std::string path = folder.file(name);
        writeBytes(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
        return path;
    }

    bool onPage(const Block& b) const
    {
        return b.x > 0 && b.y > 0 && b.x < state.paper.pageWidth && b.y < state.paper.pageHeight && b.x % 8 == 0
               && b.y % 8 == 0;
    }

    TempFolder folder;
    testing::FakeFileWindow window;
    FileCommands files{editor, ui, window, folder.file("history"), folder.file("recovery.sav"), "corvix"};
};

TEST_F(Import, PastedFlowchartIsArrangedInFreeSpaceSelectedAndOneStep)
{
    const testing::Tables before = testing::snapshot(state);
    pasteText(kFlowchart);

    ASSERT_EQ(state.blockCount, 7);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(state.blocks[4].kind, BlockKind::Decision);
    EXPECT_EQ(state.blocks[4].text, "Ready?");
    EXPECT_EQ(state.blocks[5].text, "Wait");
    const DecisionExits exits = decisionExits(BlockKind::Decision);
    EXPECT_EQ(std::vector<Link>(state.links.begin(), state.links.begin() + state.linkCount),
              (std::vector<Link>{{connectionCode(3, Port::Bottom), connectionCode(4, Port::Top)},
                                 {connectionCode(4, exits.no), connectionCode(5, Port::Top)},
                                 {connectionCode(5, Port::Bottom), connectionCode(4, Port::Top)},
                                 {connectionCode(4, exits.yes), connectionCode(6, Port::Top)}}));
    // Measured, and laid out top-down off the blocks that were there.
    for (int32_t i = 3; i < 7; ++i) {
        const Block& b = state.blocks[size_t(i)];
        EXPECT_GT(b.width, 0);
        EXPECT_TRUE(onPage(b)) << i;
        for (int32_t old = 0; old < 3; ++old)
            EXPECT_FALSE(std::abs(b.x - state.blocks[size_t(old)].x) < 60 && std::abs(b.y - state.blocks[size_t(old)].y) < 40)
                << i << " on " << old;
    }
    EXPECT_LT(state.blocks[3].y, state.blocks[4].y);
    EXPECT_LT(state.blocks[4].y, state.blocks[6].y);
    EXPECT_EQ(editor.selection().blocks(), (std::vector<int32_t>{3, 4, 5, 6}));

    ASSERT_TRUE(editor.undo());
    EXPECT_EQ(testing::snapshot(state), before);
}

TEST_F(Import, PastedFlowchartWithErrorsListsThemAndAddsNothing)
{
    const testing::Tables before = testing::snapshot(state);
    pasteText("flowchart TD\nA --> A\nB -->");
    EXPECT_EQ(testing::snapshot(state), before);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "clipboard:3:6: error: expected a node, found the end of the text");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Critical);

    // Text that does not begin as a flowchart pastes as a block of text, as before.
    pasteText("A --> B");
    ASSERT_EQ(state.blockCount, 4);
    EXPECT_EQ(state.blocks[3].text, "A --> B");
}

TEST_F(Import, OpenedFlowchartIsUnsavedWorkWithoutAName)
{
    const std::string text = std::string(kFlowchart) + "  D -->|done| E[End]\n";
    window.openAnswer = writeText("flow.mmd", text);
    const int recentBefore = window.recentShown;
    state.modified = false;

    files.mload_Click();

    ASSERT_EQ(state.blockCount, 5);
    EXPECT_EQ(state.linkCount, 5);
    EXPECT_TRUE(state.fileName.empty());
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(window.captions.back(), "corvix v1.1.0 -- < New >");
    EXPECT_EQ(window.recentShown, recentBefore);
    EXPECT_FALSE(editor.canUndo());
    EXPECT_TRUE(ui.menusEnabled());
    for (int32_t i = 0; i < 5; ++i)
        EXPECT_TRUE(onPage(state.blocks[size_t(i)])) << i;
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, window.openAnswer + ":5:9: warning: the label \"done\" is dropped: only a decision's exits are labelled");

    // No step back reaches a saved state: the drawing stays unsaved work.
    addBlock(BlockKind::Action, 600, 600);
    editor.undo();
    EXPECT_TRUE(state.modified);
}

TEST_F(Import, FlowchartWithErrorsIsNotOpenedAndItsFirstTwentyLinesAreListed)
{
    std::string text = "flowchart TD\n";
    for (int i = 0; i < 25; ++i)
        text += "A-->B C\n";
    window.openAnswer = writeText("bad.mermaid", text);
    const testing::Tables before = testing::snapshot(state);

    files.mload_Click();

    EXPECT_EQ(testing::snapshot(state), before);
    ASSERT_EQ(ui.messages.size(), 1u);
    const std::string& message = ui.messages[0].text;
    EXPECT_TRUE(message.starts_with(window.openAnswer + ":2:7: error: expected the end of the statement, found 'C'\n"));
    EXPECT_TRUE(message.ends_with(window.openAnswer + ":21:7: error: expected the end of the statement, found 'C'\n(5 more)"));
    EXPECT_TRUE(ui.menusEnabled());
}

TEST_F(Import, DroppedFlowchartOpens)
{
    const std::string path = writeText("flow.MMD", kFlowchart);
    EXPECT_TRUE(FileCommands::acceptsDrop({path}));
    EXPECT_TRUE(FileCommands::acceptsDrop({"x.mermaid"}));
    EXPECT_FALSE(FileCommands::acceptsDrop({"x.mmd2"}));
    state.modified = false;

    files.Diagrama_OLEDragDrop({path});

    EXPECT_EQ(state.blockCount, 4);
    EXPECT_TRUE(state.fileName.empty());
}

TEST_F(Import, RefusalOfArrangeAddsNothing)
{
    editor.setArranger([](const EditorState&, std::span<const int32_t>) {
        return layout::Arrangement{false, {}, {MessageId::TooLargeToArrange, {}}};
    });
    const testing::Tables before = testing::snapshot(state);
    pasteText(kFlowchart);
    EXPECT_EQ(testing::snapshot(state), before);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "The drawing is too large to arrange on one page.");
}

} // namespace
} // namespace corvix
