#include "editor/file_commands.h"

#include <gtest/gtest.h>

namespace corvix {
namespace {

TEST(FileCommands, DiagramExtensionIsTheLastFourCharactersInAnyCase)
{
    const struct {
        const char* path;
        bool accepted;
    } cases[] = {
        {"/home/a/flow.FXG", true},
        {"/home/a/flow.fxg", true},
        {"/home/a/flow.Fxg", true},
        {".FXG", true},
        {"/home/a/flow.FXG2", false},
        {"/home/a/flowFXG", false},
        {"FXG", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hasDiagramExtension(c.path), c.accepted) << c.path;
}

TEST(FileCommands, OnlyTheFirstDroppedPathDecides)
{
    EXPECT_TRUE(FileCommands::acceptsDrop({"a.FXG", "b.txt"}));
    EXPECT_FALSE(FileCommands::acceptsDrop({"b.txt", "a.FXG"}));
    EXPECT_FALSE(FileCommands::acceptsDrop({}));
}

TEST(FileCommands, CaptionNamesProgramVersionAndFile)
{
    EXPECT_EQ(windowCaption("Corvix", "< New >"), "Corvix v1.1.0 -- < New >");
    EXPECT_EQ(windowCaption("corvix", "/tmp/x"), "corvix v1.1.0 -- /tmp/x");
}

} // namespace
} // namespace corvix
