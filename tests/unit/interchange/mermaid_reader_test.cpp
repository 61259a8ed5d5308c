#include "interchange/mermaid_reader.h"

#include "interchange/mermaid_graph.h"
#include "interchange/mermaid_summary.h"
#include "model/editor_state.h"
#include "support/case_name.h"

#include <gtest/gtest.h>

namespace corvix {
namespace {

using testing::blocksSummary;
using testing::linksSummary;

struct ReadCase {
    std::string name;
    std::string text;
    std::string blocks;
    std::string links;
};

class MermaidReads : public ::testing::TestWithParam<ReadCase> {};

TEST_P(MermaidReads, BlocksAndLinks)
{
    const MermaidReading reading = readMermaid(GetParam().text);
    ASSERT_TRUE(reading.diagram) << (reading.diagnostics.empty() ? "" : reading.diagnostics[0].message);
    EXPECT_EQ(blocksSummary(*reading.diagram), GetParam().blocks);
    EXPECT_EQ(linksSummary(*reading.diagram), GetParam().links);
}

INSTANTIATE_TEST_SUITE_P(Texts, MermaidReads, ::testing::Values(
    ReadCase{"ChainInOrderOfMention", "graph LR\nA --> B --> C\nD --> A", "A:A A:B A:C A:D", "1b2 2b3 4b1"},
    ReadCase{"EveryShapeButTheDiamondIsAnAction",
             "flowchart TD\na[s] --> b(r) --> c([st]) --> d[[sub]] --> e[(db)] --> f((c)) --> g>odd]\n"
             "g --> h{{hex}} --> i[/lr/] --> j[\\ll\\] --> k[/tr\\] --> l[\\it/] --> m(((dc))) --> n@{ shape: rect, label: \"data\" }",
             "A:s A:r A:st A:sub A:db A:c A:odd A:hex A:lr A:ll A:tr A:it A:dc A:data",
             "1b2 2b3 3b4 4b5 5b6 6b7 7b8 8b9 9b10 10b11 11b12 12b13 13b14"},
    ReadCase{"DiamondsAreDecisionsWithTheirQuestionMark",
             "flowchart TD\nq{Ready} --> r@{ shape: diamond, label: \"Sure?\" }", "D:Ready? D:Sure?", "1y2"},
    ReadCase{"AmpersandsLinkEveryPair", "flowchart TD\nA & B --> C & D", "A:A A:B A:C A:D", "1b3 1b4 2b3 2b4"},
    ReadCase{"BothLabelFormsAndAllYesNoWords",
             "flowchart TD\nq{a} -- Yes --> y1\nq -->|no| n1\nr{b} -->|SIM| y2\nr -- não --> n2\n"
             "s{c} == ja ==> y3\ns -. NEIN .-> n3\nt{d} -->|oui| y4\nt -->|n| n4",
             "D:a? A:y1 A:n1 D:b? A:y2 A:n2 D:c? A:y3 A:n3 D:d? A:y4 A:n4",
             "1y2 1n3 4y5 4n6 7y8 7n9 10y11 10n12"},
    ReadCase{"UnlabelledDecisionLinksTakeTheFreeExit",
             "flowchart TD\nq{a} --> A\nq -->|yes| B\nr{b} --> C\nr --> D", "D:a? A:A A:B D:b? A:C A:D", "1n2 1y3 4y5 4n6"},
    ReadCase{"LabelsEntitiesAndLineBreaks",
             "flowchart TD\nA[\"Say #quot;hi#quot; &amp; #35;1 &lt;ok&gt; caf&eacute; &#233;\"] --> B[one<br>two<BR/>three<br />four]",
             "A:Say \"hi\" & #1 <ok> caf\xe9 \xe9 A:one|two|three|four", "1b2"},
    ReadCase{"QuotedAndMarkdownLabelsTrimmed", "flowchart TD\nA[\"  spaced  \"] --> B[\"`**md**`\"] --> C[ text ]",
             "A:spaced A:**md** A:text", "1b2 2b3"},
    ReadCase{"LaterLabelReplacesEarlierOne", "flowchart TD\nA --> B\nA[Start]", "A:Start A:B", "1b2"},
    ReadCase{"SubgraphsFlattenAndStatementsAreSkipped",
             "---\ntitle: t\n---\n%%{init: {\"theme\": \"forest\"}}%%\nflowchart RL\n%% a comment\n"
             "subgraph one [The one]\n  direction TB\n  A --> B\nend\nclassDef red fill:#f00;\nstyle A fill:#0f0\n"
             "linkStyle 0 stroke:#00f\nclick A callback \"tip\"\naccTitle: x\nB --> C;C --> D",
             "A:A A:B A:C A:D", "1b2 2b3 3b4"},
    ReadCase{"ClassesGiveTheGotoAndNoteKinds",
             "flowchart TD\nS([start]) --> Q{Again?}\nQ -->|yes| J([loop]):::gotoJump\nQ -->|no| E[bye]\n"
             "T([Loop]) --> S\nN[remember]\nclass T gotoTarget\nclass N note\nJ -.-> T",
             "A:start D:Again? J:loop A:bye T:Loop E:remember", "1b2 2y3 2n4 5b1"},
    ReadCase{"EveryArrowIsALink",
             "flowchart TD\nA --- B\nB ---> C\nC -.- D\nD -..-> E\nE ==> F\nF --o G\nG --x H\nH <--> I\nI e1@--> J",
             "A:A A:B A:C A:D A:E A:F A:G A:H A:I A:J", "1b2 2b3 3b4 4b5 5b6 6b7 7b8 8b9 9b10"},
    ReadCase{"LinkMayContinueOnTheNextLine", "flowchart TD\nA -->\n  B", "A:A A:B", "1b2"},
    ReadCase{"CarriageReturnsAndByteOrderMark", "\xEF\xBB\xBF" "flowchart TD\r\nA-->B\r\n", "A:A A:B", "1b2"}),
    testing::CaseName());

struct ProblemCase {
    std::string name;
    std::string text;
    std::string diagnostic;  // LINE:COL: severity: the start of the message
};

std::string firstDiagnostic(const MermaidReading& reading)
{
    if (reading.diagnostics.empty())
        return "none";
    return formatDiagnostic("", reading.diagnostics.front()).substr(1);
}

class MermaidRefuses : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(MermaidRefuses, WithThePlace)
{
    const MermaidReading reading = readMermaid(GetParam().text);
    EXPECT_FALSE(reading.diagram);
    EXPECT_TRUE(firstDiagnostic(reading).starts_with(GetParam().diagnostic)) << firstDiagnostic(reading);
}

INSTANTIATE_TEST_SUITE_P(Texts, MermaidRefuses, ::testing::Values(
    ProblemCase{"NotAFlowchart", "sequenceDiagram\nA->>B: hi", "1:1: error: not a Mermaid flowchart"},
    ProblemCase{"EmptyText", "", "1:1: error: not a Mermaid flowchart"},
    ProblemCase{"NoNodes", "flowchart TD\n", "1:1: error: this flowchart has no nodes"},
    ProblemCase{"UnknownDirection", "flowchart XY\nA", "1:11: error: unknown direction"},
    ProblemCase{"BracketInUnquotedLabel", "flowchart TD\nA[a (b)]", "2:5: error: expected \"]\" to end the label, found '('"},
    ProblemCase{"TwoStatementsOnALine", "flowchart TD\nA-->B C-->D", "2:7: error: expected the end of the statement, found 'C'"},
    ProblemCase{"EndAsANode", "flowchart TD\nA --> end", "2:7: error: \"end\" cannot name a node"},
    ProblemCase{"UnclosedQuote", "flowchart TD\nA --> B[\"open", "2:9: error: this quoted text has no closing quote"},
    ProblemCase{"UnclosedDirectiveAfterTheHeader", "flowchart TD\nA\n%%{init: {\nB", "3:1: error: this directive has no closing \"}%%\""},
    ProblemCase{"EmptyLabel", "flowchart TD\nA[\"\"]", "2:3: error: a label cannot be empty"},
    ProblemCase{"OpenSubgraph", "flowchart TD\n  subgraph S\nA", "2:3: error: this subgraph has no \"end\""},
    ProblemCase{"EndWithoutSubgraph", "flowchart TD\nA\nend", "3:1: error: \"end\" without a subgraph"},
    ProblemCase{"LinkWithoutTarget", "flowchart TD\nA -->", "2:6: error: expected a node, found the end of the text"},
    ProblemCase{"SelfLink", "flowchart TD\nA --> B\nB --> B", "3:3: error: a link from a block to itself"},
    ProblemCase{"ThirdDecisionExit", "flowchart TD\nQ{q} --> A\nQ --> B\nQ --> C", "4:3: error: a decision has two exits"},
    ProblemCase{"IntoAGotoTarget", "flowchart TD\nA --> T:::gotoTarget", "2:3: error: a goto target has no entry"},
    ProblemCase{"OutOfAGotoJump", "flowchart TD\nJ:::gotoJump --> A", "2:14: error: a goto jump has no exit"},
    ProblemCase{"SolidEdgeFromJumpToTarget", "flowchart TD\nJ:::gotoJump --> T:::gotoTarget", "2:14: error: a goto jump has no exit"},
    ProblemCase{"OutOfANote", "flowchart TD\nN[n]:::note --> A", "2:13: error: an explanation (class \"note\") has no exit"},
    ProblemCase{"IntoANote", "flowchart TD\nA --> N[n]:::note", "2:3: error: an explanation (class \"note\") has no entry"}),
    testing::CaseName());

TEST(MermaidReader, ReportsEverySyntaxErrorByLine)
{
    const MermaidReading reading = readMermaid("flowchart TD\nA[x\nB --> C\nD-->E F\n");
    ASSERT_EQ(reading.diagnostics.size(), 2u);
    EXPECT_EQ(formatDiagnostic("f.mmd", reading.diagnostics[0]), "f.mmd:2:4: error: expected \"]\" to end the label, found the end of the line");
    EXPECT_EQ(reading.diagnostics[1].line, 4);
}

TEST(MermaidReader, WarnsAndGoesOn)
{
    const MermaidReading reading = readMermaid(
        "flowchart TD\nA[\xE2\x9C\x93 done \xE6\x97\xA5] -->|why| B\nq{x} -->|maybe| B\nB ~~~ C\nA --> B\n"
        "J([k]):::gotoJump -.-> T([other]):::gotoTarget\nclass Z note");
    ASSERT_TRUE(reading.diagram);
    EXPECT_EQ(blocksSummary(*reading.diagram), "A:? done ? A:B D:x? A:C J:k T:other");
    EXPECT_EQ(linksSummary(*reading.diagram), "1b2 3y2");
    std::vector<std::string> lines;
    for (const TextDiagnostic& d : reading.diagnostics)
        lines.push_back(formatDiagnostic("p", d));
    EXPECT_EQ(lines, (std::vector<std::string>{
        "p:2:3: warning: 2 character(s) of this text that Windows-1252 cannot hold became \"?\"",
        "p:2:17: warning: the label \"why\" is dropped: only a decision's exits are labelled",
        "p:3:10: warning: the label \"maybe\" is neither yes nor no: the link takes the free exit",
        "p:4:3: warning: an invisible edge only spaces Mermaid's drawing: no link is made",
        "p:5:3: warning: this edge repeats an earlier one: no second link is made",
        "p:6:19: warning: this goto jump's text differs from its target's: a jump goes to the target of its own text",
        "p:7:7: warning: \"Z\" is not a node yet: its class \"note\" is ignored"}));
}

// A NUL typed raw and one written as Mermaid's code read alike, so that a drawing's text
// survives being written and read again.
TEST(MermaidReader, ReadsARawNulAsItsCode)
{
    using namespace std::string_view_literals;
    const MermaidReading raw = readMermaid("flowchart TD\nA[a\0b]"sv);
    const MermaidReading coded = readMermaid("flowchart TD\nA[a#0;b]");
    ASSERT_TRUE(raw.diagram && coded.diagram);
    EXPECT_EQ(blocksSummary(*raw.diagram), "A:a?b");
    EXPECT_EQ(blocksSummary(*coded.diagram), "A:a?b");
    EXPECT_EQ(raw.diagnostics.size(), 1u);
}

// Line breaks written as codes read as typed ones, so that the text written back (with
// "<br>") reads the same.
TEST(MermaidReader, ReadsCodedLineBreaksAsLineBreaks)
{
    for (const char* label : {"a#13;b", "a#10;b", "a#13;#10;b", "a&#13;&#10;b", "a<br>b"}) {
        const MermaidReading reading = readMermaid(std::string("flowchart TD\nA[\"") + label + "\"]");
        ASSERT_TRUE(reading.diagram) << label;
        EXPECT_EQ(reading.diagram->blocks[0].text, "a\r\nb") << label;
    }
}

// Past the tables' capacities the text is refused at the first node or link too many,
// without reading on.
TEST(MermaidReader, RefusesPastCapacity)
{
    std::string blocks = "flowchart TD\n";
    for (int i = 0; i <= kBlockCapacity; ++i)
        blocks += "n" + std::to_string(i) + "\n";
    const MermaidReading tooManyBlocks = readMermaid(blocks);
    EXPECT_FALSE(tooManyBlocks.diagram);
    EXPECT_EQ(firstDiagnostic(tooManyBlocks), "10002:1: error: more blocks than a drawing holds (10000)");

    std::string sources;
    std::string targets;
    for (int i = 0; i < 100; ++i)
        sources += (i ? " & a" : "a") + std::to_string(i);
    for (int i = 0; i < 160; ++i)
        targets += (i ? " & b" : "b") + std::to_string(i);
    const std::string links = "flowchart TD\n" + sources + " --> " + targets + "\n";
    const MermaidReading tooManyLinks = readMermaid(links);
    EXPECT_FALSE(tooManyLinks.diagram);
    const size_t arrow = links.find("-->") - links.find('\n');
    EXPECT_EQ(firstDiagnostic(tooManyLinks), "2:" + std::to_string(arrow) + ": error: more links than a drawing holds (15000)");
}

TEST(MermaidReader, RecognisesAFlowchartByItsHeader)
{
    EXPECT_TRUE(startsAsMermaidFlowchart("%% chart\n%%{init: {}}%%\n  graph TD\nA"));
    EXPECT_TRUE(startsAsMermaidFlowchart("---\ntitle: t\n---\nflowchart LR"));
    EXPECT_FALSE(startsAsMermaidFlowchart("flowcharts are fun"));
    EXPECT_FALSE(startsAsMermaidFlowchart("A --> B"));
}

} // namespace
} // namespace corvix
