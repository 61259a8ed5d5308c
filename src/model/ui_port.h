#pragma once

#include "model/block.h"
#include "model/message.h"

#include <cstdint>
#include <string>

namespace corvix {

enum class MessageIcon { None, Critical, Question, Exclamation };

// The answer Enter gives in a Yes/No box.
enum class DefaultAnswer { Yes, No };

// Screen pointers. InsertKind shows the picture of the block kind being inserted.
enum class Pointer { Default, Arrow, SizeAll, Hourglass, InsertKind };

// Enabled state of the commands that the timer refreshes on every tick.
struct CommandStates {
    bool saveAs = false;        // "Save &As"
    bool deleteItem = false;    // "&Delete block or link"
    bool save = false;          // "&Save"
    bool canvas = true;         // the canvas takes mouse input
    bool undo = false;          // a step can be undone now
    bool redo = false;          // a step can be redone now
    bool goToBlock = true;      // Find, Find Next and Go to Target: no operation waits
    bool operator==(const CommandStates&) const = default;
};

// What reading, writing and editing commands need from the desktop: telling the user,
// asking them, and the busy pointer. A headless run implements this much alone, in
// English.
class MessagePort {
public:
    virtual ~MessagePort() = default;

    // A box with an OK button and the program's title.
    virtual void showMessage(const Message& message, MessageIcon icon) = 0;
    // A Yes/No box with the question icon, Yes the default; true for Yes.
    virtual bool askYesNo(const Message& question) = 0;
    // The same with No the default, for a question whose Yes throws work away: a hasty
    // Enter keeps it. Where no key can be pressed (headless), a plain question.
    virtual bool askYesNoDefaultNo(const Message& question) { return askYesNo(question); }
    // kind is the block kind for Pointer::InsertKind, else ignored.
    virtual void setPointer(Pointer pointer, BlockKind kind = BlockKind::None) = 0;
};

// What the editor window's behaviour needs from the desktop besides messages. The Qt
// shell implements it with widgets; tests implement it with a scripted fake.
class UiPort : public MessagePort {
public:
    // The four main menus (File, Options, Insert Block, Delete) switched together.
    virtual void setMainMenusEnabled(bool enabled) = 0;
    virtual void setCommandStates(const CommandStates& states) = 0;
    // Puts the check mark on paper item index (0 "A&4", 1 "&Letter"); any other index
    // (from a damaged file) leaves no item checked.
    virtual void setPaperChecked(int32_t index) = 0;
    // The canvas image changed: show it.
    virtual void refreshCanvas() = 0;
    // The viewport's scroll bars changed range or value: mirror them without notifying back.
    virtual void scrollBarsChanged() = 0;
    // The panel of block kinds ("Select Block").
    virtual void showKindPanel(bool visible) = 0;
    // Opens the text dialog with cp1252Text, all of it selected, and disables the editor
    // window until the dialog closes. The shell answers with Editor::textDialogOk and
    // Editor::textDialogClosed.
    virtual void openTextDialog(const std::string& cp1252Text) = 0;
    // The Shift-held pan's own timer: ticks every milliseconds, each passed to
    // Editor::panTimerTick, until it is stopped.
    virtual void startPanTimer(int32_t milliseconds) = 0;
    virtual void stopPanTimer() = 0;
};

} // namespace corvix
