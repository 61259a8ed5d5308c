#pragma once

#include <cstdint>
#include <string>

namespace corvix {

enum class MessageIcon { None, Critical, Question, Exclamation };

// Screen pointers. InsertKind shows the picture of the block kind being inserted.
enum class Pointer { Default, Arrow, SizeAll, Hourglass, InsertKind };

// What the core needs from the desktop. The Qt shell implements it with widgets;
// tests implement it with a scripted fake. Texts are UTF-8.
class UiPort {
public:
    virtual ~UiPort() = default;

    // A box with an OK button and the program's title.
    virtual void showMessage(const std::string& text, MessageIcon icon) = 0;
    // A Yes/No box with the question icon; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
    // kind is the BlockKind for Pointer::InsertKind, else ignored.
    virtual void setPointer(Pointer pointer, int32_t kind = 0) = 0;
    // The four main menus (File, Options, Insert Block, Delete) switched together.
    virtual void setMainMenusEnabled(bool enabled) = 0;
    // The canvas image changed: show it.
    virtual void refreshCanvas() = 0;
};

} // namespace corvix
