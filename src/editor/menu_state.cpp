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

void MenuState::refresh(const EditorState& state, const BlockSelection& selection, bool kindPanelVisible, bool canUndo,
                        bool canRedo, bool canGoToBlock)
{
    CommandStates states;
    states.saveAs = state.linkCount != 0;
    states.deleteItem = state.selectedLink != -1 || state.selectedBlock != -1 || selection.several();
    states.save = state.linkCount != 0 && !state.fileName.empty() && state.modified;
    states.canvas = !kindPanelVisible;
    states.undo = canUndo;
    states.redo = canRedo;
    states.goToBlock = canGoToBlock;
    canvasEnabled_ = states.canvas;
    ui_.setCommandStates(states);
}

} // namespace corvix
