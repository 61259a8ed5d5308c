#include "editor/navigation.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace corvix {

// Found by GoogleTest next to GotoStep.
void PrintTo(const GotoStep& s, std::ostream* out)
{
    *out << "block " << s.block << ", last jump " << s.lastJump;
}

namespace {

EditorState stateWith(const std::vector<std::pair<BlockKind, std::string>>& blocks)
{
    EditorState state;
    for (const auto& [kind, text] : blocks) {
        Block& b = state.blocks[size_t(state.blockCount++)];
        b.kind = kind;
        b.text = text;
    }
    return state;
}

TEST(Find, TakesTheNextBlockWithTheTextInAnyCaseGoingRound)
{
    EditorState state = stateWith({{BlockKind::Action, "Apple"},
                                   {BlockKind::Action, "pear"},
                                   {BlockKind::Decision, "PINEAPPLE?"},
                                   {BlockKind::Explanation, "\xC9" "clair"},  // E acute
                                   {BlockKind::Action, "grape"}});
    struct Case {
        int32_t selected;
        std::string text;
        int32_t found;
    };
    for (const Case& c : {Case{-1, "apple", 0}, Case{0, "apple", 2}, Case{2, "apple", 0},
                          // The selected block itself comes last.
                          Case{2, "pineapple", 2}, Case{4, "\xE9" "CLAIR", 3}, Case{1, "kiwi", -1},
                          Case{1, "", -1}}) {
        state.selection = Selection::ofBlock(c.selected);
        EXPECT_EQ(findNextBlock(state, c.text), c.found) << c.selected << " '" << c.text << "'";
    }
}

class GoToTarget : public ::testing::Test {
protected:
    EditorState state = stateWith({{BlockKind::GotoJump, "Loop"},
                                   {BlockKind::GotoTarget, "loop "},
                                   {BlockKind::GotoJump, "LOOP"},
                                   {BlockKind::Action, "loop"},
                                   {BlockKind::GotoJump, "other"},
                                   {BlockKind::GotoJump, " loop"},
                                   {BlockKind::GotoTarget, "alone"},
                                   {BlockKind::GotoTarget, "loop"}});

    GotoStep from(int32_t selected, int32_t lastJump)
    {
        state.selection = Selection::ofBlock(selected);
        return nextGotoStep(state, lastJump);
    }
};

TEST_F(GoToTarget, FromAJumpToTheFirstTargetWithItsKey)
{
    EXPECT_EQ(from(0, -1), (GotoStep{1, 0}));
    EXPECT_EQ(from(5, 0), (GotoStep{1, 5}));
}

TEST_F(GoToTarget, FromATargetToItsJumpsInTurnGoingRound)
{
    std::vector<int32_t> visited;
    int32_t lastJump = -1;
    for (int k = 0; k < 4; ++k) {
        const GotoStep step = from(7, lastJump);
        visited.push_back(step.block);
        lastJump = step.lastJump;
    }
    EXPECT_EQ(visited, (std::vector<int32_t>{0, 2, 5, 0}));
    // Arriving from a jump, the turn goes on after that jump.
    EXPECT_EQ(from(1, from(2, -1).lastJump), (GotoStep{5, 5}));
}

TEST_F(GoToTarget, LeadsNowhereWithoutAGotoOrAPartner)
{
    for (const int32_t selected : {4, 6, 3, -1})
        EXPECT_EQ(from(selected, 2), (GotoStep{-1, 2})) << selected;
}

} // namespace
} // namespace corvix
