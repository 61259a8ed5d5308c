#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace corvix {

inline constexpr int kRecentFileCount = 6;
// The recent-files history, one path a line, in the program's folder.
inline constexpr std::string_view kHistoryFileName = "history";

// The recent-files list at the end of the File menu and the file that keeps it
// between runs: one path a line, most recent first.
struct RecentFiles {
    std::string historyPath;  // programDir + kHistoryFileName, or the per-user data folder
    std::array<std::string, kRecentFileCount> history;  // [0] most recent; "" unused, used ones first
};

// Fills history from the history file: delimited fields, names of files that no longer
// exist skipped, at most six. A missing or unreadable file gives an empty list.
void le_historico(RecentFiles& recent);

// Puts path at the top of the list, comparing exactly. A path already listed only moves
// up (the file keeps its order until a new path comes); a new path pushes out the
// oldest and the file is rewritten. A file that cannot be written leaves the list in
// memory only, without a message.
void grava_historico(RecentFiles& recent, const std::string& path);

// The six entries mhist(0..5) and the separator msephist above them.
struct HistoryMenuEntry {
    std::string caption;  // "&1 :: path"; UTF-8
    bool visible = false;
    bool operator==(const HistoryMenuEntry&) const = default;
};
struct HistoryMenu {
    std::array<HistoryMenuEntry, kRecentFileCount> entries;
    bool separatorVisible = false;
};
// The recent-file entries the File menu shows ("build history menu").
HistoryMenu monta_menu_historico(const RecentFiles& recent);

// Fields of delimited text: leading spaces skipped; a field starting with a double
// quote runs to the closing quote (what follows it up to the delimiter is dropped);
// any other field ends at a comma or the end of the line (CR LF, LF or CR).
std::vector<std::string> readDelimitedFields(std::string_view text);

} // namespace corvix
