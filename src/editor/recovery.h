#pragma once
// The recovery file: the timer writes the open drawing into it every few minutes, a real
// close of the editor window deletes it, and the next start offers what a run that ended
// without closing its window left behind. Each Corvix running at once has a file of its
// own, so a later one neither offers nor deletes the file a running one relies on.

#include "editor/document_session.h"
#include "editor/file_commands.h"
#include "storage/autosave.h"

#include <string>
#include <vector>

namespace corvix {

// Who owns a recovery file: a running Corvix owns the files it writes or took over from a
// Corvix that ended without closing its window, until it gives them up or ends.
class RecoveryLocks {
public:
    enum class Claim {
        Owned,  // this Corvix owns the file from now: nobody did, or a Corvix that has ended
        InUse,  // another running Corvix owns it
        Unknown // ownership cannot be kept (a folder that cannot be written)
    };
    virtual ~RecoveryLocks() = default;
    virtual Claim claim(const std::string& path) = 0;
    // Called once the file has gone; a path this Corvix does not own is ignored.
    virtual void release(const std::string& path) = 0;
};

class Recovery {
public:
    // Every recovery file lies beside files.recoveryPath(), the first Corvix's.
    Recovery(DocumentSession& session, MessagePort& ui, FileCommands& files, RecoveryLocks& locks);

    // Start-up: takes the first recovery file that no running Corvix owns as this one's;
    // the interval counts from now, and every tick ends with autosaveStep.
    void start();

    // More than the interval since the last check: writes the drawing when it has a block,
    // through the same verified save as every save. modified, fileName, the caption, the
    // recent files and the undo history's saved state stay as they are.
    void autosaveStep(double nowSeconds);

    // Start-up: asks about this Corvix's own file when it is there, then about each file
    // of a Corvix that ended without closing its window, until one is taken. Yes loads it
    // as every load of a recovery file does: a drawing without a file name that is not
    // saved anywhere, so neither Save nor the close that deletes the file can lose it.
    // Every file asked about is this Corvix's from then on. True when the user answered
    // Yes (the command-line file is then not opened), whatever the load's outcome.
    bool offerAtStart();

    // The window really closes: this Corvix's files go, read-only or not.
    void removeFile();

    // The file the autosave writes.
    const std::string& path() const { return ownPath_; }

private:
    // The recovery files beside this one's, by number, other than this one's.
    std::vector<std::string> otherRecoveryFiles() const;
    bool offer(const std::string& file);

    DocumentSession& session_;
    MessagePort& ui_;
    FileCommands& files_;
    RecoveryLocks& locks_;
    AutosaveSchedule schedule_;
    std::string ownPath_;
    std::vector<std::string> takenOver_;
};

} // namespace corvix
