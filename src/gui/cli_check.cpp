#include "cli.h"

#include <cstdio>

namespace corvix::cli {

int runCheck(const std::vector<std::string>& files)
{
    for (const auto& f : files)
        std::printf("%s: damaged: not implemented\n", f.c_str());
    return 1;
}

} // namespace corvix::cli
