#include "storage/recent_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string_view>

namespace corvix {
namespace {

using Fields = std::vector<std::string>;

std::span<const uint8_t> bytesOf(std::string_view text)
{
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

std::string readText(const std::string& path)
{
    const auto bytes = readBytes(path);
    return {bytes.begin(), bytes.end()};
}

// A folder of existing diagram files and a history file beside them.
struct HistoryFixture {
    TempFolder folder;
    RecentFiles recent;

    HistoryFixture() { recent.historyPath = folder.file("history"); }

    std::string diagram(const std::string& name)
    {
        const std::string path = folder.file(name);
        writeBytes(path, bytesOf("x"));
        return path;
    }
    std::vector<std::string> diagrams(int count)
    {
        std::vector<std::string> paths;
        for (int i = 1; i <= count; ++i)
            paths.push_back(diagram("d" + std::to_string(i) + ".fxg"));
        return paths;
    }
    void writeHistory(const std::string& text) { writeBytes(recent.historyPath, bytesOf(text)); }
    Fields used() const
    {
        Fields paths;
        for (const std::string& p : recent.history) {
            if (!p.empty())
                paths.push_back(p);
        }
        return paths;
    }
};

TEST(RecentFiles, HistoryTextSplitsIntoDelimitedFields)
{
    const struct {
        std::string_view text;
        Fields fields;
    } cases[] = {
        {"", {}},
        {"/a.fxg\r\n/b.fxg\r\n", {"/a.fxg", "/b.fxg"}},
        {"/a\n/b\r/c", {"/a", "/b", "/c"}},
        {"   /lead.fxg  \r\n", {"/lead.fxg  "}},
        {"/x/a,b.fxg\r\n", {"/x/a", "b.fxg"}},
        {"\"/x/a, b.fxg\"\r\n\"/q.fxg\" ignored,/r\r\n", {"/x/a, b.fxg", "/q.fxg", "/r"}},
        {"\"/unclosed", {"/unclosed"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readDelimitedFields(c.text), c.fields) << c.text;
}

TEST(RecentFiles, ReadingKeepsSixExistingFilesInOrder)
{
    HistoryFixture f;
    const auto d = f.diagrams(8);
    f.writeHistory(d[0] + "\r\n" + f.folder.file("gone.fxg") + "\r\n" + d[1] + "\r\n\r\n" + d[2] + "\r\n" + d[3]
                   + "\r\n" + d[4] + "\r\n" + d[5] + "\r\n" + d[6] + "\r\n" + d[7] + "\r\n");
    le_historico(f.recent);
    EXPECT_EQ(f.used(), Fields(d.begin(), d.begin() + 6));

    f.recent.historyPath = f.folder.file("no-history");
    le_historico(f.recent);
    EXPECT_TRUE(f.used().empty());
}

TEST(RecentFiles, AListedPathMovesUpWithoutRewritingTheFile)
{
    HistoryFixture f;
    const auto d = f.diagrams(4);
    f.writeHistory(d[0] + "\r\n" + d[1] + "\r\n" + d[2] + "\r\n");
    le_historico(f.recent);
    const std::string before = readText(f.recent.historyPath);

    grava_historico(f.recent, d[2]);

    EXPECT_EQ(f.used(), (Fields{d[2], d[0], d[1]}));
    EXPECT_EQ(readText(f.recent.historyPath), before);
    le_historico(f.recent);  // the next start shows the file's order again
    EXPECT_EQ(f.used(), (Fields{d[0], d[1], d[2]}));
}

TEST(RecentFiles, ANewPathPushesOutTheOldestAndRewritesTheFile)
{
    HistoryFixture f;
    const auto d = f.diagrams(7);
    for (int i = 5; i >= 0; --i)
        grava_historico(f.recent, d[size_t(i)]);
    ASSERT_EQ(f.used(), Fields(d.begin(), d.begin() + 6));

    grava_historico(f.recent, d[6]);

    EXPECT_EQ(f.used(), (Fields{d[6], d[0], d[1], d[2], d[3], d[4]}));
    EXPECT_EQ(readText(f.recent.historyPath),
              d[6] + "\r\n" + d[0] + "\r\n" + d[1] + "\r\n" + d[2] + "\r\n" + d[3] + "\r\n" + d[4] + "\r\n");
}

TEST(RecentFiles, TwoSpellingsOfOnePathAreTwoEntries)
{
    HistoryFixture f;
    grava_historico(f.recent, "/home/ana/Chart.fxg");
    grava_historico(f.recent, "/home/ana/chart.fxg");
    EXPECT_EQ(f.used(), (Fields{"/home/ana/chart.fxg", "/home/ana/Chart.fxg"}));
}

// Written plainly, the reader would cut such a path in two and lose it at the next start.
TEST(RecentFiles, APathWithACommaSurvivesARestart)
{
    HistoryFixture f;
    const std::string comma = f.diagram("plan, draft.fxg");
    const std::string plain = f.diagram("plain.fxg");

    grava_historico(f.recent, plain);
    grava_historico(f.recent, comma);
    le_historico(f.recent);

    EXPECT_EQ(f.used(), (Fields{comma, plain}));
    EXPECT_EQ(readText(f.recent.historyPath), '"' + comma + "\"\r\n" + plain + "\r\n");
}

TEST(RecentFiles, AnUnwritableHistoryKeepsTheListInMemory)
{
    HistoryFixture f;
    f.recent.historyPath = f.folder.file("missing-folder/history");
    grava_historico(f.recent, "/a.fxg");
    grava_historico(f.recent, "/b.fxg");
    EXPECT_EQ(f.used(), (Fields{"/b.fxg", "/a.fxg"}));
    EXPECT_EQ(f.folder.entries(), std::set<std::string>{});
}

TEST(RecentFiles, MenuShowsUsedEntriesWithTheirAccessDigits)
{
    RecentFiles recent;
    EXPECT_FALSE(monta_menu_historico(recent).separatorVisible);

    recent.history = {"/home/ana/flow.fxg", "/tmp/b.fxg  ", "", "", "", ""};
    const HistoryMenu menu = monta_menu_historico(recent);
    EXPECT_TRUE(menu.separatorVisible);
    EXPECT_EQ(menu.entries[0], (HistoryMenuEntry{"&1 :: /home/ana/flow.fxg", true}));
    EXPECT_EQ(menu.entries[1], (HistoryMenuEntry{"&2 :: /tmp/b.fxg", true}));
    for (size_t i = 2; i < menu.entries.size(); ++i)
        EXPECT_FALSE(menu.entries[i].visible) << i;
}

} // namespace
} // namespace corvix
