#include "interchange/mermaid_writer.h"

#include "interchange/mermaid_reader.h"
#include "interchange/mermaid_summary.h"
#include "support/block_builders.h"

#include <gtest/gtest.h>

namespace corvix {
namespace {

using testing::storedBlock;

Block block(BlockKind kind, std::string text)
{
    return storedBlock(kind, 100, 100, 40, 14, std::move(text));
}

Link link(int32_t from, Port exit, int32_t to)
{
    return {connectionCode(from, exit), connectionCode(to, Port::Top)};
}

// Every kind, both decision sides, a goto pair, and texts Mermaid would read as markup.
DiagramFragment everyKind()
{
    return {{block(BlockKind::Action, "Start"), block(BlockKind::Decision, "Ready?"),
             block(BlockKind::DecisionSwapped, "Sure?"), block(BlockKind::GotoJump, "Again"),
             block(BlockKind::GotoTarget, "again "), block(BlockKind::Explanation, "Say \"hi\"\r\n#1 & <b>caf\xe9</b>"),
             block(BlockKind::Action, "")},
            {link(0, Port::Bottom, 1), link(1, Port::Left, 2), link(1, Port::Right, 6), link(2, Port::Right, 3),
             link(2, Port::Left, 6), link(4, Port::Bottom, 0)}};
}

TEST(MermaidWriter, WritesOneLineABlockAndALink)
{
    const DiagramFragment drawing = everyKind();
    EXPECT_EQ(mermaidText(drawing.blocks, drawing.links),
              "flowchart TD\n"
              "    classDef gotoJump fill:#fde4e4,stroke:#b03a3a\n"
              "    classDef gotoTarget fill:#e4f5e4,stroke:#3a8a3a\n"
              "    classDef note fill:#fff8d6,stroke:#a08a20,stroke-dasharray:4 3\n"
              "    b1[\"Start\"]\n"
              "    b2{\"Ready?\"}\n"
              "    b3{\"Sure?\"}\n"
              "    b4([\"Again\"]):::gotoJump\n"
              "    b5([\"again \"]):::gotoTarget\n"
              "    b6[\"Say #quot;hi#quot;<br>#35;1 #amp; #lt;b#gt;caf\xc3\xa9#lt;/b#gt;\"]:::note\n"
              "    b7[\" \"]\n"
              "    b1 --> b2\n"
              "    b2 -->|Yes| b3\n"
              "    b2 -->|No| b7\n"
              "    b3 -->|Yes| b4\n"
              "    b3 -->|No| b7\n"
              "    b5 --> b1\n"
              "    b4 -.-> b5\n");
}

TEST(MermaidWriter, ReadsBackToTheSameBlocksAndLinks)
{
    DiagramFragment drawing = everyKind();
    drawing.blocks[4].text = "again";  // as the text rules keep it
    const MermaidReading reading = readMermaid(mermaidText(drawing.blocks, drawing.links));
    ASSERT_TRUE(reading.diagram);
    EXPECT_TRUE(reading.diagnostics.empty());
    ASSERT_EQ(reading.diagram->blocks.size(), drawing.blocks.size());
    for (size_t i = 0; i < drawing.blocks.size(); ++i) {
        const BlockKind kind = drawing.blocks[i].kind == BlockKind::DecisionSwapped ? BlockKind::Decision : drawing.blocks[i].kind;
        EXPECT_EQ(reading.diagram->blocks[i].kind, kind) << i;
        EXPECT_EQ(reading.diagram->blocks[i].text, drawing.blocks[i].text) << i;
    }
    // The swapped decision's Yes is its right exit; read back as a decision, Yes is on the left.
    EXPECT_EQ(testing::linksSummary(*reading.diagram), testing::linksSummary(drawing));
}

TEST(MermaidWriter, LeavesOutLinksToBlocksItDoesNotHave)
{
    const std::vector<Block> blocks = {block(BlockKind::Action, "a"), block(BlockKind::Action, "b")};
    const std::vector<Link> links = {link(0, Port::Bottom, 1), link(0, Port::Bottom, 7), {-256, 0}};
    EXPECT_EQ(mermaidText(blocks, links), "flowchart TD\n    b1[\"a\"]\n    b2[\"b\"]\n    b1 --> b2\n");
}

} // namespace
} // namespace corvix
