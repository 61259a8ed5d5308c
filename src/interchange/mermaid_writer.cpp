#include "interchange/mermaid_writer.h"

#include "interchange/mermaid_classes.h"
#include "model/block_roles.h"
#include "model/text_codec.h"
#include "model/text_rules.h"
#include "storage/safe_file.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

namespace corvix {

namespace {

struct KindSyntax {
    std::string_view open;
    std::string_view close;
    std::string_view className;  // empty for none
};

KindSyntax kindSyntax(BlockKind kind)
{
    switch (kind) {
    case BlockKind::Decision:
    case BlockKind::DecisionSwapped:
        return {"{", "}", {}};
    case BlockKind::GotoJump:
        return {"([", "])", kGotoJumpClass};
    case BlockKind::GotoTarget:
        return {"([", "])", kGotoTargetClass};
    case BlockKind::Explanation:
        return {"[", "]", kExplanationClass};
    default:
        return {"[", "]", {}};
    }
}

constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kClassStyles = {{
    {kGotoJumpClass, "fill:#fde4e4,stroke:#b03a3a"},
    {kGotoTargetClass, "fill:#e4f5e4,stroke:#3a8a3a"},
    {kExplanationClass, "fill:#fff8d6,stroke:#a08a20,stroke-dasharray:4 3"},
}};

class MermaidWriter {
public:
    MermaidWriter(std::span<const Block> blocks, std::span<const Link> links, TextSink& sink)
        : blocks_(blocks), links_(links), sink_(sink)
    {
    }

    void write()
    {
        put("flowchart TD\n");
        writeClassDefinitions();
        for (size_t i = 0; i < blocks_.size(); ++i)
            writeBlock(i);
        for (const Link& link : links_)
            writeLink(link);
        writeGotos();
        flush();
    }

private:
    void put(std::string_view text)
    {
        buffer_ += text;
        if (buffer_.size() >= 16384)
            flush();
    }

    void flush()
    {
        sink_.write(buffer_);
        buffer_.clear();
    }

    void putId(size_t index)
    {
        put("b");
        put(std::to_string(index + 1));
    }

    void writeClassDefinitions()
    {
        for (const auto& [name, style] : kClassStyles) {
            const std::string_view className = name;
            const bool used = std::any_of(blocks_.begin(), blocks_.end(),
                                          [className](const Block& b) { return kindSyntax(b.kind).className == className; });
            if (!used)
                continue;
            put("    classDef ");
            put(name);
            put(" ");
            put(style);
            put("\n");
        }
    }

    // A quoted label: characters Mermaid would read as markup, as its codes or as a
    // Markdown string, and those it would trim, are written as its codes; line breaks as
    // <br>. Never empty, which Mermaid refuses.
    void putLabel(std::string_view text)
    {
        put("\"");
        if (text.empty())
            put(" ");
        for (size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            switch (c) {
            case '"': put("#quot;"); break;
            case '#': put("#35;"); break;
            case '&': put("#amp;"); break;
            case '<': put("#lt;"); break;
            case '>': put("#gt;"); break;
            case '`': put("#96;"); break;
            case '\t': put("#9;"); break;
            case '\r':
                if (i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
                put("<br>");
                break;
            case '\n': put("<br>"); break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    put("#" + std::to_string(int(c)) + ";");
                } else {
                    put(cp1252ToUtf8(std::string_view(&text[i], 1)));
                }
            }
        }
        put("\"");
    }

    void writeBlock(size_t index)
    {
        const Block& block = blocks_[index];
        const KindSyntax syntax = kindSyntax(block.kind);
        put("    ");
        putId(index);
        put(syntax.open);
        putLabel(block.text);
        put(syntax.close);
        if (!syntax.className.empty()) {
            put(":::");
            put(syntax.className);
        }
        put("\n");
    }

    bool inRange(int32_t block) const { return block >= 0 && size_t(block) < blocks_.size(); }

    void writeLink(const Link& link)
    {
        const int32_t from = codeBlock(link.source);
        const int32_t to = codeBlock(link.target);
        if (!inRange(from) || !inRange(to))
            return;
        put("    ");
        putId(size_t(from));
        const BlockKind kind = blocks_[size_t(from)].kind;
        const DecisionExits exits = decisionExits(kind);
        const Port exit = codePort(link.source);
        if (isDecisionKind(kind) && exit == exits.yes)
            put(" -->|Yes| ");
        else if (isDecisionKind(kind) && exit == exits.no)
            put(" -->|No| ");
        else
            put(" --> ");
        putId(size_t(to));
        put("\n");
    }

    // A dotted edge from each goto jump to the first target of its key states the goto.
    void writeGotos()
    {
        std::unordered_map<std::string, size_t> targets;
        for (size_t i = 0; i < blocks_.size(); ++i) {
            if (isGotoTarget(blocks_[i].kind))
                targets.try_emplace(gotoKey(blocks_[i].text), i);
        }
        for (size_t i = 0; i < blocks_.size(); ++i) {
            if (!isGotoJump(blocks_[i].kind))
                continue;
            const auto target = targets.find(gotoKey(blocks_[i].text));
            if (target == targets.end())
                continue;
            put("    ");
            putId(i);
            put(" -.-> ");
            putId(target->second);
            put("\n");
        }
    }

    std::span<const Block> blocks_;
    std::span<const Link> links_;
    TextSink& sink_;
    std::string buffer_;
};

class StringSink final : public TextSink {
public:
    void write(std::string_view utf8) override { text.append(utf8); }
    std::string text;
};

} // namespace

void writeMermaid(std::span<const Block> blocks, std::span<const Link> links, TextSink& sink)
{
    MermaidWriter(blocks, links, sink).write();
}

std::string mermaidText(std::span<const Block> blocks, std::span<const Link> links)
{
    StringSink sink;
    writeMermaid(blocks, links, sink);
    return std::move(sink.text);
}

bool writeMermaidFile(const std::string& path, std::span<const Block> blocks, std::span<const Link> links)
{
    const std::string text = mermaidText(blocks, links);
    return replaceFileSafely(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

} // namespace corvix
