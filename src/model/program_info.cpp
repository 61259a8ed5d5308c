#include "model/program_info.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace corvix {

static_assert(kMakerMark.size() == 47, "the file signature must be exactly 70 characters");

std::string fileSignature()
{
    std::string s(kSignaturePrefix);
    s += kMakerMark;
    s += char(26);
    return s;
}

void writeSignature(DiagramHeader& header)
{
    const std::string s = fileSignature();
    header.signature.fill(uint8_t(' '));
    std::copy_n(s.begin(), std::min(s.size(), header.signature.size()), header.signature.begin());
}

std::string makeProgramNotice(std::string_view executableBaseName)
{
    return std::string(executableBaseName) + std::string(kMakerNotice);
}

std::string executableDir()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return {};
    std::string dir = exe.parent_path().string();
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

std::string executableBaseName()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return "corvix";
    return exe.stem().string();
}

int32_t machineTagFromId(std::string_view machineId)
{
    // FNV-1a over the id: stable across runs, differs between machines.
    uint32_t hash = 0;
    if (!machineId.empty()) {
        hash = 2166136261u;
        for (unsigned char c : machineId) {
            hash ^= c;
            hash *= 16777619u;
        }
    }
    return int32_t(hash ^ 0x5C2E7A13u);
}

int32_t machineTag()
{
    std::ifstream in("/etc/machine-id");
    std::string id;
    if (in)
        std::getline(in, id);
    return machineTagFromId(id);
}

} // namespace corvix
