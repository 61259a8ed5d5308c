#include "cli.h"

#include <cstdio>

namespace corvix::cli {

int runExport(const std::string& outPath, const std::string& inPath)
{
    std::fprintf(stderr, "corvix: cannot export %s to %s yet\n", inPath.c_str(), outPath.c_str());
    return 1;
}

} // namespace corvix::cli
