#pragma once
// What the user does on the canvas: presses by edit mode, pointer moves and double-clicks,
// drags (blocks, a link, a selection box), the Insert Block panel, deleting what is
// selected, the text dialog, and ending an operation that waits for its second press.

#include "editor/block_selection.h"
#include "editor/canvas_view.h"
#include "editor/drawing_commands.h"
#include "editor/flow_keys.h"
#include "editor/flow_steps.h"
#include "editor/hit_test.h"
#include "editor/menu_state.h"
#include "model/editor_state.h"
#include "model/input.h"
#include "model/ui_port.h"

#include <cstdint>
#include <optional>
#include <string>

namespace corvix {

class Interaction final : public FlowKeys {
public:
    Interaction(EditorState& state, UiPort& ui, DrawingCommands& commands, CanvasView& view, MenuState& menus,
                BlockSelection& selection);
    Interaction(const Interaction&) = delete;
    Interaction& operator=(const Interaction&) = delete;

    // The canvas, in canvas units. Ignored while the canvas is disabled. A left press
    // without Shift does what a click does and may then become a drag: once the pointer,
    // the button held, has moved more than the drag distance, the release ends the drag.
    void press(MouseButton button, KeyModifiers modifiers, float x, float y);
    void move(MouseButton buttons, float x, float y);
    void release(MouseButton button, float x, float y);
    // The desktop's drag distance, in canvas units (Manhattan length).
    void setDragDistance(int32_t distance) { dragDistance_ = distance; }
    // Opens the text dialog on the selected block.
    void doubleClick();

    // cancela_operacao: no operation or drag, nothing selected, no kind to insert, menus on.
    void cancela_operacao();
    // Esc: hides the kind panel and ends any operation.
    void escape();

    // Insert Block: the kind panel, then the press that inserts the chosen kind.
    void showKindPanelForInsert();
    // index 0..4 chooses the kinds Action..Explanation; others do nothing.
    void chooseKindToInsert(int16_t index);
    bool kindPanelVisible() const { return kindPanelVisible_; }

    // apaga_bloco: deletes the selected block, or the several selected blocks, after
    // asking; false only when no block is selected.
    bool apaga_bloco();
    // apaga_ligacao: deletes the selected link after asking; nothing when none is selected.
    void apaga_ligacao();
    // The selected block, else the selected link.
    void deleteSelected();
    // T or I: the selected decision becomes its mirror image.
    void swapSelectedDecision();
    // Ctrl+A: every block, and with them every link.
    void selectAll();

    // Text dialog answers: OK with the box's text (Windows-1252, lines split by CR LF),
    // then closed (any way).
    void textDialogOk(const std::string& cp1252Text);
    void textDialogClosed();

    // An operation waits for a press, a drag is under way, the kind panel is shown or the
    // text dialog is open.
    bool operationWaiting() const;

    // FlowKeys (interaction_keys.cpp).
    void editSelectedText() override;
    void followExit(FlowSide side) override;
    void followEntry() override;
    bool startLinkByText() override;
    void linkToBlockWithText(const std::string& cp1252Text) override;

private:
    // What a left press may become once the pointer moves past the drag distance.
    enum class DragKind { None, Blocks, Link, Box };
    struct Drag {
        DragKind kind = DragKind::None;
        bool started = false;         // the pointer went past the drag distance
        CanvasPoint from;             // the press, canvas units
        Point fromSheet;              // the press, sheet units
        bool addsToSelection = false;  // a box drawn with Ctrl held
        // The press fell on one of several selected blocks: a drag moves them all, a
        // click selects that block alone, as the press would have done.
        bool selectsOnClick = false;
    };

    void pressLeftToDrag(KeyModifiers modifiers, CanvasPoint at, Point p);
    bool pastDragDistance(float x, float y) const;
    void startDrag();
    void abandonDrag();
    // The selected blocks moved by (by.x, by.y), each snapped.
    void dropBlocks(Point by);
    // Selects the blocks inside the box with corners a and b, with those selected before
    // when the box adds to the selection.
    void selectWithinBox(Point a, Point b, bool addsToSelection);
    // Back to no operation with the selection kept.
    void endDrag();
    bool portUnder(Point p) const;
    void pressIdle(MouseButton button, KeyModifiers modifiers, Point p);
    void pressConnecting(Point p);
    void dropBlock(Point p);
    void dropAll(Point p);
    void pressInserting(MouseButton button, Point p);
    // The selected block's port at p; a block of a kind the editor does not know is
    // reported to the user.
    PortHit findPort(Point p);
    void startOperation(EditMode mode, Pointer pointer, Point anchor);
    void showKindPanel(bool visible);
    bool isBlockIndex(int32_t index) const;
    // Opens the text dialog on the block; keepSelection leaves it selected after, and
    // onInsertion makes its text part of the insertion's undo step.
    void openTextDialogOn(int32_t block, bool keepSelection, bool onInsertion);

    // An insertion from the keys: from the exit (a connection code) or, for the first
    // block, under a sheet point at the top of the view.
    struct KeyInsertion {
        std::optional<int32_t> fromExit;
        Point top;
    };
    void selectAndShow(int32_t block);
    bool selectStartBlock();
    void startKeyInsertion(KeyInsertion from);
    void insertChosenKind(BlockKind kind);
    void defineInsertedText(const std::string& text);
    Point wantedPlace(const KeyInsertion& from, const Block& fresh) const;

    EditorState& state_;
    UiPort& ui_;
    DrawingCommands& commands_;
    CanvasView& view_;
    MenuState& menus_;
    BlockSelection& selection_;

    Drag drag_;
    int32_t dragDistance_ = 0;
    int32_t linkSource_ = 0;  // connection code of a link's first end
    Point moveOrigin_;        // sheet point where moving everything started
    bool kindPanelVisible_ = false;
    bool textDialogOpen_ = false;
    std::optional<KeyInsertion> keyInsertion_;  // the kind panel waits for its kind
    KeyInsertion inserted_;                     // where the block the dialog edits came from
    bool dialogKeepsSelection_ = false;
    bool dialogOnInsertion_ = false;
    // Alt+Up's last step: from the block `from` to `reached`, one of those entering it.
    int32_t upFrom_ = -1;
    int32_t upReached_ = -1;
};

} // namespace corvix
