#include "model/program_info.h"

#include <gtest/gtest.h>

namespace corvix {
namespace {

TEST(ProgramInfo, SignatureIsSeventyBytesEndingInCtrlZ)
{
    const std::string s = fileSignature();
    ASSERT_EQ(s.size(), 70u);
    EXPECT_EQ(s.rfind("Arquivo de fluxograma/", 0), 0u);
    EXPECT_EQ(s.back(), char(26));

    DiagramHeader h;
    writeSignature(h);
    EXPECT_EQ(std::string(h.signature.begin(), h.signature.end()), s);
}

TEST(ProgramInfo, MachineTagIsStableAndMixedWithTheConstant)
{
    EXPECT_EQ(machineTagFromId(""), int32_t(0x5C2E7A13));
    EXPECT_EQ(machineTagFromId("abc"), machineTagFromId("abc"));
    EXPECT_NE(machineTagFromId("abc"), machineTagFromId("abd"));
}

TEST(ProgramInfo, NoticeFollowsTheExecutableName)
{
    EXPECT_EQ(makeProgramNotice("corvix").rfind("corvix", 0), 0u);
}

} // namespace
} // namespace corvix
