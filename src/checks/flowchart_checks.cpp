#include "checks/flowchart_checks.h"

#include "checks/check_steps.h"
#include "checks/goto_index.h"

#include <algorithm>

namespace corvix {

namespace checks {

std::vector<Link> linksBetween(const EditorState& state, std::span<const Block> blocks)
{
    const auto inUse = [&blocks](int32_t code) { return codeBlock(code) >= 0 && size_t(codeBlock(code)) < blocks.size(); };
    const int32_t count = std::clamp<int32_t>(state.linkCount, 0, int32_t(state.links.size()));
    std::vector<Link> links;
    links.reserve(size_t(count));
    std::copy_if(state.links.begin(), state.links.begin() + count, std::back_inserter(links),
                 [&inUse](const Link& l) { return inUse(l.source) && inUse(l.target); });
    return links;
}

} // namespace checks

std::string_view problemCodeName(ProblemCode code)
{
    switch (code) {
    case ProblemCode::DecisionExit:
        return "decision-exit";
    case ProblemCode::JumpNoTarget:
        return "jump-no-target";
    case ProblemCode::TargetDuplicate:
        return "target-duplicate";
    case ProblemCode::TargetUnused:
        return "target-unused";
    case ProblemCode::Unreachable:
        return "unreachable";
    case ProblemCode::OffPage:
        return "off-page";
    case ProblemCode::Overlap:
        return "overlap";
    case ProblemCode::DefaultText:
        return "default-text";
    }
    return {};
}

Message problemMessage(const Problem& problem)
{
    switch (problem.code) {
    case ProblemCode::DecisionExit:
        return {problem.detail == kYesExit ? MessageId::YesExitUnlinked : MessageId::NoExitUnlinked, {}};
    case ProblemCode::JumpNoTarget:
        return {MessageId::JumpWithoutTarget, {}};
    case ProblemCode::TargetDuplicate:
        return {MessageId::TargetDuplicate, {}};
    case ProblemCode::TargetUnused:
        return {MessageId::TargetUnused, {}};
    case ProblemCode::Unreachable:
        return {MessageId::Unreachable, {}};
    case ProblemCode::OffPage:
        return {MessageId::OffPage, {}};
    case ProblemCode::Overlap:
        return {MessageId::Overlap, {std::to_string(int64_t(problem.detail) + 1)}};
    case ProblemCode::DefaultText:
        return {MessageId::DefaultText, {}};
    }
    return {MessageId::Verbatim, {""}};
}

std::string problemText(const Problem& problem)
{
    return std::string(problemCodeName(problem.code)) + ": " + englishText(problemMessage(problem));
}

std::vector<Problem> checkFlowchart(const EditorState& state)
{
    const std::span<const Block> blocks = state.blocksInUse();
    const std::vector<Link> links = checks::linksBetween(state, blocks);
    const checks::GotoIndex gotos(blocks);
    std::vector<Problem> problems;
    checks::checkDecisionExits(blocks, links, problems);
    checks::checkGotoKeys(blocks, gotos, problems);
    checks::checkReachability(blocks, links, gotos, problems);
    checks::checkOffPage(blocks, state.paper, problems);
    checks::checkOverlaps(blocks, problems);
    checks::checkDefaultTexts(blocks, problems);
    // The checks ran in the order of the codes, each in block order.
    return checks::grouped(problems, blocks.size(), [](const Problem& p) { return size_t(p.block); }).items;
}

} // namespace corvix
