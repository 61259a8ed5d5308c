#pragma once
// The recovery file: the timer writes the open drawing into it every few minutes, a real
// close of the editor window deletes it, and the next start offers what a run that ended
// without closing its window left behind.

#include "editor/document_session.h"
#include "editor/file_commands.h"
#include "storage/autosave.h"

#include <string>

namespace corvix {

class Recovery {
public:
    // The file is files.recoveryPath(): programDir followed by kRecoveryFileName.
    Recovery(DocumentSession& session, MessagePort& ui, FileCommands& files);

    // Start-up: the interval counts from now, and every tick ends with autosaveStep.
    void start();

    // More than the interval since the last check: writes the drawing when it has a block,
    // through the same verified save as every save. modified, fileName, the caption, the
    // recent files and the undo history's saved state stay as they are.
    void autosaveStep(double nowSeconds);

    // Start-up: when a recovery file is there, asks whether to load it. Yes loads it as
    // every load of the recovery file does: a drawing without a file name that is not
    // saved anywhere, so neither Save nor the close that deletes the recovery file can
    // lose it. True when the user answered Yes (the command-line file is then not
    // opened), whatever the load's outcome.
    bool offerAtStart();

    // The window really closes: the file goes, read-only or not.
    void removeFile();

    const std::string& path() const { return files_.recoveryPath(); }

private:
    DocumentSession& session_;
    MessagePort& ui_;
    FileCommands& files_;
    AutosaveSchedule schedule_;
};

} // namespace corvix
