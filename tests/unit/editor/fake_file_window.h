#pragma once
// The window's side of the file commands: the open dialog answers openAnswer, the save
// dialog is cancelled, and captions and recent-file menus are counted.

#include "editor/file_commands.h"

#include <string>
#include <vector>

namespace corvix::testing {

class FakeFileWindow final : public FileWindow {
public:
    std::string chooseFileToOpen(const std::string&) override { return openAnswer; }
    std::string chooseFileToSave(const std::string&) override { return {}; }
    void setCaption(const std::string& caption) override { captions.push_back(caption); }
    void showRecentFiles(const HistoryMenu&) override { ++recentShown; }

    std::string openAnswer;
    std::vector<std::string> captions;
    int recentShown = 0;
};

} // namespace corvix::testing
