#include "editor/editor.h"

#include "model/program_info.h"
#include "render/render_pass.h"

#include <chrono>
#include <utility>

namespace corvix {

namespace {

double steadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

Editor::Editor(EditorState& state, UiPort& ui, RenderTarget& canvas, const TextMeasurer& windowFont)
    : state_(state)
    , ui_(ui)
    , canvas_(canvas)
    , windowFont_(windowFont)
    , viewport_(ui, [this] { atualiza_vista(); })
    , machineTag_(machineTag())
    , clock_(steadySeconds)
{
}

Viewport& Editor::viewport()
{
    return viewport_;
}

const Viewport& Editor::viewport() const
{
    return viewport_;
}

EditorState& Editor::state()
{
    return state_;
}

void Editor::setClock(Clock clock)
{
    clock_ = std::move(clock);
}

void Editor::setTickTail(std::function<void(double)> step)
{
    tickTail_ = std::move(step);
}

void Editor::repinta_tudo()
{
    desenha_diagrama(canvas_, state_, viewport_.viewOffsetX(), viewport_.viewOffsetY());
    ui_.refreshCanvas();
}

void Editor::cancela_operacao()
{
    habilita_menus();
    state_.kindToInsert = 0;
    state_.selectedLink = -1;
    state_.selectedBlock = -1;
    state_.editMode = Idle;
    ui_.setPointer(Pointer::Default);
}

void Editor::habilita_menus()
{
    ui_.setMainMenusEnabled(true);
}

void Editor::desabilita_menus()
{
    ui_.setMainMenusEnabled(false);
}

bool Editor::operationWaiting() const
{
    return state_.editMode != Idle || kindPanelVisible_ || textDialogOpen_;
}

bool Editor::canUndo() const
{
    return !operationWaiting() && history_.canUndo();
}

bool Editor::canRedo() const
{
    return !operationWaiting() && history_.canRedo();
}

bool Editor::undo()
{
    if (!canUndo())
        return false;
    history_.undo(state_);
    showHistoryStep();
    return true;
}

bool Editor::redo()
{
    if (!canRedo())
        return false;
    history_.redo(state_);
    showHistoryStep();
    return true;
}

// A restored step may have removed what was selected: start from no selection.
void Editor::showHistoryStep()
{
    state_.selectedBlock = -1;
    state_.selectedLink = -1;
    repinta_tudo();
}

bool Editor::isBlockIndex(int32_t index) const
{
    return index >= 0 && index < state_.blockCount;
}

} // namespace corvix
