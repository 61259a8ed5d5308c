#include "checks/flowchart_checks.h"

#include "render/block_geometry.h"
#include "support/case_name.h"
#include "support/recording_target.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace corvix {
namespace {

constexpr BlockKind A = BlockKind::Action;
constexpr BlockKind D = BlockKind::Decision;
constexpr BlockKind DS = BlockKind::DecisionSwapped;
constexpr BlockKind J = BlockKind::GotoJump;
constexpr BlockKind T = BlockKind::GotoTarget;
constexpr BlockKind E = BlockKind::Explanation;
constexpr Port R = Port::Right;
constexpr Port B = Port::Bottom;
constexpr Port L = Port::Left;

// A block sized by the fake font (8 x 16 a character), centred exactly at (x, y).
struct Drawn {
    BlockKind kind;
    int32_t x;
    int32_t y;
    std::string text;
};

// From block `from`'s exit `port` to block `to`'s entry; block numbers 0-based.
struct Joined {
    int32_t from;
    Port port;
    int32_t to;
};

struct ChecksCase {
    std::string name;
    std::vector<Drawn> blocks;
    std::vector<Joined> links;
    std::vector<std::string> lines;  // "N: CODE: MESSAGE", N 1-based
};

void PrintTo(const ChecksCase& c, std::ostream* out)
{
    *out << c.name;
}

std::vector<std::string> problemLines(const std::vector<Drawn>& blocks, const std::vector<Joined>& links)
{
    EditorState state;
    const testing::RecordingTarget font(8, 16);
    for (const Drawn& d : blocks) {
        Block& b = state.blocks[size_t(state.blockCount++)];
        sizeBlock(b, d.kind, d.text, d.x, d.y, font);
        b.x = d.x;
        b.y = d.y;
    }
    for (const Joined& j : links)
        state.appendLink({connectionCode(j.from, j.port), connectionCode(j.to, Port::Top)});
    std::vector<std::string> lines;
    for (const Problem& p : checkFlowchart(state))
        lines.push_back(std::to_string(p.block + 1) + ": " + problemText(p));
    return lines;
}

class FlowchartChecks : public ::testing::TestWithParam<ChecksCase> {};

TEST_P(FlowchartChecks, ReportExactlyTheseProblems)
{
    EXPECT_EQ(problemLines(GetParam().blocks, GetParam().links), GetParam().lines);
}

constexpr int32_t kFar = std::numeric_limits<int32_t>::max();

// A text of rows lines of columns characters each.
std::string textOf(int32_t columns, int32_t rows)
{
    std::string text;
    for (int32_t r = 0; r < rows; ++r)
        text += (r > 0 ? "\r\n" : "") + std::string(size_t(columns), 'x');
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Drawings, FlowchartChecks,
    ::testing::Values(
        // A start, a decision, a goto jump followed to its target in another letter case,
        // and a loop back; an explanation beside the flow.
        ChecksCase{"Clean",
                   {{A, 300, 100, "start"}, {D, 300, 200, "ok?"}, {A, 150, 300, "yes"}, {J, 450, 300, "Loop"},
                    {T, 150, 400, " LOOP"}, {A, 150, 500, "again"}, {E, 600, 100, "note"}},
                   {{0, B, 1}, {1, L, 2}, {1, R, 3}, {4, B, 5}, {5, B, 1}},
                   {}},
        // Yes is the left exit of a decision and the right one of a swapped decision.
        ChecksCase{"DecisionExits",
                   {{A, 300, 100, "a"}, {D, 300, 200, "d?"}, {DS, 400, 300, "s?"}, {D, 300, 400, "e?"}},
                   {{0, B, 1}, {1, R, 2}, {2, L, 3}},
                   {"2: decision-exit: the Yes exit has no link", "3: decision-exit: the Yes exit has no link",
                    "4: decision-exit: the Yes exit has no link", "4: decision-exit: the No exit has no link"}},
        ChecksCase{"JumpWithoutTarget",
                   {{A, 300, 100, "a"}, {J, 300, 200, "x"}},
                   {{0, B, 1}},
                   {"2: jump-no-target: no goto target has its key"}},
        // Keys are compared without their outer spaces and letter case.
        ChecksCase{"DuplicateTarget",
                   {{A, 300, 100, "a"}, {J, 300, 200, "Here"}, {T, 500, 100, " here "}, {T, 700, 100, "HERE"}},
                   {{0, B, 1}},
                   {"4: target-duplicate: an earlier goto target has the same key"}},
        // Every flow block is entered by a link, so there is no start to reach it from.
        ChecksCase{"UnusedTarget",
                   {{T, 300, 100, "t"}, {A, 300, 200, "a"}},
                   {{0, B, 1}},
                   {"1: target-unused: no goto jump has its key"}},
        // The second block without an entering link is not a start; explanations are no flow.
        ChecksCase{"Unreachable",
                   {{A, 300, 100, "a"}, {A, 300, 200, "b"}, {A, 500, 100, "c"}, {E, 500, 300, "n"}},
                   {{0, B, 1}},
                   {"3: unreachable: it cannot be reached from the start"}},
        ChecksCase{"LoopWithoutStart",
                   {{A, 300, 100, "a"}, {A, 300, 200, "b"}},
                   {{0, B, 1}, {1, B, 0}},
                   {}},
        // The inner frame line is x = 26: a drawing touching it is off the page. A block of
        // an unknown kind has no drawing to place; one beyond the drawing limit is never drawn.
        ChecksCase{"OffPage",
                   {{E, 35, 300, "a"}, {E, 34, 400, "b"}, {kindFromCode(7), -500, -500, "c"}, {E, kFar, 500, "d"}},
                   {},
                   {"2: off-page: its drawing is not wholly inside the page frame",
                    "4: off-page: its drawing is not wholly inside the page frame"}},
        // Inside, touching, apart by one unit, touching a later one; decisions whose boxes
        // meet but hexagons do not, then one meeting both (named after the lower).
        ChecksCase{"Overlap",
                   {{E, 300, 200, "wide text"}, {E, 300, 200, "a"}, {E, 348, 200, "b"}, {E, 365, 200, "c"},
                    {E, 380, 200, "d"}, {D, 500, 200, "a"}, {D, 528, 216, "b"}, {D, 528, 208, "c"}},
                   {{5, L, 6}, {5, R, 6}, {6, L, 7}, {6, R, 7}, {7, L, 5}, {7, R, 5}},
                   {"2: overlap: overlaps block 1", "3: overlap: overlaps block 1", "5: overlap: overlaps block 4",
                    "8: overlap: overlaps block 6"}},
        // A block spread over many cells of the lookup, meeting one block before it and one after.
        ChecksCase{"OverlapOfAVeryLargeBlock",
                   {{E, 300, 300, "a"}, {E, 594, 768, textOf(130, 70)}, {E, 900, 900, "b"}, {E, 1100, 1450, "c"}},
                   {},
                   {"2: overlap: overlaps block 1", "3: overlap: overlaps block 2"}},
        // Blocks far apart on either side of the sheet make the lookup's cells large.
        ChecksCase{"OverlapAmongFarBlocks",
                   {{E, -1000000, -5000, "a"}, {E, 300, 300, "b"}, {E, 1000000, 90000, "c"}, {E, 310, 310, "d"}},
                   {},
                   {"1: off-page: its drawing is not wholly inside the page frame",
                    "3: off-page: its drawing is not wholly inside the page frame", "4: overlap: overlaps block 2"}},
        ChecksCase{"DefaultText",
                   {{A, 300, 100, "== 0 =="}, {D, 300, 200, "== 1 ==?"}, {A, 150, 300, "==  =="},
                    {A, 450, 300, "== 3 ==?"}, {E, 600, 100, "== 4 =="}},
                   {{0, B, 1}, {1, L, 2}, {1, R, 3}},
                   {"1: default-text: its text is still the default", "2: default-text: its text is still the default",
                    "5: default-text: its text is still the default"}},
        // Several problems on one block come in the table's order.
        ChecksCase{"SortedByBlockThenCode",
                   {{D, 30, 200, "== 0 ==?"}, {J, 30, 200, "x"}},
                   {},
                   {"1: decision-exit: the Yes exit has no link", "1: decision-exit: the No exit has no link",
                    "1: off-page: its drawing is not wholly inside the page frame",
                    "1: default-text: its text is still the default", "2: jump-no-target: no goto target has its key",
                    "2: unreachable: it cannot be reached from the start", "2: off-page: its drawing is not wholly inside the page frame",
                    "2: overlap: overlaps block 1"}}),
    testing::CaseName());

} // namespace
} // namespace corvix
