#include "editor/editor.h"

#include "model/ole_date.h"
#include "model/program_info.h"

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
    , menus_(ui)
    , commands_(state, ui, windowFont)
    , view_(state, ui, canvas)
    , interaction_(state, ui, commands_, view_, menus_)
    , machineTag_(machineTag())
    , clock_(steadySeconds)
{
}

void Editor::Diagrama_MouseDown(MouseButton button, KeyModifiers modifiers, float x, float y)
{
    interaction_.press(button, modifiers, x, y);
}

void Editor::Diagrama_MouseMove(MouseButton, KeyModifiers, float x, float y)
{
    interaction_.move(x, y);
}

void Editor::Diagrama_DblClick()
{
    interaction_.doubleClick();
}

void Editor::minserebloco_Click()
{
    interaction_.showKindPanelForInsert();
}

void Editor::SelBloco_Click(int16_t index)
{
    interaction_.chooseKindToInsert(index);
}

void Editor::mapagabloco_Click()
{
    desabilita_menus();
    interaction_.deleteSelected();
    habilita_menus();
}

void Editor::mtippapel_Click(int16_t index)
{
    applyPaper(index);
}

void Editor::textDialogOk(const std::string& cp1252Text)
{
    interaction_.textDialogOk(cp1252Text);
}

void Editor::textDialogClosed()
{
    interaction_.textDialogClosed();
}

void Editor::Form_Resize(int32_t clientWidth, int32_t clientHeight, bool minimized)
{
    view_.resize(clientWidth, clientHeight, minimized);
}

void Editor::HScroll1_Change(int16_t value)
{
    view_.scrolled(ScrollAxis::Horizontal, value);
}

void Editor::VScroll1_Change(int16_t value)
{
    view_.scrolled(ScrollAxis::Vertical, value);
}

void Editor::Timer1_Timer()
{
    menus_.refresh(state_, interaction_.kindPanelVisible(), canUndo(), canRedo(), canGoToBlock());
    if (tickRunning_)
        return;
    tickRunning_ = true;
    if (view_.panHeld()) {
        desabilita_menus();
        view_.panWhileHeld();
        habilita_menus();
    }
    if (tickTail_)
        tickTail_(nowSeconds());
    tickRunning_ = false;
}

void Editor::repinta_tudo()
{
    view_.repinta_tudo();
}

void Editor::cancela_operacao()
{
    interaction_.cancela_operacao();
}

void Editor::limpa_desenho()
{
    state_.resetTables();
    state_.header.creatorTag = machineTag_;
    state_.header.saverTag = machineTag_;
    state_.header.createdAt = oleDateNow();
    view_.scrollToOrigin();
    state_.modified = false;
    state_.fileName.clear();
    commands_.history().clear();
    view_.repinta_tudo();
}

void Editor::habilita_menus()
{
    menus_.habilita_menus();
}

void Editor::desabilita_menus()
{
    menus_.desabilita_menus();
}

ViewPosition Editor::viewPosition() const
{
    return {view_.viewport().hScroll().value, view_.viewport().vScroll().value};
}

void Editor::markSaved()
{
    state_.modified = false;
    commands_.history().markSaved();
}

void Editor::forgetSavedState()
{
    commands_.history().forgetSavedState();
}

void Editor::setTickTail(std::function<void(double)> step)
{
    tickTail_ = std::move(step);
}

void Editor::setClock(Clock clock)
{
    clock_ = std::move(clock);
}

// A file may store any 32-bit paper type; it is kept whole so that a save writes it back.
void Editor::applyPaper(int32_t paperType)
{
    view_.applyPaper(paperType);
}

void Editor::restoreView(int32_t scrollX, int32_t scrollY)
{
    view_.restoreView(scrollX, scrollY);
}

void Editor::loaded()
{
    commands_.history().clear();
    view_.repinta_tudo();
    interaction_.cancela_operacao();
}

void Editor::rejected()
{
    interaction_.cancela_operacao();
}

void Editor::define_bloco(int32_t index, BlockKind kind, const std::string& text, int32_t x, int32_t y)
{
    commands_.define_bloco(index, kind, text, x, y);
}

bool Editor::insere_bloco(BlockKind kind, const std::string& text, int32_t x, int32_t y)
{
    return commands_.insere_bloco(kind, text, x, y);
}

bool Editor::apaga_bloco()
{
    return interaction_.apaga_bloco();
}

void Editor::apaga_ligacao()
{
    interaction_.apaga_ligacao();
}

void Editor::desenha_elastico(bool forcar)
{
    view_.desenha_elastico(forcar);
}

void Editor::atualiza_vista()
{
    view_.atualiza_vista();
}

bool Editor::canUndo() const
{
    return !interaction_.operationWaiting() && commands_.history().canUndo();
}

bool Editor::canRedo() const
{
    return !interaction_.operationWaiting() && commands_.history().canRedo();
}

bool Editor::undo()
{
    if (!canUndo())
        return false;
    commands_.undo();
    showHistoryStep();
    return true;
}

bool Editor::redo()
{
    if (!canRedo())
        return false;
    commands_.redo();
    showHistoryStep();
    return true;
}

// A restored step may have removed what was selected: start from no selection.
void Editor::showHistoryStep()
{
    state_.selectedBlock = -1;
    state_.selectedLink = -1;
    view_.repinta_tudo();
}

} // namespace corvix
