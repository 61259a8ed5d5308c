#include "editor/recovery.h"

#include "editor_fixture.h"
#include "fake_file_window.h"
#include "editor/file_procedures.h"
#include "storage/diagram_codec.h"
#include "storage/diagram_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvix {
namespace {

// An editor whose clock the test sets, started at second 1000.
class RecoveryTest : public testing::EditorTest {
protected:
    RecoveryTest()
    {
        editor.setClock([this] { return now; });
        recovery.start();
    }

    void tickAt(double seconds)
    {
        now = seconds;
        editor.Timer1_Timer();
    }

    bool recoveryFileExists() const { return std::filesystem::exists(recoveryPath); }

    // A recovery file with two blocks, then an empty drawing as at start-up.
    void leaveRecoveryFile()
    {
        addBlock(BlockKind::Action, 200, 120);
        addBlock(BlockKind::Decision, 200, 320);
        ASSERT_TRUE(grava_arquivo(state, ui, recoveryPath, 0, 0));
        editor.limpa_desenho();
        editor.undoHistory().clear();
    }

    double now = 1000;
    TempFolder folder;
    std::string recoveryPath = folder.file("salvamento.sav");
    testing::FakeFileWindow window;
    FileCommands files{editor, ui, window, folder.file("history"), recoveryPath, "corvix"};
    Recovery recovery{editor, ui, files};
};

TEST_F(RecoveryTest, AutosaveWritesOnlyWithABlockAndOnlyAfterTheInterval)
{
    tickAt(1241);
    EXPECT_FALSE(recoveryFileExists()) << "no block, nothing written";

    addBlock(BlockKind::Action, 200, 120);
    tickAt(1481);
    EXPECT_FALSE(recoveryFileExists()) << "the empty check at 1241 moved the stamp";
    tickAt(1482);
    ASSERT_TRUE(recoveryFileExists());
    const ReadResult written = readDiagramFile(recoveryPath);
    ASSERT_EQ(written.status, ReadStatus::Ok);
    EXPECT_EQ(written.data.blocks.size(), 1u);

    // Written again at the next interval, also without a change.
    std::filesystem::remove(recoveryPath);
    tickAt(1722);
    EXPECT_FALSE(recoveryFileExists());
    tickAt(1723);
    EXPECT_TRUE(recoveryFileExists());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RecoveryTest, AutosaveLeavesTheDrawingsOwnFileAndStateAlone)
{
    addBlock(BlockKind::Action, 200, 120);
    state.fileName = folder.file("own.FXG");
    ASSERT_TRUE(state.modified);

    tickAt(1241);
    ASSERT_TRUE(recoveryFileExists());
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(state.fileName, folder.file("own.FXG"));
    EXPECT_FALSE(std::filesystem::exists(state.fileName));
    EXPECT_TRUE(window.captions.empty());
    EXPECT_EQ(window.recentShown, 0);
    EXPECT_FALSE(std::filesystem::exists(folder.file("history")));

    // Had the autosave counted as a save, undoing back to what it wrote would clear modified.
    addBlock(BlockKind::Action, 400, 120);
    ASSERT_TRUE(editor.undo());
    EXPECT_TRUE(state.modified);
}

TEST_F(RecoveryTest, TicksWhileTheFailureMessageIsOpenStartNoFurtherAttempt)
{
    FileCommands filesInAVanishedFolder{editor, ui, window, folder.file("history"),
                                        folder.file("vanished/salvamento.sav"), "corvix"};
    Recovery failing{editor, ui, filesInAVanishedFolder};
    failing.start();
    addBlock(BlockKind::Action, 200, 120);
    bool ticking = false;
    ui.onMessage = [&] {
        if (ticking)
            return;
        ticking = true;
        for (int i = 1; i <= 5; ++i)
            tickAt(1241 + 300 * i);  // the message stays open for 25 minutes
        ticking = false;
    };

    tickAt(1241);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], (FakeUi::Message{"Failed to save file (" + failing.path() + ")", MessageIcon::Critical}));

    // The next attempt counts from when the message closed.
    tickAt(now + 240);
    EXPECT_EQ(ui.messages.size(), 1u);
    tickAt(now + 1);
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(RecoveryTest, NoFileNoQuestion)
{
    EXPECT_FALSE(recovery.offerAtStart());
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(RecoveryTest, NoKeepsTheFileAndStartsAsUsual)
{
    leaveRecoveryFile();
    ui.answers = {false};

    EXPECT_FALSE(recovery.offerAtStart());
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0],
              "The last session was terminated abnormally.\r\n Do you want to load the last saved session?");
    EXPECT_EQ(state.blockCount, 0);
    EXPECT_TRUE(recoveryFileExists());
}

// Named after the recovery file, the drawing would be saved into it and lost when a
// close deletes it; it comes back as an unnamed, unsaved drawing instead.
TEST_F(RecoveryTest, YesLoadsTheFileAsAnUnnamedModifiedDrawing)
{
    leaveRecoveryFile();
    ui.answers = {true};

    EXPECT_TRUE(recovery.offerAtStart());
    EXPECT_EQ(state.blockCount, 2);
    EXPECT_EQ(state.fileName, "");
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(window.captions, std::vector<std::string>{"corvix v1.1.0 -- < New >"});
    EXPECT_EQ(window.recentShown, 0);
    EXPECT_FALSE(std::filesystem::exists(folder.file("history")));
    EXPECT_TRUE(recoveryFileExists());

    // Undoing back to the recovered drawing does not make it look saved.
    addBlock(BlockKind::Action, 400, 120);
    ASSERT_TRUE(editor.undo());
    EXPECT_TRUE(state.modified);
}

TEST_F(RecoveryTest, YesOnARefusedFileStartsEmptyAndUnnamed)
{
    const std::vector<uint8_t> junk(100, 0x55);
    writeBytes(recoveryPath, junk);
    ui.answers = {true};

    EXPECT_TRUE(recovery.offerAtStart());
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(state.blockCount, 0);
    EXPECT_EQ(state.fileName, "");
    EXPECT_EQ(window.captions, std::vector<std::string>{"corvix v1.1.0 -- < New >"});
}

TEST_F(RecoveryTest, RemoveFileDeletesAReadOnlyFileAndToleratesNone)
{
    leaveRecoveryFile();
    std::filesystem::permissions(recoveryPath, std::filesystem::perms::owner_read);
    recovery.removeFile();
    EXPECT_FALSE(recoveryFileExists());
    recovery.removeFile();
    EXPECT_FALSE(recoveryFileExists());
}

} // namespace
} // namespace corvix
