#pragma once
// What the core tells the user, named rather than worded: an identifier and the arguments
// that fill its wording. The wording is English, held once in messageWording; the shell
// translates it into the user's language, the command line and the tests read it in
// English (englishText).

#include <cstdint>
#include <string>
#include <vector>

// Marks an English wording for lupdate, which reads it as QT_TRANSLATE_NOOP (the
// catalogues are kept with -tr-function-alias); the core itself needs no Qt for it.
#define CORVIX_WORDING(context, english) ::corvix::MessageWording{context, english}

namespace corvix {

enum class MessageId : uint8_t {
    Verbatim,  // %1 as it is: a text no catalogue holds (a reader's diagnostics)
    // Diagram files
    InconsistentFile,
    DamagedFile,         // %1 path
    UnreadableFile,      // %1 path, %2 the reason
    SaveFailed,          // %1 path
    RecoveryNameRefused, // %1 path
    NotADiagram,
    DiscardQuestion,
    RecoveryQuestion,
    // Editing
    BlockCapacity,       // %1 the table's capacity
    LinkCapacity,        // %1 the table's capacity
    PasteBlockCapacity,  // %1 capacity, %2 the count the paste would make
    PasteLinkCapacity,   // %1 capacity, %2 the count the paste would make
    DeleteBlockQuestion,
    DeleteLinkQuestion,
    DeleteBlocksQuestion,  // %1 how many
    BadBlockKind,
    LinkToItself,
    InvalidLink,
    NoFreePlace,
    NoBlockToLinkFrom,
    NoFreeExit,
    NoBlockContains,     // %1 the text looked for
    NoTargetOfJump,
    NoJumpToTarget,
    NotAGotoBlock,
    TooLargeToArrange,
    NoArrange,
    MoreDiagnostics,     // %1 the lines shown, %2 how many more there are
    // The flowchart checks' problems, after the block and the check's code
    YesExitUnlinked,
    NoExitUnlinked,
    JumpWithoutTarget,
    TargetDuplicate,
    TargetUnused,
    Unreachable,
    OffPage,
    Overlap,             // %1 the earlier block's number
    DefaultText,
    // What a screen reader hears about a block
    ActionName,          // %1 the block's number, as every name here
    DecisionName,
    GotoJumpName,
    GotoTargetName,
    ExplanationName,
    UnknownKindName,
    NextExit,            // %1 where the exit leads, as the exits and entries here
    YesExit,
    NoExit,
    JumpTarget,
    JumpsToTarget,
    Entries,
    OneBlock,            // %1 the block's number
    SeveralBlocks,       // %1 the numbers, joined by ", "
    ExitUnlinked,
    NoTarget,
    NoJumps,
};

struct MessageWording {
    const char* context;  // the catalogue's context
    const char* english;  // with %1, %2, ... where the arguments go
};

struct Message {
    MessageId id = MessageId::Verbatim;
    std::vector<std::string> arguments;  // UTF-8, for %1, %2, ... in order

    bool operator==(const Message&) const = default;
};

MessageWording messageWording(MessageId id);

// wording with each %N replaced by arguments[N-1], in one pass, so that a path holding
// "%1" stays as it is; a %N without an argument stays too.
std::string fillArguments(const std::string& wording, const std::vector<std::string>& arguments);

std::string englishText(const Message& message);

// A way of wording messages in UTF-8: englishText, or the shell's translation.
using Wording = std::string (*)(const Message& message);

} // namespace corvix
