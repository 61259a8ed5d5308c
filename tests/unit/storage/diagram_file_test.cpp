#include "model/ole_date.h"
#include "model/program_info.h"
#include "storage/diagram_checksum.h"
#include "editor/file_procedures.h"
#include "storage/diagram_file.h"
#include "support/diagram_samples.h"
#include "support/fake_ui.h"
#include "support/recording_session.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvix {
namespace {

// An open diagram with something in every place a load or save could touch.
void openSample(EditorState& state)
{
    replaceDiagram(state, sampleDiagram());
    state.blocks[size_t(state.blockCount)].text = "left over from an earlier drawing";
    state.links[size_t(state.linkCount)] = {5, 6};
    state.fileName = "/somewhere/open.fxg";
    state.modified = true;
    state.selection = Selection::ofBlock(2);
}

void expectSameDiagram(const EditorState& actual, const EditorState& expected, const std::string& name)
{
    EXPECT_EQ(actual.blockCount, expected.blockCount) << name;
    EXPECT_EQ(actual.linkCount, expected.linkCount) << name;
    EXPECT_TRUE(actual.blocks == expected.blocks) << name;
    EXPECT_TRUE(actual.links == expected.links) << name;
    EXPECT_TRUE(actual.header == expected.header) << name;
    EXPECT_EQ(actual.fileName, expected.fileName) << name;
    EXPECT_EQ(actual.modified, expected.modified) << name;
    EXPECT_EQ(actual.selectedBlock(), expected.selectedBlock()) << name;
}

TEST(DiagramFile, SaveThenLoadBringsBackTheDiagramAndItsView)
{
    TempFolder folder;
    const std::string path = folder.file("chart.fxg");
    EditorState saved;
    openSample(saved);
    FakeUi ui;

    ASSERT_TRUE(grava_arquivo(saved, ui, path, 24, 48));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(saved.header.scrollX, 24);
    EXPECT_EQ(saved.header.scrollY, 48);
    EXPECT_EQ(saved.header.saverTag, machineTag());
    EXPECT_NEAR(saved.header.savedAt, oleDateNow(), 1.0 / 24 / 60);
    EXPECT_EQ(saved.blocks[size_t(saved.blockCount)], Block{});  // saving empties unused entries
    EXPECT_TRUE(saved.modified);                                  // callers decide about modified

    const auto bytes = readBytes(path);
    EXPECT_EQ(bytes.size(), expectedFileSize(sampleDiagram()));
    EXPECT_EQ(size_t(longAt(bytes, bytes.size() - 4)), bytes.size());

    EditorState loaded;
    openSample(loaded);
    RecordingSession hooks{loaded};
    FakeUi loadUi;
    ASSERT_TRUE(carrega_arquivo(hooks, loadUi, path));
    EXPECT_TRUE(loadUi.messages.empty());
    EXPECT_TRUE(loaded.blocks == saved.blocks);
    EXPECT_TRUE(loaded.links == saved.links);
    EXPECT_EQ(loaded.header, saved.header);
    EXPECT_FALSE(loaded.modified);
    EXPECT_EQ(loaded.selectedBlock(), -1);
    EXPECT_EQ(loaded.fileName, "/somewhere/open.fxg");  // the caller names the drawing
    EXPECT_EQ(hooks.papers, std::vector<int32_t>{1});
    EXPECT_EQ(hooks.views, (std::vector<std::pair<int32_t, int32_t>>{{24, 48}}));
    EXPECT_EQ(hooks.replacedCalls, 1);
    EXPECT_EQ(hooks.cancelCalls, 0);
    EXPECT_EQ(loadUi.pointers, (std::vector<FakeUi::PointerChange>{{Pointer::Hourglass, BlockKind::None}, {Pointer::Default, BlockKind::None}}));
}

TEST(DiagramFile, LoadThenSaveKeepsEveryRecordByteAndSpareField)
{
    TempFolder folder;
    const DiagramData sample = sampleDiagram();
    const auto original = encodeSample(sample);
    writeBytes(folder.file("in.fxg"), original);

    EditorState state;
    FakeUi ui;
    RecordingSession hooks{state};
    ASSERT_TRUE(carrega_arquivo(hooks, ui, folder.file("in.fxg")));
    ASSERT_TRUE(grava_arquivo(state, ui, folder.file("out.fxg"), sample.header.scrollX, sample.header.scrollY));

    const auto rewritten = readBytes(folder.file("out.fxg"));
    ASSERT_EQ(rewritten.size(), original.size());
    EXPECT_TRUE(std::equal(original.begin() + 751, original.end(), rewritten.begin() + 751));

    // Only what a save stamps may differ in the header.
    DiagramHeader before = decodeHeader(original);
    const DiagramHeader after = decodeHeader(rewritten);
    before.savedAt = after.savedAt;
    before.saverTag = after.saverTag;
    storeCheckWords(before, storedCheckWords(after));
    EXPECT_EQ(before, after);
}

TEST(DiagramFile, RefusedFilesLeaveTheOpenDiagramAlone)
{
    TempFolder folder;
    struct Refusal {
        std::string name;
        std::string path;
        std::string message;
    };
    std::vector<Refusal> cases;
    for (const SampleFile& c : damagedFiles()) {
        const std::string path = folder.file(c.name + ".fxg");
        writeBytes(path, c.bytes);
        cases.push_back({c.name, path,
                         c.status == ReadStatus::Inconsistent ? "File with inconsistent data!"
                                                              : "File [" + path + "] has BAD DATA."});
    }
    // Not bad data: nothing could be read, and the system says why.
    const std::string missing = folder.file("missing.fxg");
    cases.push_back({"missing", missing, "Could not open file (" + missing + "): No such file or directory"});
    const std::string subfolder = folder.file("folder.fxg");
    std::filesystem::create_directory(subfolder);
    cases.push_back({"folder", subfolder, "Could not open file (" + subfolder + "): Is a directory"});

    for (const Refusal& c : cases) {
        EditorState state;
        openSample(state);
        const EditorState before = state;
        FakeUi ui;
        RecordingSession hooks{state};

        EXPECT_FALSE(carrega_arquivo(hooks, ui, c.path)) << c.name;

        expectSameDiagram(state, before, c.name);
        EXPECT_EQ(ui.messages, (std::vector<FakeUi::Message>{{c.message, MessageIcon::Critical}})) << c.name;
        EXPECT_EQ(hooks.cancelCalls, 1) << c.name;
        EXPECT_EQ(hooks.replacedCalls + hooks.papers.size() + hooks.views.size(), 0u) << c.name;
        EXPECT_EQ(ui.currentPointer(), Pointer::Default) << c.name;
    }
}

// The header keeps what the save stamped even when the save fails.
TEST(DiagramFile, AFailedSaveReportsAndKeepsTheStampedHeader)
{
    TempFolder folder;
    const std::string path = folder.file("no-such-folder/chart.fxg");
    EditorState state;
    openSample(state);
    state.header.saverTag = 0;
    FakeUi ui;

    EXPECT_FALSE(grava_arquivo(state, ui, path, 16, 32));
    EXPECT_EQ(ui.messages,
              (std::vector<FakeUi::Message>{{"Failed to save file (" + path + ")", MessageIcon::Critical}}));
    EXPECT_EQ(state.header.scrollX, 16);
    EXPECT_EQ(state.header.saverTag, machineTag());
    EXPECT_EQ(state.header.blockCount, state.blockCount);
}

TEST(DiagramFile, ATextTooLongForTheFileFailsTheSaveAndKeepsTheOldFile)
{
    TempFolder folder;
    const std::string path = folder.file("chart.fxg");
    const auto old = encodeSample(emptyDiagram());
    writeBytes(path, old);
    EditorState state;
    openSample(state);
    state.blocks[0].text.assign(size_t(kMaxTextBytes) + 1, 'x');
    FakeUi ui;

    EXPECT_FALSE(grava_arquivo(state, ui, path, 0, 0));
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(folder.entries(), std::set<std::string>{"chart.fxg"});
}

} // namespace
} // namespace corvix
