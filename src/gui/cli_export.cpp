#include "cli.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

namespace corvix::cli {

namespace {

std::string lowerCaseExtension(const std::string& path)
{
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext;
}

} // namespace

int runExport(const std::string& outPath, const std::string& inPath)
{
    if (lowerCaseExtension(outPath) == ".fxg")
        return runExportFxg(outPath, inPath);
    std::fprintf(stderr, "corvix: cannot export %s to %s yet\n", inPath.c_str(), outPath.c_str());
    return 1;
}

} // namespace corvix::cli
