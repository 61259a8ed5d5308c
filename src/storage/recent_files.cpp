#include "storage/recent_files.h"

#include "storage/safe_file.h"

#include <algorithm>
#include <filesystem>

namespace corvix {

namespace {

constexpr size_t kMaxHistoryBytes = 1 << 20;

bool isExistingFile(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Unquoted, the reader would cut a path at its comma.
std::string historyLine(const std::string& path)
{
    return path.find(',') == std::string::npos ? path : '"' + path + '"';
}

void writeHistoryFile(const RecentFiles& recent)
{
    std::string text;
    for (const std::string& path : recent.history) {
        if (path.empty())
            break;
        text += historyLine(path) + "\r\n";
    }
    const auto bytes = std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    replaceFileSafely(recent.historyPath, bytes);  // a failure keeps the list in memory only
}

std::string trimmedSpaces(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::vector<std::string> readDelimitedFields(std::string_view text)
{
    std::vector<std::string> fields;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ')
            ++i;
        if (i < text.size() && text[i] == '"') {
            const size_t close = std::min(text.find('"', i + 1), text.size());
            fields.emplace_back(text.substr(i + 1, close - i - 1));
            i = std::min(close + 1, text.size());
            while (i < text.size() && text[i] != ',' && !isLineEnd(text[i]))
                ++i;
        } else {
            const size_t end = std::min(text.find_first_of(",\r\n", i), text.size());
            fields.emplace_back(text.substr(i, end - i));
            i = end;
        }
        if (i < text.size() && text[i] == ',') {
            ++i;
        } else if (i < text.size() && text[i] == '\r') {
            ++i;
            if (i < text.size() && text[i] == '\n')
                ++i;
        } else if (i < text.size() && text[i] == '\n') {
            ++i;
        }
    }
    return fields;
}

void le_historico(RecentFiles& recent)
{
    recent.history.fill({});
    const auto bytes = readFileBytes(recent.historyPath, kMaxHistoryBytes);
    if (!bytes)
        return;
    size_t count = 0;
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    for (std::string& path : readDelimitedFields(text)) {
        if (!isExistingFile(path))
            continue;
        recent.history[count] = std::move(path);
        if (++count == recent.history.size())
            break;
    }
}

void grava_historico(RecentFiles& recent, const std::string& path)
{
    auto& h = recent.history;
    if (path.empty())
        return;
    const auto found = std::find(h.begin(), h.end(), path);
    if (found != h.end()) {
        std::rotate(h.begin(), found, found + 1);
        return;
    }
    std::rotate(h.begin(), h.end() - 1, h.end());
    h.front() = path;
    writeHistoryFile(recent);
}

HistoryMenu monta_menu_historico(const RecentFiles& recent)
{
    HistoryMenu menu;
    for (size_t i = 0; i < recent.history.size(); ++i) {
        const std::string& path = recent.history[i];
        if (path.empty())
            continue;
        // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "&" + string chains.
        std::string caption = "&";
        caption += std::to_string(i + 1);
        caption += " :: ";
        caption += path;
        menu.entries[i] = {trimmedSpaces(caption), true};
        menu.separatorVisible = true;
    }
    return menu;
}

} // namespace corvix
