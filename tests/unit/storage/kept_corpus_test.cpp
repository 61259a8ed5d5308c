// The files kept for the fuzzer (seeds named ok-*, inconsistent-*, damaged-*, and every
// input that once crashed it) opened as the editor opens them.

#include "editor/file_procedures.h"
#include "storage/diagram_file.h"
#include "support/diagram_samples.h"
#include "support/fake_ui.h"
#include "support/recording_session.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvix {
namespace {

std::vector<std::filesystem::path> filesIn(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".md")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

ReadStatus statusNamedBy(const std::filesystem::path& file)
{
    const std::string name = file.filename().string();
    if (name.starts_with("ok-"))
        return ReadStatus::Ok;
    if (name.starts_with("inconsistent-"))
        return ReadStatus::Inconsistent;
    return ReadStatus::Damaged;
}

TEST(KeptCorpus, EachFileOpensAsItsNameSaysAndARefusalKeepsTheDiagram)
{
    const std::filesystem::path data = CORVIX_TEST_DATA_DIR;
    auto files = filesIn(data / "fuzz-corpus");
    ASSERT_GE(files.size(), validFiles().size() + damagedFiles().size());
    for (const auto& crash : filesIn(data / "fuzz-crashes"))
        files.push_back(crash);

    for (const auto& file : files) {
        EditorState state;
        replaceDiagram(state, sampleDiagram());
        FakeUi ui;
        RecordingSession session{state};
        const ReadStatus expected = statusNamedBy(file);

        const bool loaded = carrega_arquivo(session, ui, file.string());

        EXPECT_EQ(loaded, expected == ReadStatus::Ok) << file;
        if (loaded)
            continue;
        ReadResult refusal;
        refusal.status = expected;
        EXPECT_EQ(ui.messages, (std::vector<FakeUi::Message>{{englishText(loadFailureMessage(refusal, file.string())),
                                                              MessageIcon::Critical}}))
            << file;
        EXPECT_EQ(state.blockCount, int32_t(sampleDiagram().blocks.size())) << file;
        EXPECT_EQ(state.blocks[0], sampleDiagram().blocks[0]) << file;
    }
}

} // namespace
} // namespace corvix
