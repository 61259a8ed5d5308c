#include "storage/safe_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace corvix {
namespace {

const std::vector<uint8_t> kOld = {'o', 'l', 'd'};
const std::vector<uint8_t> kNew = {'n', 'e', 'w', '!'};

mode_t permissionsOf(const std::string& path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

// Read-only files are replaced all the same; private ones stay private.
TEST(SafeFile, ReplacingKeepsTheOldFilesPermissions)
{
    for (const mode_t mode : {0444, 0600, 0640}) {
        TempFolder folder;
        const std::string path = folder.file("chart.fxg");
        writeBytes(path, kOld);
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);

        ASSERT_TRUE(replaceFileSafely(path, kNew)) << std::oct << mode;
        EXPECT_EQ(readBytes(path), kNew) << std::oct << mode;
        EXPECT_EQ(permissionsOf(path), mode) << std::oct << mode;
        EXPECT_EQ(folder.entries(), std::set<std::string>{"chart.fxg"});
    }
}

TEST(SafeFile, ASymbolicLinkKeepsPointingAtTheReplacedFile)
{
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "real");
    writeBytes(folder.file("real/chart.fxg"), kOld);
    std::filesystem::create_symlink(folder.path() / "real/chart.fxg", folder.path() / "link.fxg");

    ASSERT_TRUE(replaceFileSafely(folder.file("link.fxg"), kNew));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "link.fxg"));
    EXPECT_EQ(readBytes(folder.file("real/chart.fxg")), kNew);
}

TEST(SafeFile, ReadingRefusesWhatIsNotARegularFileAndSaysWhy)
{
    TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0600), 0);
    const struct {
        std::string path;
        std::string failure;
    } cases[] = {
        {folder.file("pipe"), "Not a regular file"},  // must not hang
        {folder.path().string(), "Is a directory"},
        {folder.file("missing"), "No such file or directory"},
    };
    for (const auto& c : cases) {
        std::string failure;
        EXPECT_FALSE(readFileBytes(c.path, 100, &failure)) << c.path;
        EXPECT_EQ(failure, c.failure);
    }

    writeBytes(folder.file("long"), kNew);
    EXPECT_EQ(readFileBytes(folder.file("long"), 2), (std::vector<uint8_t>{'n', 'e'}));
}

} // namespace
} // namespace corvix
