#pragma once
// A reading in a line a table can hold: blocks as KIND:TEXT, links as SOURCE EXIT TARGET
// with 1-based block numbers and the exit b (bottom), y (Yes) or n (No).

#include "interchange/mermaid_reader.h"
#include "model/block_roles.h"

#include <string>

namespace corvix::testing {

inline char kindLetter(BlockKind kind)
{
    switch (kind) {
    case BlockKind::Action: return 'A';
    case BlockKind::Decision: return 'D';
    case BlockKind::DecisionSwapped: return 'S';
    case BlockKind::GotoJump: return 'J';
    case BlockKind::GotoTarget: return 'T';
    case BlockKind::Explanation: return 'E';
    default: return '?';
    }
}

inline std::string blocksSummary(const DiagramFragment& diagram)
{
    std::string summary;
    for (const Block& block : diagram.blocks) {
        if (!summary.empty())
            summary += ' ';
        summary += kindLetter(block.kind);
        summary += ':';
        for (const char c : block.text) {
            if (c != '\n')
                summary += c == '\r' ? '|' : c;
        }
    }
    return summary;
}

inline std::string linksSummary(const DiagramFragment& diagram)
{
    std::string summary;
    for (const Link& link : diagram.links) {
        const int32_t from = codeBlock(link.source);
        const Port exit = codePort(link.source);
        const DecisionExits exits = decisionExits(diagram.blocks[size_t(from)].kind);
        const bool decision = isDecisionKind(diagram.blocks[size_t(from)].kind);
        if (!summary.empty())
            summary += ' ';
        summary += std::to_string(from + 1);
        summary += exit == Port::Bottom ? 'b' : decision && exit == exits.yes ? 'y' : decision && exit == exits.no ? 'n' : '?';
        summary += std::to_string(codeBlock(link.target) + 1);
        if (codePort(link.target) != Port::Top)
            summary += '!';
    }
    return summary;
}

} // namespace corvix::testing
