#include "cli/cli.h"

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

int runExport(const std::string& outPath, const std::string& inPath, InputLayout layout, QtShellLoader shell)
{
    const std::string extension = lowerCaseExtension(outPath);
    if (extension == ".fxg")
        return runExportFxg(outPath, inPath, layout);
    if (extension == ".mmd")
        return runExportMermaid(outPath, inPath, layout);
    if (const std::optional<PageFormat> format = pageFormatForExtension(extension)) {
        QtShell* const qt = shell();
        return qt ? qt->exportPage(outPath, inPath, *format, layout) : kNoQtShell;
    }
    std::fprintf(stderr, "corvix: %s: OUT must end in .png, .svg, .pdf, .fxg or .mmd\n", outPath.c_str());
    return 1;
}

} // namespace corvix::cli
