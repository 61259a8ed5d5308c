// Writes the sample diagram files into a folder, each named after the verdict a reader
// must give: ok-*.fxg, inconsistent-*.fxg, damaged-*.fxg. They seed the fuzzer's corpus
// and feed the command-line tests.

#include "support/diagram_samples.h"
#include "support/temp_folder.h"

#include <cstdio>
#include <filesystem>

namespace {

const char* verdictPrefix(corvix::ReadStatus status)
{
    switch (status) {
    case corvix::ReadStatus::Ok:
        return "ok";
    case corvix::ReadStatus::Inconsistent:
        return "inconsistent";
    case corvix::ReadStatus::Damaged:
    case corvix::ReadStatus::Unreadable:
        return "damaged";
    }
    return "unknown";
}

} // namespace

int main(int argc, char** argv)
{
    using namespace corvix;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);

    std::vector<SampleFile> files = validFiles();
    for (SampleFile& c : damagedFiles())
        files.push_back(std::move(c));

    for (const SampleFile& c : files) {
        const auto path = folder / (std::string(verdictPrefix(c.status)) + "-" + c.name + ".fxg");
        writeBytes(path.string(), c.bytes);
        if (readBytes(path.string()) != c.bytes) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    std::printf("%zu files written to %s\n", files.size(), folder.c_str());
    return 0;
}
