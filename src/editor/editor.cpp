#include "editor/editor.h"

#include "model/ole_date.h"
#include "model/program_info.h"
#include "view/zoom.h"

#include <chrono>
#include <cstdlib>
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
    , messages_(ui)
    , menus_(ui)
    , commands_(state, ui, windowFont)
    , selection_(state)
    , view_(state, ui, canvas, selection_)
    , interaction_(state, ui, commands_, view_, menus_, selection_)
    , clipboard_(state, commands_, view_, selection_)
    , textImport_(state, ui, commands_, view_, selection_, windowFont, arranger_)
    , machineTag_(machineTag())
    , clock_(steadySeconds)
{
}

void Editor::Diagrama_MouseDown(MouseButton button, KeyModifiers modifiers, float x, float y)
{
    interaction_.press(button, modifiers, x, y);
}

void Editor::Diagrama_MouseMove(MouseButton buttons, KeyModifiers, float x, float y)
{
    interaction_.move(buttons, x, y);
}

void Editor::Diagrama_MouseUp(MouseButton button, KeyModifiers, float x, float y)
{
    interaction_.release(button, x, y);
}

void Editor::setDragDistance(int32_t distance)
{
    interaction_.setDragDistance(distance);
}

void Editor::Diagrama_DblClick()
{
    interaction_.doubleClick();
}

void Editor::wheelTurned(int32_t notches, KeyModifiers modifiers, float x, float y)
{
    if (modifiers.ctrl()) {
        double level = view_.zoom();
        for (int32_t n = 0; n < std::abs(notches); ++n)
            level = notches > 0 ? zoomInFrom(level) : zoomOutFrom(level);
        if (level != view_.zoom())
            view_.zoomAbout(level, x, y);
        return;
    }
    view_.wheelScroll(modifiers.alt() ? ScrollAxis::Horizontal : ScrollAxis::Vertical, notches);
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
    menus_.desabilita_menus();
    interaction_.deleteSelected();
    menus_.habilita_menus();
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
    menus_.refresh(state_, selection_, interaction_.kindPanelVisible(), canUndo(), canRedo(), canGoToBlock());
    if (tickRunning_)
        return;
    tickRunning_ = true;
    if (view_.panHeld() && !panning_) {
        panning_ = true;
        menus_.desabilita_menus();
        view_.panStep();
        ui_.startPanTimer(Viewport::kAutoPanPassMs);
    }
    if (tickTail_)
        tickTail_(nowSeconds());
    tickRunning_ = false;
}

void Editor::panTimerTick()
{
    if (!panning_)
        return;
    if (view_.panHeld())
        view_.panStep();
    else
        endPan();
}

void Editor::followShift(bool held)
{
    view_.setPanHeld(held);
    if (!held && panning_)
        endPan();
}

void Editor::endPan()
{
    panning_ = false;
    ui_.stopPanTimer();
    menus_.habilita_menus();
}

void Editor::repaint()
{
    view_.repinta_tudo();
}

void Editor::cancelOperation()
{
    interaction_.cancela_operacao();
}

void Editor::limpa_desenho()
{
    state_.resetTables();
    selection_.forgetSeveral();
    state_.header.creatorTag = machineTag_;
    state_.header.saverTag = machineTag_;
    state_.header.createdAt = oleDateNow();
    view_.scrollToOrigin();
    state_.modified = false;
    state_.fileName.clear();
    commands_.history().clear();
    view_.repinta_tudo();
}

void Editor::clearDrawing()
{
    limpa_desenho();
}

void Editor::enableMenus()
{
    menus_.habilita_menus();
}

void Editor::disableMenus()
{
    menus_.desabilita_menus();
}

// The file keeps the view in sheet units, so that it does not depend on the zoom: the
// sheet point at the canvas's corner.
ViewPosition Editor::viewPosition() const
{
    const Point corner = view_.sheetPoint(0, 0);
    return {corner.x, corner.y};
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

void Editor::setArranger(Arranger arranger)
{
    arranger_ = std::move(arranger);
}

bool Editor::importDrawing(DiagramFragment fragment)
{
    std::optional<DiagramFragment> arranged = textImport_.arrangeDrawing(std::move(fragment));
    if (!arranged)
        return false;
    limpa_desenho();
    putDrawing(state_, *arranged);
    state_.modified = true;
    forgetSavedState();
    interaction_.cancela_operacao();
    return true;
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

void Editor::diagramReplaced()
{
    commands_.history().clear();
    interaction_.cancela_operacao();
}

std::optional<ClipboardContent> Editor::cut()
{
    return canCopy() ? clipboard_.cut() : std::nullopt;
}

std::optional<ClipboardContent> Editor::copy() const
{
    return canCopy() ? clipboard_.copy() : std::nullopt;
}

void Editor::paste(const ClipboardContent& content, std::optional<CanvasPoint> pointer)
{
    if (!canPaste())
        return;
    if (content.blocks.empty() && textImport_.pasteMermaid(content.utf8Text, pointer))
        return;
    clipboard_.paste(content, pointer);
}

void Editor::duplicate()
{
    if (canCopy())
        clipboard_.duplicate();
}

void Editor::selectAll()
{
    if (canSelectAll())
        interaction_.selectAll();
}

bool Editor::canCopy() const
{
    return !interaction_.operationWaiting() && !selection_.empty();
}

bool Editor::canPaste() const
{
    return !interaction_.operationWaiting();
}

bool Editor::canSelectAll() const
{
    return !interaction_.operationWaiting() && state_.blockCount > 0;
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
    selection_.forgetSeveral();
    view_.repinta_tudo();
}

} // namespace corvix
