#include "editor_fixture.h"

#include <gtest/gtest.h>

namespace corvix {
namespace {

using testing::snapshot;
using testing::Tables;

enum class Step {
    InsertBlock,
    DeleteFirstBlock,
    DeleteLinkedBlock,
    DeleteLink,
    MakeLink,
    DropMovedBlock,
    DropWholeDrawing,
    EditText,
    SwapDecision,
    DragSeveralBlocks,
    DeleteSeveralBlocks,
    CutBlocks,
    PasteBlocks,
    PasteText,
    DuplicateBlocks,
};

const char* stepName(Step step)
{
    switch (step) {
    case Step::InsertBlock:
        return "InsertBlock";
    case Step::DeleteFirstBlock:
        return "DeleteFirstBlock";
    case Step::DeleteLinkedBlock:
        return "DeleteLinkedBlock";
    case Step::DeleteLink:
        return "DeleteLink";
    case Step::MakeLink:
        return "MakeLink";
    case Step::DropMovedBlock:
        return "DropMovedBlock";
    case Step::DropWholeDrawing:
        return "DropWholeDrawing";
    case Step::EditText:
        return "EditText";
    case Step::SwapDecision:
        return "SwapDecision";
    case Step::DragSeveralBlocks:
        return "DragSeveralBlocks";
    case Step::DeleteSeveralBlocks:
        return "DeleteSeveralBlocks";
    case Step::CutBlocks:
        return "CutBlocks";
    case Step::PasteBlocks:
        return "PasteBlocks";
    case Step::PasteText:
        return "PasteText";
    case Step::DuplicateBlocks:
        return "DuplicateBlocks";
    }
    return "";
}

void PrintTo(Step step, std::ostream* os) { *os << stepName(step); }

// Two links, a spare field in use, and old values in the first unused entries, so that a
// step which restored only the fields it meant to change would show.
class UndoSteps : public testing::ThreeBlocks, public ::testing::WithParamInterface<Step> {
protected:
    UndoSteps()
    {
        connect(kActionBottom, kLowerTop);
        connect(kDecisionRight, kActionTop);
        state.blocks[1].spare = 5;
        state.blocks[3] = {BlockKind::GotoTarget, 1, 2, 3, 4, "old entry", -99, 3, 9};
        state.links[2] = {777, 888};
        editor.undoHistory().clear();
        state.modified = false;
    }

    void take(Step step)
    {
        switch (step) {
        case Step::InsertBlock:
            editor.minserebloco_Click();
            editor.SelBloco_Click(4);
            press(600, 600);
            break;
        case Step::DeleteFirstBlock:
            press(400, 200);
            ui.answers = {true};
            editor.mapagabloco_Click();
            break;
        case Step::DeleteLinkedBlock:
            press(200, 200);
            ui.answers = {true};
            editor.mapagabloco_Click();
            break;
        case Step::DeleteLink:
            press(kActionTop.x, kActionTop.y);
            ui.answers = {true};
            editor.mapagabloco_Click();
            break;
        case Step::MakeLink:
            connect(kDecisionLeft, kLowerTop);
            break;
        case Step::DropMovedBlock:
            press(400, 205, testing::kRight);
            press(600, 640);
            break;
        case Step::DropWholeDrawing:
            press(700, 700, testing::kRight, testing::kCtrl);
            press(733, 690);
            break;
        case Step::EditText:
            press(400, 400);
            editor.Diagrama_DblClick();
            editor.textDialogOk("two\r\nlines");
            editor.textDialogClosed();
            break;
        case Step::SwapDecision:
            press(200, 200);
            editor.Form_KeyPress('T');
            break;
        case Step::DragSeveralBlocks:
            selectUpperTwo();
            drag({200, 200}, {251, 229});
            break;
        case Step::DeleteSeveralBlocks:
            selectUpperTwo();
            ui.answers = {true};
            editor.mapagabloco_Click();
            break;
        case Step::CutBlocks:
            selectUpperTwo();
            editor.cut();
            break;
        case Step::PasteBlocks:
            selectUpperTwo();
            editor.paste(*editor.copy(), toCanvas({600, 600}));
            break;
        case Step::PasteText:
            editor.paste({{}, "pasted", {}}, std::nullopt);
            break;
        case Step::DuplicateBlocks:
            selectUpperTwo();
            editor.duplicate();
            break;
        }
    }

    // The action and the decision, with the link between them.
    void selectUpperTwo() { drag({100, 100}, {500, 300}); }
};

TEST_P(UndoSteps, UndoAndRedoRestoreTheTablesExactly)
{
    const Tables before = snapshot(state);
    take(GetParam());
    const Tables after = snapshot(state);
    ASSERT_NE(after, before);
    ASSERT_TRUE(state.modified);
    ASSERT_EQ(editor.undoHistory().undoSteps(), 1u);

    for (int round = 0; round < 2; ++round) {
        state.selection = Selection::ofBlock(0);
        ASSERT_TRUE(editor.undo());
        EXPECT_EQ(snapshot(state), before);
        EXPECT_FALSE(state.modified);
        EXPECT_EQ(state.selectedBlock(), -1);
        EXPECT_FALSE(editor.canUndo());

        state.selection = Selection::ofLink(0);
        ASSERT_TRUE(editor.redo());
        EXPECT_EQ(snapshot(state), after);
        EXPECT_TRUE(state.modified);
        EXPECT_EQ(state.selectedLink(), -1);
        EXPECT_FALSE(editor.canRedo());
    }
}

INSTANTIATE_TEST_SUITE_P(Undo, UndoSteps,
                         ::testing::Values(Step::InsertBlock, Step::DeleteFirstBlock, Step::DeleteLinkedBlock,
                                           Step::DeleteLink, Step::MakeLink, Step::DropMovedBlock,
                                           Step::DropWholeDrawing, Step::EditText, Step::SwapDecision,
                                           Step::DragSeveralBlocks, Step::DeleteSeveralBlocks, Step::CutBlocks,
                                           Step::PasteBlocks, Step::PasteText, Step::DuplicateBlocks),
                         [](const ::testing::TestParamInfo<Step>& step) { return std::string(stepName(step.param)); });

TEST_F(UndoSteps, WholeSessionUndoneAndRedone)
{
    const Tables start = snapshot(state);
    const Step session[] = {Step::SwapDecision, Step::MakeLink, Step::DeleteLink, Step::DeleteLinkedBlock,
                            Step::EditText, Step::DropMovedBlock, Step::InsertBlock, Step::DropWholeDrawing};
    for (Step step : session)
        take(step);
    const Tables end = snapshot(state);
    ASSERT_EQ(editor.undoHistory().undoSteps(), std::size(session));

    while (editor.undo()) {
    }
    EXPECT_EQ(snapshot(state), start);
    EXPECT_FALSE(state.modified);
    while (editor.redo()) {
    }
    EXPECT_EQ(snapshot(state), end);
    EXPECT_TRUE(state.modified);
}

class Undo : public testing::ThreeBlocks {};

TEST_F(Undo, WhatChangesNoTablesIsNoStep)
{
    editor.undoHistory().clear();
    press(400, 200);                                         // selection
    editor.viewport().setValue(ScrollAxis::Vertical, 100);  // scrolling
    editor.mtippapel_Click(1);                              // paper
    editor.minserebloco_Click();                            // edit modes
    editor.Form_KeyPress(27);
    press(400, 400);
    editor.Diagrama_DblClick();
    editor.textDialogOk("   ");                             // no change in the dialog
    editor.textDialogClosed();
    EXPECT_FALSE(editor.canUndo());
}

TEST_F(Undo, ModifiedFollowsTheSavedState)
{
    editor.undoHistory().clear();
    addBlock(BlockKind::Action, 100, 600);
    state.modified = false;  // saved
    addBlock(BlockKind::Action, 300, 600);

    editor.undo();
    EXPECT_FALSE(state.modified);
    editor.undo();
    EXPECT_TRUE(state.modified);
    editor.redo();
    EXPECT_FALSE(state.modified);
    editor.redo();
    EXPECT_TRUE(state.modified);

    editor.undoHistory().markSaved();  // saved again, at the newest state
    state.modified = false;
    editor.undo();
    EXPECT_TRUE(state.modified);
    editor.redo();
    EXPECT_FALSE(state.modified);
}

TEST_F(Undo, BackToTheNewDrawingIsUnmodified)
{
    editor.limpa_desenho();
    addBlock(BlockKind::Decision, 100, 100);
    ASSERT_TRUE(state.modified);
    editor.undo();
    EXPECT_FALSE(state.modified);
    EXPECT_EQ(state.blockCount, 0);
}

TEST_F(Undo, NewDrawingClearsTheHistory)
{
    ASSERT_TRUE(editor.canUndo());
    editor.undo();
    ASSERT_TRUE(editor.canRedo());
    editor.limpa_desenho();
    EXPECT_FALSE(editor.canUndo());
    EXPECT_FALSE(editor.canRedo());
}

TEST_F(Undo, NewStepForgetsTheStepsThatCouldBeRedone)
{
    editor.undo();
    ASSERT_TRUE(editor.canRedo());
    addBlock(BlockKind::GotoJump, 600, 100);
    EXPECT_FALSE(editor.canRedo());
}

TEST_F(Undo, RefusedWhileAnOperationWaits)
{
    const Tables before = snapshot(state);

    press(kActionTop.x, kActionTop.y);
    ASSERT_EQ(state.editMode, EditMode::Connecting);
    EXPECT_FALSE(editor.canUndo());
    EXPECT_FALSE(editor.undo());
    editor.Form_KeyPress(27);

    editor.minserebloco_Click();
    EXPECT_FALSE(editor.undo());
    editor.Form_KeyPress(27);

    press(400, 200);
    editor.Diagrama_DblClick();
    EXPECT_FALSE(editor.undo());
    editor.textDialogClosed();

    EXPECT_EQ(snapshot(state), before);
    EXPECT_TRUE(editor.undo());
}

TEST_F(Undo, CommandStatesOfferUndoRedoAndFindingWhenNoOperationWaits)
{
    editor.Timer1_Timer();
    EXPECT_TRUE(ui.commandStates.back().undo);
    EXPECT_FALSE(ui.commandStates.back().redo);
    EXPECT_TRUE(ui.commandStates.back().goToBlock);
    editor.undo();
    editor.Timer1_Timer();
    EXPECT_TRUE(ui.commandStates.back().redo);
    press(kActionTop.x, kActionTop.y);
    editor.Timer1_Timer();
    EXPECT_FALSE(ui.commandStates.back().undo);
    EXPECT_FALSE(ui.commandStates.back().redo);
    EXPECT_FALSE(ui.commandStates.back().goToBlock);
}

} // namespace
} // namespace corvix
