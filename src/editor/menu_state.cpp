#include "editor/menu_state.h"

namespace corvix {

MenuState::MenuState(UiPort& ui)
    : ui_(ui)
{
}

void MenuState::habilita_menus()
{
    ui_.setMainMenusEnabled(true);
}

void MenuState::desabilita_menus()
{
    ui_.setMainMenusEnabled(false);
}

void MenuState::refresh(const EditorState& state, bool kindPanelVisible, bool canUndo, bool canRedo, bool canGoToBlock)
{
    // A drawing of blocks without a single link is work too: keying on the links, as the
    // first design did, left it unsaveable but for the autosave.
    const bool hasBlocks = state.blockCount != 0;
    CommandStates states;
    states.saveAs = hasBlocks;
    states.deleteItem = !state.selection.empty();
    states.save = hasBlocks && !state.fileName.empty() && state.modified;
    states.canvas = !kindPanelVisible;
    states.undo = canUndo;
    states.redo = canRedo;
    states.goToBlock = canGoToBlock;
    canvasEnabled_ = states.canvas;
    ui_.setCommandStates(states);
}

} // namespace corvix
