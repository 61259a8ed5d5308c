// The view: layout, scroll bars, paper, a new drawing, and the timer's tick.
#include "editor/editor.h"

#include "model/ole_date.h"
#include "model/paper.h"

#include <algorithm>

namespace corvix {

void Editor::Form_Resize(int32_t clientWidth, int32_t clientHeight, bool minimized)
{
    if (minimized)
        return;
    viewport_.resize(clientWidth, clientHeight, state_.paper);
    repinta_tudo();
}

void Editor::HScroll1_Change(int16_t value)
{
    viewport_.userScrolled(ScrollAxis::Horizontal, value);
}

void Editor::VScroll1_Change(int16_t value)
{
    viewport_.userScrolled(ScrollAxis::Vertical, value);
}

void Editor::atualiza_vista()
{
    // The repaint wipes the exclusive-or band, so it must not be erased again.
    rubberBandDrawn_ = false;
    repinta_tudo();
    desenha_elastico(true);
}

void Editor::mtippapel_Click(int16_t index)
{
    applyPaper(index);
}

// A file may store any 32-bit paper type; it is kept whole so that a save writes it back.
void Editor::applyPaper(int32_t paperType)
{
    ui_.setPaperChecked(paperType);
    applyPaperType(state_.paper, paperType);
    viewport_.applyPaper(state_.paper);
    state_.header.paperType = paperType;
    repinta_tudo();
}

void Editor::restoreView(int32_t scrollX, int32_t scrollY)
{
    viewport_.setValue(ScrollAxis::Horizontal, std::min<int32_t>(scrollX, viewport_.hScroll().maximum));
    viewport_.setValue(ScrollAxis::Vertical, std::min<int32_t>(scrollY, viewport_.vScroll().maximum));
}

void Editor::loaded()
{
    history_.clear();
    repinta_tudo();
    cancela_operacao();
}

void Editor::rejected()
{
    cancela_operacao();
}

void Editor::limpa_desenho()
{
    state_.resetTables();
    state_.header.creatorTag = machineTag_;
    state_.header.saverTag = machineTag_;
    state_.header.createdAt = oleDateNow();
    viewport_.setValue(ScrollAxis::Horizontal, 0);
    viewport_.setValue(ScrollAxis::Vertical, 0);
    state_.modified = false;
    state_.fileName.clear();
    history_.clear();
    repinta_tudo();
}

void Editor::refreshCommands()
{
    CommandStates states;
    states.saveAs = state_.linkCount != 0;
    states.deleteItem = state_.selectedLink != -1 || state_.selectedBlock != -1;
    states.save = state_.linkCount != 0 && !state_.fileName.empty() && state_.modified;
    states.canvas = !kindPanelVisible_;
    states.undo = canUndo();
    states.redo = canRedo();
    canvasEnabled_ = states.canvas;
    ui_.setCommandStates(states);
}

void Editor::Timer1_Timer()
{
    refreshCommands();
    if (tickRunning_)
        return;
    tickRunning_ = true;
    if (shiftDown_)
        autoPan();
    if (tickTail_)
        tickTail_(nowSeconds());
    tickRunning_ = false;
}

void Editor::autoPan()
{
    desabilita_menus();
    // Paced at the screen's frames, and an unmoved view is not painted again: a pointer
    // resting in the middle while Shift is held costs next to nothing.
    while (shiftDown_) {
        if (viewport_.autoPanPass(pointerX_, pointerY_))
            atualiza_vista();
        ui_.processEventsFor(Viewport::kAutoPanPassMs);
    }
    habilita_menus();
}

} // namespace corvix
