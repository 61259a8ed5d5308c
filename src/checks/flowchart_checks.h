#pragma once

#include "model/editor_state.h"
#include "model/message.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvix {

// What the checks can find wrong with a flowchart, in the order a block's problems are
// listed.
enum class ProblemCode {
    DecisionExit,     // a decision's Yes or No exit has no link
    JumpNoTarget,     // no goto target has the jump's key
    TargetDuplicate,  // an earlier goto target has the same key
    TargetUnused,     // no goto jump has the target's key
    Unreachable,      // the flow cannot reach the block from its start
    OffPage,          // the block's drawing does not lie wholly inside the page frame
    Overlap,          // the block's outline meets an earlier block's
    DefaultText,      // the block still has the text insertion gave it
};

// "decision-exit", "jump-no-target", ...: the code as the user reads it.
std::string_view problemCodeName(ProblemCode code);

// The details of a decision-exit problem.
inline constexpr int32_t kYesExit = 0;
inline constexpr int32_t kNoExit = 1;

// Plain numbers, not texts, so that listing thousands of problems costs no allocation.
struct Problem {
    int32_t block = 0;   // table index; the user reads it 1-based
    ProblemCode code = ProblemCode::DecisionExit;
    int32_t detail = 0;  // decision-exit: kYesExit or kNoExit; overlap: the earlier block's
                         // index; 0 for the other codes

    bool operator==(const Problem&) const = default;
};

// What the user reads about a problem: "the Yes exit has no link", "overlaps block M", ...
Message problemMessage(const Problem& problem);
// "CODE: MESSAGE" in English: a problem's line after the block it is reported on.
std::string problemText(const Problem& problem);

// Every problem of the open diagram, by block, then in the order of ProblemCode.
std::vector<Problem> checkFlowchart(const EditorState& state);

} // namespace corvix
