// Saves that fail part way must cost nothing: each fault below gives the failure
// message, leaves the old file byte for byte and leaves no temporary file behind. Each
// save runs in a forked child, so that limits and lowered privileges stay there.

#include "editor/file_procedures.h"
#include "storage/diagram_file.h"
#include "support/diagram_samples.h"
#include "support/fake_ui.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace corvix {
namespace {

constexpr int kChildSkipped = 77;
constexpr uid_t kNobody = 65534;

enum ChildResult { SavedAnyway = 1, WrongMessage = 2 };

struct Fault {
    std::string name;
    // Builds the scene in the folder and returns the path to save to.
    std::function<std::string(TempFolder&)> prepare;
    // Runs in the child just before the save.
    std::function<bool()> inChild = [] { return true; };
};

// Permissions do not stop root, so a root test run saves as nobody.
bool dropRootPrivileges()
{
    if (::geteuid() != 0)
        return true;
    return ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
}

// Runs grava_arquivo in a child; its exit status says how it went.
int saveInChild(const std::string& path, const std::function<bool()>& inChild)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (!inChild())
            ::_exit(kChildSkipped);
        EditorState state;
        replaceDiagram(state, sampleDiagram());
        FakeUi ui;
        if (grava_arquivo(state, ui, path, 0, 0))
            ::_exit(SavedAnyway);
        const bool rightMessage = ui.messages
                                  == std::vector<FakeUi::Message>{{"Failed to save file (" + path + ")", MessageIcon::Critical}};
        ::_exit(rightMessage ? 0 : WrongMessage);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Every file under the folder with its contents.
std::map<std::string, std::vector<uint8_t>> snapshot(const TempFolder& folder)
{
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
        const std::string name = std::filesystem::relative(entry.path(), folder.path()).string();
        files[name] = entry.is_regular_file() ? readBytes(entry.path().string()) : std::vector<uint8_t>{};
    }
    return files;
}

TEST(SaveFaults, AFailedSaveLeavesTheOldFileAndNoTemporaryFile)
{
    const std::vector<uint8_t> old = encodeSample(emptyDiagram());
    const Fault faults[] = {
        {"write fails part way (file size limit)",
         [&](TempFolder& f) {
             writeBytes(f.file("chart.fxg"), old);
             return f.file("chart.fxg");
         },
         [] {
             std::signal(SIGXFSZ, SIG_IGN);
             const rlimit limit{1000, 1000};  // part way through the block records
             return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
         }},
        {"read-only folder",
         [&](TempFolder& f) {
             std::filesystem::create_directory(f.path() / "locked");
             writeBytes(f.file("locked/chart.fxg"), old);
             ::chmod(f.path().c_str(), 0755);
             ::chmod(f.file("locked").c_str(), 0555);
             return f.file("locked/chart.fxg");
         },
         dropRootPrivileges},
        {"folder vanished",
         [](TempFolder& f) {
             std::filesystem::create_directory(f.path() / "gone");
             std::filesystem::remove(f.path() / "gone");
             return f.file("gone/chart.fxg");
         }},
        {"target is a folder",
         [&](TempFolder& f) {
             std::filesystem::create_directory(f.path() / "chart.fxg");
             writeBytes(f.file("chart.fxg/inside"), old);
             return f.file("chart.fxg");
         }},
    };

    for (const Fault& fault : faults) {
        TempFolder folder;
        const std::string path = fault.prepare(folder);
        const auto before = snapshot(folder);

        const int result = saveInChild(path, fault.inChild);

        if (result == kChildSkipped) {
            ADD_FAILURE() << fault.name << ": the child could not set up the fault";
            continue;
        }
        EXPECT_EQ(result, 0) << fault.name << (result == SavedAnyway ? ": the save succeeded" : ": wrong message");
        EXPECT_EQ(snapshot(folder), before) << fault.name;
    }
}

} // namespace
} // namespace corvix
