#include "editor/recovery.h"

#include "editor/file_procedures.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace corvix {

namespace {

std::filesystem::path fsPath(const std::string& path)
{
    return std::filesystem::u8path(path);
}

bool isRegularFile(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(fsPath(path), ec);
}

std::string besideFirst(const std::string& firstPath, int number)
{
    return fsPath(firstPath).replace_filename(recoveryFileName(number)).string();
}

void removeReadOnlyOrNot(const std::string& path)
{
    const std::filesystem::path file = fsPath(path);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return;
    std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ec);
    // A file that cannot be deleted is simply offered again at the next start.
    std::filesystem::remove(file, ec);
}

} // namespace

Recovery::Recovery(DocumentSession& session, MessagePort& ui, FileCommands& files, RecoveryLocks& locks)
    : session_(session)
    , ui_(ui)
    , files_(files)
    , locks_(locks)
    , schedule_(session.nowSeconds())
    , ownPath_(files.recoveryPath())
{
}

void Recovery::start()
{
    // Each file in use belongs to a running Corvix, so the search ends. A folder where
    // ownership cannot be kept leaves every Corvix the first file, as a single one has.
    for (int number = 1;; ++number) {
        std::string file = besideFirst(files_.recoveryPath(), number);
        if (locks_.claim(file) != RecoveryLocks::Claim::InUse) {
            ownPath_ = std::move(file);
            break;
        }
    }
    schedule_ = AutosaveSchedule(session_.nowSeconds());
    session_.setTickTail([this](double now) { autosaveStep(now); });
}

void Recovery::autosaveStep(double nowSeconds)
{
    if (!schedule_.isDue(nowSeconds))
        return;
    schedule_.attemptStarted();
    EditorState& state = session_.state();
    if (state.blockCount > 0) {
        const ViewPosition view = session_.viewPosition();
        grava_arquivo(state, ui_, path(), view.scrollX, view.scrollY);
    }
    // Counted from the end of the attempt: a failure message left open for a long time
    // must not bring the next attempt straight after it.
    schedule_.attemptFinished(session_.nowSeconds());
}

std::vector<std::string> Recovery::otherRecoveryFiles() const
{
    const std::filesystem::path own = fsPath(ownPath_);
    std::vector<std::pair<int, std::string>> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(own.parent_path(), ec)) {
        const int number = recoveryFileNumber(entry.path().filename().string());
        std::string file = entry.path().string();
        if (number > 0 && entry.path().filename() != own.filename() && isRegularFile(file))
            found.emplace_back(number, std::move(file));
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> files;
    for (auto& [number, file] : found)
        files.push_back(std::move(file));
    return files;
}

bool Recovery::offer(const std::string& file)
{
    if (!ui_.askYesNo({MessageId::RecoveryQuestion, {}}))
        return false;
    files_.openAtStart(file);
    return true;
}

bool Recovery::offerAtStart()
{
    if (isRegularFile(ownPath_) && offer(ownPath_))
        return true;
    for (const std::string& file : otherRecoveryFiles()) {
        if (locks_.claim(file) != RecoveryLocks::Claim::Owned)
            continue;
        takenOver_.push_back(file);
        if (offer(file))
            return true;
    }
    return false;
}

void Recovery::removeFile()
{
    const auto remove = [this](const std::string& file) {
        removeReadOnlyOrNot(file);
        locks_.release(file);
    };
    remove(ownPath_);
    for (const std::string& file : takenOver_)
        remove(file);
    takenOver_.clear();
}

} // namespace corvix
