#include "editor/recovery.h"

#include "editor/file_procedures.h"

#include <filesystem>

namespace corvix {

namespace {

std::filesystem::path fsPath(const std::string& path)
{
    return std::filesystem::u8path(path);
}

} // namespace

Recovery::Recovery(DocumentSession& session, MessagePort& ui, FileCommands& files)
    : session_(session)
    , ui_(ui)
    , files_(files)
    , schedule_(session.nowSeconds())
{
}

void Recovery::start()
{
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

bool Recovery::offerAtStart()
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fsPath(path()), ec))
        return false;
    if (!ui_.askYesNo(std::string(kRecoveryQuestion)))
        return false;
    files_.openAtStart(path());
    return true;
}

void Recovery::removeFile()
{
    const std::filesystem::path file = fsPath(path());
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return;
    std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ec);
    // A file that cannot be deleted is simply offered again at the next start.
    std::filesystem::remove(file, ec);
}

} // namespace corvix
