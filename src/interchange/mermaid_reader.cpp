#include "interchange/mermaid_reader.h"

#include "interchange/mermaid_classes.h"
#include "interchange/mermaid_graph.h"
#include "interchange/mermaid_label.h"
#include "model/block_roles.h"
#include "model/editor_state.h"
#include "model/text_codec.h"
#include "model/text_rules.h"
#include "storage/diagram_codec.h"
#include "storage/safe_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <unordered_map>
#include <unordered_set>

namespace corvix {

namespace {

enum class Answer { None, Yes, No };

// Windows-1252, in lower case.
constexpr std::array<std::string_view, 7> kYesWords = {"yes", "y", "true", "sim", "ja", "oui", "si"};
constexpr std::array<std::string_view, 6> kNoWords = {"no", "n", "false", "n\xe3o", "nein", "non"};

Answer answerOf(const std::string& label)
{
    const std::string word = lowerCp1252(trimSpaces(decodeMermaidLabel(label).text));
    if (std::find(kYesWords.begin(), kYesWords.end(), word) != kYesWords.end())
        return Answer::Yes;
    if (std::find(kNoWords.begin(), kNoWords.end(), word) != kNoWords.end())
        return Answer::No;
    return Answer::None;
}

bool hasClass(const MermaidNode& node, std::string_view name)
{
    return std::find(node.classes.begin(), node.classes.end(), name) != node.classes.end();
}

BlockKind nodeKind(const MermaidNode& node)
{
    if (hasClass(node, kGotoJumpClass))
        return BlockKind::GotoJump;
    if (hasClass(node, kGotoTargetClass))
        return BlockKind::GotoTarget;
    if (hasClass(node, kExplanationClass))
        return BlockKind::Explanation;
    constexpr std::array<std::string_view, 4> decisionShapes = {"diamond", "diam", "decision", "question"};
    if (std::find(decisionShapes.begin(), decisionShapes.end(), node.shape) != decisionShapes.end())
        return BlockKind::Decision;
    return BlockKind::Action;
}

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

class DiagramBuilder {
public:
    DiagramBuilder(const MermaidGraph& graph, std::vector<TextDiagnostic>& diagnostics)
        : graph_(graph), diagnostics_(diagnostics)
    {
    }

    std::optional<DiagramFragment> build()
    {
        if (graph_.nodes.empty()) {
            report({1, 1}, Severity::Error, "this flowchart has no nodes");
            return std::nullopt;
        }
        for (const MermaidNode& node : graph_.nodes)
            addBlock(node);
        for (size_t i = 0; i < graph_.edges.size(); ++i)
            addLink(i);
        placeDecisionExits();
        dropRepeatedLinks();
        if (fragment_.links.size() > size_t(kLinkCapacity))
            report(graph_.edges[linkEdges_[size_t(kLinkCapacity)]].place, Severity::Error,
                   "more links than a drawing holds (" + std::to_string(kLinkCapacity) + ")");
        if (failed_)
            return std::nullopt;
        return std::move(fragment_);
    }

private:
    struct DecisionLink {
        size_t link;
        int32_t block;
        Answer answer;
    };

    void report(TextPlace place, Severity severity, std::string message)
    {
        diagnostics_.push_back({place.line, place.column, severity, std::move(message)});
        failed_ = failed_ || severity == Severity::Error;
    }

    void addBlock(const MermaidNode& node)
    {
        const BlockKind kind = nodeKind(node);
        const DecodedLabel label = decodeMermaidLabel(node.label.value_or(node.id));
        if (label.unheldCount > 0)
            report(node.labelPlace, Severity::Warning,
                   std::to_string(label.unheldCount) + " character(s) of this text that Windows-1252 cannot hold became \"?\"");
        Block block;
        block.kind = kind;
        block.text = blockText(kind, label.text);
        if (block.text.size() > size_t(kMaxTextBytes))
            report(node.labelPlace, Severity::Error,
                   "this text is longer than a block holds (" + std::to_string(kMaxTextBytes) + " characters)");
        fragment_.blocks.push_back(std::move(block));
    }

    // The reason an edge cannot be a link between these kinds, or empty.
    static std::string refusal(BlockKind from, BlockKind to)
    {
        if (from == BlockKind::Explanation)
            return "an explanation (class \"note\") has no exit";
        if (from == BlockKind::GotoJump)
            return "a goto jump has no exit: only a dotted edge to its goto target may leave it";
        if (to == BlockKind::GotoTarget)
            return "a goto target has no entry";
        if (to == BlockKind::Explanation)
            return "an explanation (class \"note\") has no entry";
        return {};
    }

    void addLink(size_t edgeIndex)
    {
        const MermaidEdge& edge = graph_.edges[edgeIndex];
        const BlockKind from = fragment_.blocks[size_t(edge.from)].kind;
        const BlockKind to = fragment_.blocks[size_t(edge.to)].kind;
        if (edge.stroke == EdgeStroke::Invisible) {
            report(edge.place, Severity::Warning, "an invisible edge only spaces Mermaid's drawing: no link is made");
            return;
        }
        if (edge.from == edge.to) {
            report(edge.place, Severity::Error, "a link from a block to itself: " + quoted(graph_.nodes[size_t(edge.from)].id));
            return;
        }
        if (isGotoJump(from) && isGotoTarget(to) && edge.stroke == EdgeStroke::Dotted) {
            if (gotoKey(fragment_.blocks[size_t(edge.from)].text) != gotoKey(fragment_.blocks[size_t(edge.to)].text))
                report(edge.place, Severity::Warning,
                       "this goto jump's text differs from its target's: a jump goes to the target of its own text");
            return;
        }
        if (const std::string why = refusal(from, to); !why.empty()) {
            report(edge.place, Severity::Error, why);
            return;
        }
        const std::string label = edge.label.value_or("");
        Port exit = Port::Bottom;
        if (isDecisionKind(from)) {
            if (++decisionLinkCount_[edge.from] > 2) {
                report(edge.place, Severity::Error,
                       "a decision has two exits, Yes and No: this is a third link out of "
                           + quoted(graph_.nodes[size_t(edge.from)].id));
                return;
            }
            const Answer answer = label.empty() ? Answer::None : answerOf(label);
            if (!label.empty() && answer == Answer::None)
                report(edge.labelPlace, Severity::Warning,
                       "the label " + quoted(label) + " is neither yes nor no: the link takes the free exit");
            decisionLinks_.push_back({fragment_.links.size(), edge.from, answer});
        } else if (!label.empty()) {
            report(edge.labelPlace, Severity::Warning,
                   "the label " + quoted(label) + " is dropped: only a decision's exits are labelled");
        }
        fragment_.links.push_back({connectionCode(edge.from, exit), connectionCode(edge.to, Port::Top)});
        linkEdges_.push_back(edgeIndex);
    }

    // Labelled links take their exits first; an unlabelled one takes Yes while Yes is
    // free, else No.
    void placeDecisionExits()
    {
        const DecisionExits exits = decisionExits(BlockKind::Decision);
        std::unordered_set<int32_t> yesTaken;
        for (const DecisionLink& link : decisionLinks_) {
            if (link.answer == Answer::None)
                continue;
            setExit(link, link.answer == Answer::Yes ? exits.yes : exits.no);
            if (link.answer == Answer::Yes)
                yesTaken.insert(link.block);
        }
        for (const DecisionLink& link : decisionLinks_) {
            if (link.answer == Answer::None)
                setExit(link, yesTaken.insert(link.block).second ? exits.yes : exits.no);
        }
    }

    void setExit(const DecisionLink& link, Port exit)
    {
        fragment_.links[link.link].source = connectionCode(link.block, exit);
    }

    void dropRepeatedLinks()
    {
        std::unordered_set<int64_t> seen;
        size_t kept = 0;
        for (size_t i = 0; i < fragment_.links.size(); ++i) {
            const Link link = fragment_.links[i];
            if (!seen.insert(int64_t(link.source) << 32 | uint32_t(link.target)).second) {
                report(graph_.edges[linkEdges_[i]].place, Severity::Warning, "this edge repeats an earlier one: no second link is made");
                continue;
            }
            fragment_.links[kept] = link;
            linkEdges_[kept] = linkEdges_[i];
            ++kept;
        }
        fragment_.links.resize(kept);
        linkEdges_.resize(kept);
    }

    const MermaidGraph& graph_;
    std::vector<TextDiagnostic>& diagnostics_;
    DiagramFragment fragment_;
    std::vector<size_t> linkEdges_;  // the edge each link comes from
    std::vector<DecisionLink> decisionLinks_;
    std::unordered_map<int32_t, int> decisionLinkCount_;
    bool failed_ = false;
};

} // namespace

MermaidReading readMermaid(std::string_view utf8)
{
    // Goto edges make no links, so the parse may hold as many more edges as there can be jumps.
    MermaidGraph graph = parseMermaidGraph(utf8, {size_t(kBlockCapacity), size_t(kLinkCapacity + kBlockCapacity)});
    MermaidReading reading;
    reading.diagnostics = std::move(graph.diagnostics);
    if (!hasErrors(reading.diagnostics))
        reading.diagram = DiagramBuilder(graph, reading.diagnostics).build();
    std::stable_sort(reading.diagnostics.begin(), reading.diagnostics.end(),
                     [](const TextDiagnostic& a, const TextDiagnostic& b) {
                         return std::pair(a.line, a.column) < std::pair(b.line, b.column);
                     });
    return reading;
}

} // namespace corvix

namespace corvix {

MermaidReading readMermaidFile(const std::string& path)
{
    constexpr size_t kMostBytes = size_t(64) << 20;
    std::string failure;
    const std::optional<std::vector<uint8_t>> bytes = readFileBytes(path, kMostBytes + 1, &failure);
    if (!bytes || bytes->size() > kMostBytes) {
        MermaidReading unread;
        unread.diagnostics.push_back({1, 1, Severity::Error,
                                      bytes ? "the file is larger than 64 MiB" : "cannot read the file: " + failure});
        return unread;
    }
    return readMermaid(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

bool hasMermaidExtension(std::string_view path)
{
    const auto endsWith = [path](std::string_view ending) {
        if (path.size() < ending.size())
            return false;
        const std::string_view tail = path.substr(path.size() - ending.size());
        return std::equal(tail.begin(), tail.end(), ending.begin(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == b;
        });
    };
    return endsWith(".mmd") || endsWith(".mermaid");
}

} // namespace corvix
