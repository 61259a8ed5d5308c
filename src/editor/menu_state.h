#pragma once
// The enabled state of the editor window's commands: the four main menus, switched off
// together while an operation waits for a press, and the commands the timer follows.

#include "model/editor_state.h"
#include "model/ui_port.h"

namespace corvix {

class MenuState {
public:
    explicit MenuState(UiPort& ui);

    // Switch the four main menus (File, Options, Insert Block, Delete) on or off.
    void habilita_menus();
    void desabilita_menus();

    // Save, Save As, Delete, Undo, Redo, the find commands and the canvas follow the
    // drawing as it is now.
    void refresh(const EditorState& state, bool kindPanelVisible, bool canUndo, bool canRedo, bool canGoToBlock);

    // False from a refresh while the kind panel was shown: the canvas then ignores the mouse.
    bool canvasEnabled() const { return canvasEnabled_; }

private:
    UiPort& ui_;
    bool canvasEnabled_ = true;
};

} // namespace corvix
