#include "editor/file_commands.h"
#include "editor_fixture.h"
#include "fake_file_window.h"

#include "editor/file_procedures.h"
#include "storage/diagram_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvix {
namespace {

class Load : public testing::ThreeBlocks {
protected:
    Load()
    {
        connect(kActionBottom, kLowerTop);
        editor.mtippapel_Click(1);
        editor.viewport().setValue(ScrollAxis::Horizontal, 100);
        editor.viewport().setValue(ScrollAxis::Vertical, 200);
        saved = testing::snapshot(state);
        EXPECT_TRUE(grava_arquivo(state, ui, path, 100, 200));
    }

    TempFolder folder;
    std::string path = folder.file("drawing.FXG");
    testing::Tables saved;
};

TEST_F(Load, RestoresPaperAndViewAndStartsAFreshHistory)
{
    editor.limpa_desenho();
    editor.mtippapel_Click(0);
    addBlock(BlockKind::Action, 100, 100);
    press(100, 127);  // its bottom port: an operation under way
    ASSERT_EQ(state.editMode, EditMode::Connecting);

    ASSERT_TRUE(carrega_arquivo(editor, ui, path));

    EXPECT_EQ(state.blockCount, saved.blockCount);
    EXPECT_EQ(state.linkCount, saved.linkCount);
    EXPECT_EQ(ui.paperChecked, 1);
    EXPECT_EQ(state.paper.pageHeight, 1433);
    EXPECT_EQ(editor.viewport().viewOffsetX(), 100);
    EXPECT_EQ(editor.viewport().viewOffsetY(), 200);
    EXPECT_FALSE(state.modified);
    EXPECT_FALSE(editor.canUndo());
    EXPECT_FALSE(editor.canRedo());
    EXPECT_EQ(state.editMode, EditMode::Idle);
    EXPECT_EQ(state.selectedBlock, -1);
    EXPECT_TRUE(ui.menusEnabled());

    addBlock(BlockKind::Action, 600, 600);
    editor.undo();
    EXPECT_FALSE(state.modified);  // back to the loaded drawing
}

// The last repaint of an Open names the file in the page's header.
TEST_F(Load, OpenedFilesNameIsInThePagesHeaderAtOnce)
{
    testing::FakeFileWindow window;
    window.openAnswer = path;
    FileCommands files{editor, ui, window, folder.file("history"), folder.file("recovery.sav"), "corvix"};
    editor.limpa_desenho();
    state.modified = false;
    canvas.ops.clear();

    files.mload_Click();

    ASSERT_EQ(state.fileName, path);
    std::string lastHeader;
    for (const testing::RecordedOp& op : canvas.ops)
        if (op.op == testing::Op::Print && (op.text.starts_with("File: ") || op.text.starts_with("<--- NEW")))
            lastHeader = op.text;
    EXPECT_EQ(lastHeader, "File: " + path);
}

TEST_F(Load, StoredViewBeyondTheBarsIsCapped)
{
    EXPECT_TRUE(grava_arquivo(state, ui, path, 5000, 30000));
    editor.Form_Resize(700, 500, false);
    ASSERT_TRUE(carrega_arquivo(editor, ui, path));
    EXPECT_EQ(editor.viewport().viewOffsetX(), editor.viewport().hScroll().maximum);
    EXPECT_EQ(editor.viewport().viewOffsetY(), editor.viewport().vScroll().maximum);
}

TEST_F(Load, RefusedFileKeepsTheDrawingAndItsHistory)
{
    const std::string bad = folder.file("bad.FXG");
    const uint8_t junk[] = {1, 2, 3};
    writeBytes(bad, junk);
    press(kActionTop.x, kActionTop.y);
    const testing::Tables before = testing::snapshot(state);

    EXPECT_FALSE(carrega_arquivo(editor, ui, bad));

    EXPECT_EQ(testing::snapshot(state), before);
    EXPECT_EQ(state.editMode, EditMode::Idle);
    EXPECT_TRUE(ui.menusEnabled());
    EXPECT_TRUE(editor.canUndo());
}

// The refused load ended the selection; the canvas must not go on showing it.
TEST_F(Load, RefusedOpenOrDropRepaintsWithoutTheSelection)
{
    const std::string bad = folder.file("bad.FXG");
    const uint8_t junk[] = {1, 2, 3};
    writeBytes(bad, junk);
    testing::FakeFileWindow window;
    window.openAnswer = bad;
    FileCommands files{editor, ui, window, folder.file("history"), folder.file("recovery.sav"), "corvix"};
    state.modified = false;
    const struct {
        const char* name;
        std::function<void()> load;
    } routes[] = {
        {"open", [&] { files.mload_Click(); }},
        {"drop", [&] { files.Diagrama_OLEDragDrop({bad}); }},
    };
    for (const auto& route : routes) {
        press(400, 200);
        ASSERT_EQ(state.selectedBlock, 0) << route.name;
        canvas.ops.clear();
        const size_t messages = ui.messages.size();

        route.load();

        EXPECT_EQ(ui.messages.size(), messages + 1) << route.name;
        EXPECT_EQ(state.selectedBlock, -1) << route.name;
        const std::vector<testing::RecordedOp> shown = canvas.ops;
        canvas.ops.clear();
        editor.repaint();
        EXPECT_EQ(shown, canvas.ops) << route.name;
    }
}

} // namespace
} // namespace corvix
