#include "interchange/mermaid_graph.h"

#include "interchange/mermaid_label.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <unordered_map>

namespace corvix {

namespace {

constexpr size_t kMostErrors = 50;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

bool isLetter(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (isBlank(text.front()) || text.front() == '\n'))
        text.remove_prefix(1);
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\n'))
        text.remove_suffix(1);
    return text;
}

// A label's own quotes, and the backticks of Mermaid's Markdown strings, go.
std::string_view unquoted(std::string_view text)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    if (text.size() >= 2 && text.front() == '`' && text.back() == '`')
        text = text.substr(1, text.size() - 2);
    return text;
}

struct ShapeSyntax {
    std::string_view open;
    std::string_view close;
    std::string_view name;
    std::string_view otherClose = {};  // the trapezoids share their openers
    std::string_view otherName = {};
};

// Longest openers first.
constexpr std::array<ShapeSyntax, 13> kShapes = {{
    {"(((", ")))", "doublecircle"},
    {"((", "))", "circle"},
    {"([", "])", "stadium"},
    {"[(", ")]", "cylinder"},
    {"[[", "]]", "subroutine"},
    {"[/", "/]", "lean_right", "\\]", "trapezoid"},
    {"[\\", "\\]", "lean_left", "/]", "inv_trapezoid"},
    {"[", "]", "square"},
    {"(-", "-)", "ellipse"},
    {"(", ")", "round"},
    {"{{", "}}", "hexagon"},
    {"{", "}", "diamond"},
    {">", "]", "odd"},
}};

constexpr std::array<std::string_view, 9> kDirections = {"TB", "TD", "BT", "RL", "LR", "<", ">", "^", "v"};

struct LinkToken {
    EdgeStroke stroke = EdgeStroke::Normal;
    std::optional<std::string> label;
    TextPlace labelPlace;
    TextPlace place;
};

class GraphParser {
public:
    GraphParser(std::string_view text, GraphLimits limits) : text_(text), limits_(limits) {}

    MermaidGraph parse()
    {
        if (!skipPreamble() || !header())
            return std::move(graph_);
        while (!stopped_) {
            skipSeparators();
            if (pos_ >= text_.size())
                break;
            if (!statement() && !stopped_)
                skipToLineEnd();
        }
        if (!stopped_ && !openSubgraphs_.empty())
            error(openSubgraphs_.back(), "this subgraph has no \"end\"");
        return std::move(graph_);
    }

    bool startsAsFlowchart()
    {
        if (!skipPreamble())
            return false;
        const std::string_view word = headerWord();
        return word == "flowchart" || word == "graph" || word == "flowchart-elk";
    }

private:
    struct Mark {
        size_t pos;
        TextPlace place;
    };

    char peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }
    bool at(std::string_view word) const { return text_.substr(pos_).starts_with(word); }
    bool atEnd() const { return pos_ >= text_.size(); }
    TextPlace here() const { return place_; }
    Mark mark() const { return {pos_, place_}; }
    void restore(const Mark& m)
    {
        pos_ = m.pos;
        place_ = m.place;
    }

    void advance(size_t count = 1)
    {
        for (; count > 0 && pos_ < text_.size(); --count, ++pos_) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++place_.line;
                place_.column = 1;
            } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
                ++place_.column;
            }
        }
    }

    void skipBlanks()
    {
        while (isBlank(peek()))
            advance();
    }

    void skipSpace()
    {
        while (isBlank(peek()) || peek() == '\n')
            advance();
    }

    void skipToLineEnd()
    {
        while (!atEnd() && peek() != '\n')
            advance();
    }

    void diagnose(TextPlace place, Severity severity, std::string message)
    {
        graph_.diagnostics.push_back({place.line, place.column, severity, std::move(message)});
    }

    void error(TextPlace place, std::string message)
    {
        diagnose(place, Severity::Error, std::move(message));
        if (++errorCount_ >= kMostErrors)
            stopped_ = true;
    }

    // What stands at the parse position, for a message.
    std::string found() const
    {
        if (atEnd())
            return "the end of the text";
        if (peek() == '\n')
            return "the end of the line";
        size_t next = pos_;
        nextCodePoint(text_, next);
        return "'" + std::string(text_.substr(pos_, next - pos_)) + "'";
    }

    bool expected(std::string_view what)
    {
        error(here(), "expected " + std::string(what) + ", found " + found());
        return false;
    }

    bool skipDirective()
    {
        const TextPlace start = here();
        const size_t close = text_.find("}%%", pos_);
        if (close == std::string_view::npos) {
            error(start, "this directive has no closing \"}%%\"");
            // The rest of the text is the directive: nothing after it can be read.
            advance(text_.size() - pos_);
            return false;
        }
        advance(close + 3 - pos_);
        return true;
    }

    // Blank lines, comments, directives and a front matter block before the header.
    bool skipPreamble()
    {
        if (at("\xEF\xBB\xBF"))
            pos_ += 3;
        bool first = true;
        for (;;) {
            skipSpace();
            if (at("%%{")) {
                if (!skipDirective())
                    return false;
            } else if (at("%%")) {
                skipToLineEnd();
            } else if (first && at("---")) {
                skipToLineEnd();
                for (;;) {
                    if (atEnd()) {
                        error({1, 1}, "the front matter has no closing \"---\"");
                        return false;
                    }
                    advance();
                    if (at("---")) {
                        skipToLineEnd();
                        break;
                    }
                    skipToLineEnd();
                }
            } else {
                return true;
            }
            first = false;
        }
    }

    std::string_view headerWord() const
    {
        size_t end = pos_;
        while (end < text_.size() && (isLetter(text_[end]) || text_[end] == '-'))
            ++end;
        return text_.substr(pos_, end - pos_);
    }

    bool header()
    {
        const std::string_view word = headerWord();
        if (word != "flowchart" && word != "graph" && word != "flowchart-elk") {
            error(here(), "not a Mermaid flowchart: it must begin with \"flowchart\" or \"graph\"");
            return false;
        }
        advance(word.size());
        if (!atStatementEnd() && !isBlank(peek()))
            return expected("a direction");
        skipBlanks();
        if (!atStatementEnd()) {
            const TextPlace place = here();
            const Mark start = mark();
            while (!atStatementEnd() && !isBlank(peek()))
                advance();
            const std::string_view direction = text_.substr(start.pos, pos_ - start.pos);
            if (std::find(kDirections.begin(), kDirections.end(), direction) == kDirections.end()) {
                error(place, "unknown direction \"" + std::string(direction) + "\": use TB, TD, BT, RL or LR");
                return false;
            }
        }
        return expectStatementEnd();
    }

    bool atStatementEnd() const { return atEnd() || peek() == '\n' || peek() == ';'; }

    bool expectStatementEnd()
    {
        skipBlanks();
        return atStatementEnd() || expected("the end of the statement");
    }

    void skipSeparators()
    {
        for (;;) {
            skipBlanks();
            if (peek() == '\n' || peek() == ';')
                advance();
            else if (at("%%{"))
                skipDirective();
            else if (at("%%"))
                skipToLineEnd();
            else
                return;
        }
    }

    // The rest of a statement Corvix has no use for, quotes respected.
    bool skipStatement()
    {
        bool quoted = false;
        while (!atEnd() && peek() != '\n' && (quoted || peek() != ';')) {
            if (peek() == '"')
                quoted = !quoted;
            advance();
        }
        return true;
    }

    std::string_view keyword() const
    {
        size_t end = pos_;
        while (end < text_.size() && isLetter(text_[end]))
            ++end;
        const char after = end < text_.size() ? text_[end] : '\0';
        if (!(after == '\0' || isBlank(after) || after == '\n' || after == ';' || after == '{' || after == ':'))
            return {};
        return text_.substr(pos_, end - pos_);
    }

    bool statement()
    {
        const std::string_view word = keyword();
        if (word == "subgraph") {
            openSubgraphs_.push_back(here());
            skipToLineEnd();
            return true;
        }
        if (word == "end") {
            if (openSubgraphs_.empty()) {
                error(here(), "\"end\" without a subgraph");
                return false;
            }
            openSubgraphs_.pop_back();
            advance(word.size());
            return expectStatementEnd();
        }
        if (word == "direction" || word == "classDef" || word == "style" || word == "linkStyle"
            || word == "click" || word == "accTitle")
            return skipStatement();
        if (word == "accDescr") {
            advance(word.size());
            skipBlanks();
            if (peek() != '{')
                return skipStatement();
            const size_t close = text_.find('}', pos_);
            if (close == std::string_view::npos) {
                error(here(), "this description has no closing '}'");
                return false;
            }
            advance(close + 1 - pos_);
            return expectStatementEnd();
        }
        if (word == "class")
            return classStatement();
        return edgeStatement();
    }

    std::string_view readId()
    {
        const size_t start = pos_;
        for (;;) {
            const char c = peek();
            const char next = peek(1);
            const bool idChar = static_cast<unsigned char>(c) >= 0x80 || std::isalnum(static_cast<unsigned char>(c))
                                || (c != '\0' && std::string_view("_!#$%'*+.?\\/`").find(c) != std::string_view::npos)
                                || (c == ':' && !at(":::")) || (c == '-' && next != '-' && next != '>' && next != '.')
                                || (c == '=' && next != '=');
            if (!idChar)
                break;
            advance();
        }
        return text_.substr(start, pos_ - start);
    }

    std::string_view readClassName()
    {
        const size_t start = pos_;
        while (std::isalnum(static_cast<unsigned char>(peek())) || peek() == '_' || peek() == '-')
            advance();
        return text_.substr(start, pos_ - start);
    }

    bool classStatement()
    {
        advance(5);
        skipBlanks();
        std::vector<std::pair<std::string_view, TextPlace>> ids;
        for (;;) {
            const TextPlace place = here();
            const std::string_view id = readId();
            if (id.empty())
                return expected("a node id");
            ids.emplace_back(id, place);
            skipBlanks();
            if (peek() != ',')
                break;
            advance();
            skipBlanks();
        }
        const std::string_view name = readClassName();
        if (name.empty())
            return expected("a class name");
        if (!expectStatementEnd())
            return false;
        for (const auto& [id, place] : ids) {
            const auto found = index_.find(std::string(id));
            if (found == index_.end())
                diagnose(place, Severity::Warning,
                         "\"" + std::string(id) + "\" is not a node yet: its class \"" + std::string(name) + "\" is ignored");
            else
                addClass(graph_.nodes[size_t(found->second)], name);
        }
        return true;
    }

    static void addClass(MermaidNode& node, std::string_view name)
    {
        if (std::find(node.classes.begin(), node.classes.end(), name) == node.classes.end())
            node.classes.emplace_back(name);
    }

    bool edgeStatement()
    {
        std::vector<int32_t> sources;
        if (!group(sources))
            return false;
        for (;;) {
            skipBlanks();
            std::optional<LinkToken> token;
            if (!link(token))
                return false;
            if (!token)
                break;
            skipSpace();
            std::vector<int32_t> targets;
            if (!group(targets))
                return false;
            for (const int32_t from : sources) {
                for (const int32_t to : targets) {
                    if (graph_.edges.size() >= limits_.edges) {
                        error(token->place, "more links than a drawing holds (" + std::to_string(limits_.edges) + ")");
                        stopped_ = true;
                        return false;
                    }
                    graph_.edges.push_back({from, to, token->label, token->labelPlace, token->stroke, token->place});
                }
            }
            sources = std::move(targets);
        }
        return expectStatementEnd();
    }

    bool group(std::vector<int32_t>& members)
    {
        for (;;) {
            const std::optional<int32_t> node = vertex();
            if (!node)
                return false;
            members.push_back(*node);
            skipBlanks();
            if (peek() != '&')
                return true;
            advance();
            skipSpace();
        }
    }

    std::optional<int32_t> vertex()
    {
        const TextPlace place = here();
        const std::string_view id = readId();
        if (id.empty()) {
            expected("a node");
            return std::nullopt;
        }
        if (id == "end") {
            error(place, "\"end\" cannot name a node: write it with a capital letter");
            return std::nullopt;
        }
        std::optional<std::string> label;
        std::optional<std::string> shape;
        TextPlace labelPlace;
        if (at("@{")) {
            if (!shapeData(label, shape, labelPlace))
                return std::nullopt;
        } else if (peek() == '[' || peek() == '(' || peek() == '{' || peek() == '>') {
            if (!shapeText(label, shape, labelPlace))
                return std::nullopt;
        }
        std::string_view className;
        if (at(":::")) {
            advance(3);
            className = readClassName();
            if (className.empty()) {
                expected("a class name");
                return std::nullopt;
            }
        }
        const std::optional<int32_t> found = nodeIndex(id, place);
        if (!found)
            return std::nullopt;
        MermaidNode& node = graph_.nodes[size_t(*found)];
        if (label) {
            node.label = std::move(label);
            node.labelPlace = labelPlace;
        }
        if (shape)
            node.shape = std::move(*shape);
        if (!className.empty())
            addClass(node, className);
        return found;
    }

    std::optional<int32_t> nodeIndex(std::string_view id, TextPlace place)
    {
        const auto [entry, added] = index_.try_emplace(std::string(id), int32_t(graph_.nodes.size()));
        if (added) {
            if (graph_.nodes.size() >= limits_.nodes) {
                error(place, "more blocks than a drawing holds (" + std::to_string(limits_.nodes) + ")");
                stopped_ = true;
                return std::nullopt;
            }
            MermaidNode node;
            node.id = entry->first;
            node.place = place;
            node.labelPlace = place;
            graph_.nodes.push_back(std::move(node));
        }
        return entry->second;
    }

    // A quoted string at the parse position, which may span lines; its quotes stay.
    bool quotedString(std::string_view& quoted)
    {
        const TextPlace start = here();
        const size_t close = text_.find('"', pos_ + 1);
        if (close == std::string_view::npos) {
            error(start, "this quoted text has no closing quote");
            return false;
        }
        quoted = text_.substr(pos_, close + 1 - pos_);
        advance(quoted.size());
        return true;
    }

    bool shapeText(std::optional<std::string>& label, std::optional<std::string>& shape, TextPlace& labelPlace)
    {
        const ShapeSyntax& syntax = *std::find_if(kShapes.begin(), kShapes.end(),
                                                  [&](const ShapeSyntax& s) { return at(s.open); });
        advance(syntax.open.size());
        labelPlace = here();
        const auto atClose = [&] { return at(syntax.close) || (!syntax.otherClose.empty() && at(syntax.otherClose)); };
        std::string_view written;
        if (peek() == '"') {
            if (!quotedString(written))
                return false;
        } else {
            const size_t start = pos_;
            while (!atEnd() && !atClose() && std::string_view("\n\"[](){}").find(peek()) == std::string_view::npos)
                advance();
            written = text_.substr(start, pos_ - start);
        }
        if (!atClose())
            return expected("\"" + std::string(syntax.close) + "\" to end the label");
        if (written.empty() || written == "\"\"") {
            error(labelPlace, "a label cannot be empty");
            return false;
        }
        const bool other = !at(syntax.close);
        advance(other ? syntax.otherClose.size() : syntax.close.size());
        shape = std::string(other ? syntax.otherName : syntax.name);
        label = std::string(trimmed(unquoted(written)));
        return true;
    }

    // "@{ shape: NAME, label: "TEXT" }": the shape and label Corvix reads; other keys
    // only style the drawing.
    bool shapeData(std::optional<std::string>& label, std::optional<std::string>& shape, TextPlace& labelPlace)
    {
        const TextPlace start = here();
        advance(2);
        for (;;) {
            skipSpace();
            if (peek() == '}') {
                advance();
                return true;
            }
            if (atEnd()) {
                error(start, "these node data have no closing '}'");
                return false;
            }
            const size_t keyStart = pos_;
            while (!atEnd() && peek() != ':' && peek() != '}' && peek() != '\n' && peek() != ',')
                advance();
            const std::string_view key = trimmed(text_.substr(keyStart, pos_ - keyStart));
            if (peek() != ':')
                return expected("':' after \"" + std::string(key) + "\"");
            advance();
            skipBlanks();
            const TextPlace valuePlace = here();
            std::string_view value;
            if (peek() == '"') {
                if (!quotedString(value))
                    return false;
            } else {
                const size_t valueStart = pos_;
                while (!atEnd() && peek() != ',' && peek() != '}' && peek() != '\n')
                    advance();
                value = trimmed(text_.substr(valueStart, pos_ - valueStart));
            }
            if (key == "shape") {
                shape = std::string(value);
            } else if (key == "label") {
                label = std::string(unquoted(value));
                labelPlace = valuePlace;
            }
            skipBlanks();
            if (peek() == ',')
                advance();
        }
    }

    static size_t runOf(std::string_view text, size_t from, char c)
    {
        size_t end = from;
        while (end < text.size() && text[end] == c)
            ++end;
        return end - from;
    }

    // The length of a closed arrow of dashes or equals signs at from ("-->", "---", "==x"),
    // or 0; a run of two with no head opens a text ("-- yes -->").
    static size_t solidArrow(std::string_view text, size_t from, char line)
    {
        const size_t run = runOf(text, from, line);
        if (run < 2)
            return 0;
        const char head = from + run < text.size() ? text[from + run] : '\0';
        if (head == 'x' || head == 'o' || head == '>')
            return run + 1;
        return run >= 3 ? run : 0;
    }

    // "-.->", "-.-", "-..->", ".-": optional dash, dots, a dash, an optional head.
    static size_t dottedArrow(std::string_view text, size_t from)
    {
        size_t end = from;
        if (end < text.size() && text[end] == '-')
            ++end;
        const size_t dots = runOf(text, end, '.');
        if (dots == 0)
            return 0;
        end += dots;
        if (end >= text.size() || text[end] != '-')
            return 0;
        ++end;
        if (end < text.size() && (text[end] == 'x' || text[end] == 'o' || text[end] == '>'))
            ++end;
        return end - from;
    }

    // A link at the parse position: none (token stays empty) when there is none.
    bool link(std::optional<LinkToken>& token)
    {
        const Mark start = mark();
        // Mermaid's edge ids, "e1@-->", name an edge for styling.
        if (!readId().empty() && peek() == '@' && peek(1) != '{')
            advance();
        else
            restore(start);
        LinkToken found;
        found.place = here();
        size_t offset = 0;
        if ((peek() == 'x' || peek() == 'o' || peek() == '<') && (peek(1) == '-' || peek(1) == '=' || peek(1) == '.'))
            offset = 1;
        const size_t from = pos_ + offset;
        if (const size_t solid = solidArrow(text_, from, '-')) {
            advance(offset + solid);
        } else if (const size_t thick = solidArrow(text_, from, '=')) {
            found.stroke = EdgeStroke::Thick;
            advance(offset + thick);
        } else if (const size_t dotted = dottedArrow(text_, from)) {
            found.stroke = EdgeStroke::Dotted;
            advance(offset + dotted);
        } else if (runOf(text_, from, '~') >= 3) {
            found.stroke = EdgeStroke::Invisible;
            advance(offset + runOf(text_, from, '~'));
        } else if (runOf(text_, from, '-') == 2 || runOf(text_, from, '=') == 2 || text_.substr(from).starts_with("-.")) {
            if (!linkText(found, offset))
                return false;
        } else {
            restore(start);
            return true;
        }
        skipBlanks();
        if (peek() == '|' && !pipeLabel(found))
            return false;
        token = std::move(found);
        return true;
    }

    // "-- TEXT -->", "== TEXT ==>", "-. TEXT .->".
    bool linkText(LinkToken& found, size_t offset)
    {
        const char line = text_[pos_ + offset];
        const bool dotted = line == '-' && text_[pos_ + offset + 1] == '.';
        found.stroke = dotted ? EdgeStroke::Dotted : line == '=' ? EdgeStroke::Thick : EdgeStroke::Normal;
        advance(offset + 2);
        const size_t textStart = pos_;
        const TextPlace textPlace = here();
        for (;;) {
            if (atEnd() || peek() == '\n') {
                error(found.place, "this link's text has no arrow after it");
                return false;
            }
            const size_t close = dotted ? (peek() == '.' ? dottedArrow(text_, pos_) : 0) : solidArrow(text_, pos_, line);
            if (close != 0) {
                setLabel(found, text_.substr(textStart, pos_ - textStart), textPlace);
                advance(close);
                return true;
            }
            advance();
        }
    }

    bool pipeLabel(LinkToken& found)
    {
        advance();
        const size_t start = pos_;
        const TextPlace place = here();
        while (!atEnd() && peek() != '|' && peek() != '\n')
            advance();
        if (peek() != '|') {
            error(place, "this link label has no closing '|'");
            return false;
        }
        setLabel(found, text_.substr(start, pos_ - start), place);
        advance();
        return true;
    }

    static void setLabel(LinkToken& found, std::string_view written, TextPlace place)
    {
        const std::string_view text = trimmed(written);
        found.label = std::string(unquoted(text));
        found.labelPlace = place;
    }

    std::string_view text_;
    GraphLimits limits_;
    size_t pos_ = 0;
    TextPlace place_;
    MermaidGraph graph_;
    std::unordered_map<std::string, int32_t> index_;
    std::vector<TextPlace> openSubgraphs_;
    size_t errorCount_ = 0;
    bool stopped_ = false;
};

} // namespace

MermaidGraph parseMermaidGraph(std::string_view utf8, GraphLimits limits)
{
    return GraphParser(utf8, limits).parse();
}

bool startsAsMermaidFlowchart(std::string_view utf8)
{
    return GraphParser(utf8, {}).startsAsFlowchart();
}

} // namespace corvix
