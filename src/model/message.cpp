#include "model/message.h"

#include <cctype>

namespace corvix {

MessageWording messageWording(MessageId id)
{
    switch (id) {
    case MessageId::Verbatim: return {"Messages", "%1"};
    case MessageId::InconsistentFile: return CORVIX_WORDING("Messages", "File with inconsistent data!");
    case MessageId::DamagedFile: return CORVIX_WORDING("Messages", "File [%1] has BAD DATA.");
    case MessageId::UnreadableFile: return CORVIX_WORDING("Messages", "Could not open file (%1): %2");
    case MessageId::SaveFailed: return CORVIX_WORDING("Messages", "Failed to save file (%1)");
    case MessageId::RecoveryNameRefused:
        return CORVIX_WORDING("Messages", "The file (%1) is Corvix's recovery copy, which is deleted when Corvix closes."
                                          " Please choose another name.");
    case MessageId::NotADiagram: return CORVIX_WORDING("Messages", "File is not a '.FXG'!");
    case MessageId::DiscardQuestion:
        return CORVIX_WORDING("Messages", "The drawing can have been changed. Do you want to discard it?");
    case MessageId::RecoveryQuestion:
        return CORVIX_WORDING("Messages", "The last session was terminated abnormally.\r\n"
                                          " Do you want to load the last saved session?");
    case MessageId::BlockCapacity:
        return CORVIX_WORDING("Messages", "The drawing already has %1 blocks, as many as it can hold."
                                          " The block was not inserted.");
    case MessageId::LinkCapacity:
        return CORVIX_WORDING("Messages", "The drawing already has %1 links, as many as it can hold."
                                          " The link was not made.");
    case MessageId::PasteBlockCapacity:
        return CORVIX_WORDING("Messages", "The drawing can hold %1 blocks; with these it would have %2."
                                          " Nothing was pasted.");
    case MessageId::PasteLinkCapacity:
        return CORVIX_WORDING("Messages", "The drawing can hold %1 links; with these it would have %2."
                                          " Nothing was pasted.");
    case MessageId::DeleteBlockQuestion: return CORVIX_WORDING("Messages", "Delete selected block?");
    case MessageId::DeleteLinkQuestion: return CORVIX_WORDING("Messages", "Delete selected link?");
    case MessageId::DeleteBlocksQuestion: return CORVIX_WORDING("Messages", "Delete %1 selected blocks?");
    case MessageId::BadBlockKind: return CORVIX_WORDING("Messages", "Problems concerning block type!");
    case MessageId::LinkToItself: return CORVIX_WORDING("Messages", "You can NOT connect a block to itself!");
    case MessageId::InvalidLink: return CORVIX_WORDING("Messages", "This link is not valid!");
    case MessageId::NoFreePlace:
        return CORVIX_WORDING("Messages", "There is no free place on the page for a new block there.");
    case MessageId::NoBlockToLinkFrom: return CORVIX_WORDING("Messages", "Select the block to link from first.");
    case MessageId::NoFreeExit: return CORVIX_WORDING("Messages", "The selected block has no free exit.");
    case MessageId::NoBlockContains: return CORVIX_WORDING("Messages", "No block contains '%1'.");
    case MessageId::NoTargetOfJump:
        return CORVIX_WORDING("Messages", "No goto target has the text of the selected goto jump.");
    case MessageId::NoJumpToTarget:
        return CORVIX_WORDING("Messages", "No goto jump has the text of the selected goto target.");
    case MessageId::NotAGotoBlock:
        return CORVIX_WORDING("Messages",
                              "Select a goto jump to go to its target, or a goto target to go to its jumps.");
    case MessageId::TooLargeToArrange:
        return CORVIX_WORDING("Messages", "The drawing is too large to arrange on one page.");
    case MessageId::NoArrange:
        return CORVIX_WORDING("Messages", "Corvix was built without Arrange: the flowchart cannot be laid out.");
    case MessageId::MoreDiagnostics: return CORVIX_WORDING("Messages", "%1\n(%2 more)");
    case MessageId::YesExitUnlinked: return CORVIX_WORDING("Problems", "the Yes exit has no link");
    case MessageId::NoExitUnlinked: return CORVIX_WORDING("Problems", "the No exit has no link");
    case MessageId::JumpWithoutTarget: return CORVIX_WORDING("Problems", "no goto target has its key");
    case MessageId::TargetDuplicate: return CORVIX_WORDING("Problems", "an earlier goto target has the same key");
    case MessageId::TargetUnused: return CORVIX_WORDING("Problems", "no goto jump has its key");
    case MessageId::Unreachable: return CORVIX_WORDING("Problems", "it cannot be reached from the start");
    case MessageId::OffPage: return CORVIX_WORDING("Problems", "its drawing is not wholly inside the page frame");
    case MessageId::Overlap: return CORVIX_WORDING("Problems", "overlaps block %1");
    case MessageId::DefaultText: return CORVIX_WORDING("Problems", "its text is still the default");
    case MessageId::ActionName: return CORVIX_WORDING("BlockWords", "Action %1");
    case MessageId::DecisionName: return CORVIX_WORDING("BlockWords", "Decision %1");
    case MessageId::GotoJumpName: return CORVIX_WORDING("BlockWords", "Goto jump %1");
    case MessageId::GotoTargetName: return CORVIX_WORDING("BlockWords", "Goto target %1");
    case MessageId::ExplanationName: return CORVIX_WORDING("BlockWords", "Explanation %1");
    case MessageId::UnknownKindName: return CORVIX_WORDING("BlockWords", "Block %1");
    case MessageId::NextExit: return CORVIX_WORDING("BlockWords", "Next: %1");
    case MessageId::YesExit: return CORVIX_WORDING("BlockWords", "Yes: %1");
    case MessageId::NoExit: return CORVIX_WORDING("BlockWords", "No: %1");
    case MessageId::JumpTarget: return CORVIX_WORDING("BlockWords", "Target: %1");
    case MessageId::JumpsToTarget: return CORVIX_WORDING("BlockWords", "Jumps from %1");
    case MessageId::Entries: return CORVIX_WORDING("BlockWords", "Entered from %1");
    case MessageId::OneBlock: return CORVIX_WORDING("BlockWords", "block %1");
    case MessageId::SeveralBlocks: return CORVIX_WORDING("BlockWords", "blocks %1");
    case MessageId::ExitUnlinked: return CORVIX_WORDING("BlockWords", "no link");
    case MessageId::NoTarget: return CORVIX_WORDING("BlockWords", "none");
    case MessageId::NoJumps: return CORVIX_WORDING("BlockWords", "no block");
    }
    return {"Messages", ""};
}

std::string fillArguments(const std::string& wording, const std::vector<std::string>& arguments)
{
    std::string text;
    for (size_t i = 0; i < wording.size(); ++i) {
        const bool digitFollows = i + 1 < wording.size() && std::isdigit(static_cast<unsigned char>(wording[i + 1]));
        if (wording[i] != '%' || !digitFollows) {
            text += wording[i];
            continue;
        }
        size_t end = i + 1;
        size_t number = 0;
        while (end < wording.size() && std::isdigit(static_cast<unsigned char>(wording[end])))
            number = number * 10 + size_t(wording[end++] - '0');
        if (number >= 1 && number <= arguments.size())
            text += arguments[number - 1];
        else
            text.append(wording, i, end - i);
        i = end - 1;
    }
    return text;
}

std::string englishText(const Message& message)
{
    return fillArguments(messageWording(message.id).english, message.arguments);
}

} // namespace corvix
