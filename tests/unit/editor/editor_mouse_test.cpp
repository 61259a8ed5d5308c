#include "editor_fixture.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <optional>

namespace corvix {
namespace {

using testing::kCtrl;
using testing::kLeft;
using testing::kRight;
using testing::EditorTest;

class Connect : public testing::ThreeBlocks {};

struct ConnectCase {
    const char* name;
    Point first;
    Point second;
    std::optional<Link> link;  // else the message
    std::string message;
};

void PrintTo(const ConnectCase& c, std::ostream* os) { *os << c.name; }

class LinkPress : public testing::ThreeBlocks, public ::testing::WithParamInterface<ConnectCase> {};

TEST_P(LinkPress, StoresExitToEntryOrRefuses)
{
    const ConnectCase& c = GetParam();
    press(c.first.x, c.first.y);
    ASSERT_EQ(state.editMode, EditMode::Connecting);
    EXPECT_FALSE(ui.menusEnabled());
    EXPECT_EQ(ui.currentPointer(), Pointer::Arrow);

    press(c.second.x, c.second.y);

    if (c.link) {
        ASSERT_EQ(state.linkCount, 1);
        EXPECT_EQ(state.links[0], *c.link);
        EXPECT_TRUE(state.modified);
        EXPECT_TRUE(ui.messages.empty());
    } else {
        EXPECT_EQ(state.linkCount, 0);
        EXPECT_FALSE(state.modified);
        EXPECT_EQ(ui.messages, (std::vector<FakeUi::Message>{{c.message, MessageIcon::Exclamation}}));
    }
    EXPECT_EQ(state.editMode, EditMode::Idle);
    EXPECT_TRUE(ui.menusEnabled());
    EXPECT_EQ(ui.currentPointer(), Pointer::Default);
    EXPECT_EQ(state.selectedBlock(), -1);
}

const Link kDecisionToAction{connectionCode(1, Port::Left), connectionCode(0, Port::Top)};

INSTANTIATE_TEST_SUITE_P(Mouse, LinkPress, ::testing::Values(
    ConnectCase{"ExitFirst", {141, 200}, {400, 173}, kDecisionToAction, {}},
    ConnectCase{"EntryFirst", {400, 173}, {141, 200}, kDecisionToAction, {}},
    ConnectCase{"NearThePortIsEnough", {145, 203}, {397, 170}, kDecisionToAction, {}},
    ConnectCase{"ToItself", {400, 173}, {400, 227}, std::nullopt, "You can NOT connect a block to itself!"},
    ConnectCase{"TwoEntries", {400, 173}, {200, 172}, std::nullopt, "This link is not valid!"},
    ConnectCase{"TwoExits", {259, 200}, {400, 427}, std::nullopt, "This link is not valid!"}),
    testing::CaseName());

TEST_F(Connect, PressBesideEveryPortEndsTheConnectionSilently)
{
    connect(kActionTop, {400, 200});
    EXPECT_EQ(state.editMode, EditMode::Idle);
    EXPECT_EQ(state.linkCount, 0);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.menusEnabled());

    connect(kActionTop, {900, 900});
    EXPECT_EQ(state.editMode, EditMode::Idle);
    EXPECT_EQ(state.linkCount, 0);
}

TEST_F(Connect, UsedConnectionPointSelectsItsFirstLink)
{
    connect(kDecisionLeft, kActionTop);
    connect(kLowerBottom, kActionTop);  // an entry may receive any number of links
    ASSERT_EQ(state.linkCount, 2);

    press(kActionTop.x, kActionTop.y);
    EXPECT_EQ(state.selectedLink(), 0);
    EXPECT_EQ(state.selectedBlock(), -1);
    EXPECT_EQ(state.editMode, EditMode::Idle);

    press(kLowerBottom.x, kLowerBottom.y);
    EXPECT_EQ(state.selectedLink(), 1);
}

TEST_F(Connect, UnknownKindIsReportedAndActsAsNoPort)
{
    state.blocks[0].kind = kindFromCode(7);
    press(kActionTop.x, kActionTop.y);
    EXPECT_EQ(ui.messages, (std::vector<FakeUi::Message>{{"Problems concerning block type!", MessageIcon::None}}));
    EXPECT_EQ(state.selectedBlock(), 0);
    EXPECT_EQ(state.editMode, EditMode::Idle);
}

class Press : public testing::ThreeBlocks {};

TEST_F(Press, WithoutBlocksIsIgnored)
{
    state.blockCount = 0;
    const int refreshes = ui.canvasRefreshes;
    press(400, 200, kRight, kCtrl);
    EXPECT_EQ(ui.canvasRefreshes, refreshes);
    EXPECT_EQ(state.editMode, EditMode::Idle);
}

TEST_F(Press, SelectsTheBlockOrClearsTheSelection)
{
    press(400, 200);
    EXPECT_EQ(state.selectedBlock(), 0);
    EXPECT_EQ(state.editMode, EditMode::Idle);
    press(800, 800);
    EXPECT_EQ(state.selectedBlock(), -1);
    EXPECT_EQ(state.selectedLink(), -1);
}

TEST_F(Press, RightPressWithin19PicksTheBlockUpAnd20DoesNot)
{
    press(400 - 20, 200, kRight);
    EXPECT_EQ(state.selectedBlock(), 0);
    EXPECT_EQ(state.editMode, EditMode::Idle);

    press(400 - 19, 200 + 19, kRight);
    EXPECT_EQ(state.editMode, EditMode::MovingBlock);
    EXPECT_EQ(ui.currentPointer(), Pointer::SizeAll);
    EXPECT_FALSE(ui.menusEnabled());

    press(523, 301);
    EXPECT_EQ(state.blocks[0].x, 520);
    EXPECT_EQ(state.blocks[0].y, 304);
    EXPECT_EQ(state.blocks[0].width, 48);  // size and ports stay
    EXPECT_EQ(state.blocks[0].portDy, -27);
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(state.editMode, EditMode::Idle);
    EXPECT_EQ(ui.currentPointer(), Pointer::Default);
    EXPECT_TRUE(ui.menusEnabled());
}

TEST_F(Press, RightPressOnAFreePortPicksTheBlockUpInsteadOfConnecting)
{
    // A decision's top port lies 28 above its centre; a smaller block brings it within 20.
    state.blocks[1].portDy = -15;
    press(200, 185, kRight);
    EXPECT_EQ(state.editMode, EditMode::MovingBlock);
}

struct MoveAllCase {
    const char* name;
    int32_t dx;
    int32_t expectedX;
};

void PrintTo(const MoveAllCase& c, std::ostream* os) { *os << c.name; }

class MoveAll : public testing::EditorTest, public ::testing::WithParamInterface<MoveAllCase> {};

TEST_P(MoveAll, ShiftsAndSnapsEveryBlock)
{
    const MoveAllCase& c = GetParam();
    addBlock(BlockKind::Action, 96, 96);
    addBlock(BlockKind::Action, 200, 96);
    state.modified = false;

    press(600, 600, kRight, kCtrl);  // on empty sheet
    ASSERT_EQ(state.editMode, EditMode::MovingAll);
    EXPECT_EQ(ui.currentPointer(), Pointer::SizeAll);
    EXPECT_FALSE(ui.menusEnabled());

    press(600 + c.dx, 600);

    EXPECT_EQ(state.blocks[0].x, c.expectedX);
    EXPECT_EQ(state.blocks[0].y, 96);
    EXPECT_EQ(state.blocks[1].x, 200 + c.expectedX - 96);
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(state.editMode, EditMode::Idle);
    EXPECT_TRUE(ui.menusEnabled());
}

INSTANTIATE_TEST_SUITE_P(Mouse, MoveAll, ::testing::Values(
    MoveAllCase{"By12", 12, 112},
    MoveAllCase{"By11", 11, 104},
    MoveAllCase{"By3StaysOnTheGrid", 3, 96},
    MoveAllCase{"BackBy13", -13, 80}),
    testing::CaseName());

TEST_F(MoveAll, FarCoordinatesFromAFileStayInRange)
{
    addBlock(BlockKind::Action, 96, 96);
    state.blocks[0].x = std::numeric_limits<int32_t>::max() - 2;
    press(600, 600, kRight, kCtrl);
    press(700, 600);
    EXPECT_EQ(state.blocks[0].x, std::numeric_limits<int32_t>::max() - 7);
}

// The canvas takes presses until the tick after the kind panel is shown: a kind chosen
// while the whole drawing is picked up ends that, and the canvas shows it no longer
// highlighted (it stayed yellow and red until the next repaint).
TEST_F(MoveAll, AKindChosenMeanwhileRepaintsWithoutTheHighlight)
{
    addBlock(BlockKind::Action, 96, 96);
    editor.minserebloco_Click();
    press(600, 600, kRight, kCtrl);
    ASSERT_EQ(state.editMode, EditMode::MovingAll);
    canvas.ops.clear();

    editor.SelBloco_Click(0);

    EXPECT_EQ(state.editMode, EditMode::Inserting);
    const std::vector<testing::RecordedOp> prints = canvas.only(testing::Op::Print);
    ASSERT_FALSE(prints.empty());
    EXPECT_EQ(prints.front().color, colors::Black);  // block 0's text
    EXPECT_EQ(editor.canvasHighlights(), Highlights{});
}

TEST_F(EditorTest, InsertionPlacesANumberedBlockWithTheLeftButtonOnly)
{
    editor.minserebloco_Click();
    EXPECT_EQ(ui.kindPanelVisible, std::vector<bool>{true});
    EXPECT_FALSE(ui.menusEnabled());

    editor.SelBloco_Click(1);
    EXPECT_EQ(ui.kindPanelVisible, (std::vector<bool>{true, false}));
    EXPECT_EQ(ui.currentPointer(), Pointer::InsertKind);
    EXPECT_EQ(ui.pointers.back().kind, BlockKind::Decision);
    EXPECT_EQ(state.editMode, EditMode::Inserting);

    press(203, 205, kRight);
    EXPECT_EQ(state.blockCount, 0);
    EXPECT_EQ(state.editMode, EditMode::Inserting);

    press(203, 205);
    ASSERT_EQ(state.blockCount, 1);
    EXPECT_EQ(state.blocks[0].kind, BlockKind::Decision);
    EXPECT_EQ(state.blocks[0].text, "== 0 ==?");
    EXPECT_EQ(state.blocks[0].x, 200);
    EXPECT_EQ(state.blocks[0].y, 208);
    EXPECT_EQ(state.blocks[0].width, 56);
    EXPECT_EQ(state.blocks[0].height, 14);
    EXPECT_EQ(state.blocks[0].portDy, -28);
    EXPECT_EQ(state.blocks[0].portDx, 59);
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(state.editMode, EditMode::Idle);
    EXPECT_EQ(state.kindToInsert, BlockKind::None);
    EXPECT_EQ(ui.currentPointer(), Pointer::Default);
    EXPECT_TRUE(ui.menusEnabled());

    for (int i = 1; i < 5; ++i) {
        editor.minserebloco_Click();
        editor.SelBloco_Click(0);
        press(100 * i, 400);
    }
    EXPECT_EQ(state.blocks[4].text, "== 4 ==");
    EXPECT_EQ(state.blocks[4].kind, BlockKind::Action);
}

// A gesture that would add to a full table changes nothing and says why.
class FullTable;

struct FullTableCase {
    const char* name;
    bool blocksFull;  // else the links
    void (FullTable::*gesture)();
    const char* count;  // as the message names it
};

class FullTable : public testing::ThreeBlocks, public ::testing::WithParamInterface<FullTableCase> {
public:
    void insertABlock()
    {
        editor.minserebloco_Click();
        editor.SelBloco_Click(0);
        press(100, 100);
    }
    void linkTwoBlocks() { connect(kDecisionLeft, kActionTop); }
};

TEST_P(FullTable, RefusesTheAdditionWithAMessage)
{
    const FullTableCase& c = GetParam();
    if (c.blocksFull)
        state.blockCount = kBlockCapacity;
    else
        state.linkCount = kLinkCapacity;
    const testing::Tables before = testing::snapshot(state);

    (this->*c.gesture)();

    EXPECT_EQ(testing::snapshot(state), before);
    EXPECT_FALSE(state.modified);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_NE(ui.messages[0].text.find(c.count), std::string::npos);
    EXPECT_EQ(state.editMode, EditMode::Idle);
}

INSTANTIATE_TEST_SUITE_P(
    Mouse, FullTable,
    ::testing::Values(FullTableCase{"Insertion", true, &FullTable::insertABlock, "10000 blocks"},
                      FullTableCase{"Link", false, &FullTable::linkTwoBlocks, "15000 links"}),
    testing::CaseName());

TEST_F(EditorTest, ReusedEntryKeepsWhatTheDefinitionDoesNotWrite)
{
    state.blocks[0].portDy = -99;
    state.blocks[0].portDx = 12;
    state.blocks[0].spare = 7;
    addBlock(BlockKind::Explanation, 100, 100);
    EXPECT_EQ(state.blocks[0].portDy, -99);
    EXPECT_EQ(state.blocks[0].portDx, 12);
    EXPECT_EQ(state.blocks[0].spare, 7);
}

using testing::lineOp;
using testing::Op;
using testing::RecordedOp;
using testing::styleOp;
using testing::xorOp;

// The lines drawn in exclusive-or mode: the rubber band.
std::vector<RecordedOp> bandLines(const std::vector<RecordedOp>& ops)
{
    std::vector<RecordedOp> lines;
    bool xorOn = false;
    for (const RecordedOp& op : ops) {
        if (op.op == Op::XorMode)
            xorOn = op.on;
        else if (op.op == Op::Line && xorOn)
            lines.push_back(op);
    }
    return lines;
}

class RubberBand : public testing::ThreeBlocks {
protected:
    void move(int32_t x, int32_t y) { editor.Diagrama_MouseMove(MouseButton::None, kNoModifiers, float(x), float(y)); }
};

TEST_F(RubberBand, NothingIsDrawnWithoutAnOperation)
{
    canvas.ops.clear();
    move(10, 10);
    EXPECT_TRUE(canvas.ops.empty());
}

TEST_F(RubberBand, ExclusiveOrLineFromThePointerToTheAnchor)
{
    press(kDecisionLeft.x, kDecisionLeft.y);
    canvas.ops.clear();
    const int refreshes = ui.canvasRefreshes;

    move(300, 250);
    move(300, 250);  // the same point: nothing to redraw
    move(310, 260);

    const std::vector<RecordedOp> expected = {
        styleOp(LineStyle::Dot),
        xorOp(true),
        lineOp(300, 250, 143, 202, colors::White),
        styleOp(LineStyle::Solid),
        xorOp(false),
        styleOp(LineStyle::Dot),
        xorOp(true),
        lineOp(300, 250, 143, 202, colors::White),  // erases the first
        lineOp(310, 260, 143, 202, colors::White),
        styleOp(LineStyle::Solid),
        xorOp(false),
    };
    EXPECT_EQ(canvas.ops, expected);
    EXPECT_EQ(ui.canvasRefreshes, refreshes + 2);
}

TEST_F(RubberBand, StylePerModeAndAnchorFollowsTheView)
{
    const auto firstBand = [&](int32_t x, int32_t y) {
        canvas.ops.clear();
        move(x, y);
        return canvas.ops;
    };

    press(400 - 5, 200, kRight);
    ASSERT_EQ(state.editMode, EditMode::MovingBlock);
    EXPECT_EQ(firstBand(40, 60).front(), styleOp(LineStyle::Dash));
    editor.Form_KeyPress(27);

    editor.viewport().setValue(ScrollAxis::Horizontal, 100);
    press(300, 300, kRight, kCtrl);
    ASSERT_EQ(state.editMode, EditMode::MovingAll);
    const std::vector<RecordedOp> ops = firstBand(50, 60);
    EXPECT_EQ(ops.front(), styleOp(LineStyle::DashDotDot));
    EXPECT_EQ(bandLines(ops), std::vector<RecordedOp>{lineOp(50, 60, 300 - 100 + 2, 302, colors::White)});
}

TEST_F(RubberBand, ScrollRedrawsItAfterTheRepaint)
{
    press(kDecisionLeft.x, kDecisionLeft.y);
    move(300, 250);
    canvas.ops.clear();

    editor.HScroll1_Change(40);

    // A repaint, then one fresh line: nothing to erase, the repaint wiped the old one.
    ASSERT_FALSE(canvas.ops.empty());
    EXPECT_EQ(canvas.ops.front().op, Op::Cls);
    EXPECT_EQ(bandLines(canvas.ops), std::vector<RecordedOp>{lineOp(300, 250, 141 - 40 + 2, 202, colors::White)});
}

class TextDialog : public testing::ThreeBlocks {
protected:
    // Double-click on a block: the first press selects it.
    void edit(int32_t block, const std::string& text)
    {
        const Block& b = state.blocks[size_t(block)];
        press(b.x, b.y);
        editor.Diagrama_DblClick();
        editor.textDialogOk(text);
        editor.textDialogClosed();
    }
};

TEST_F(TextDialog, OpensWithTheTextAndClosesWithNothingSelected)
{
    press(200, 200);
    const int refreshes = ui.canvasRefreshes;
    editor.Diagrama_DblClick();
    EXPECT_EQ(ui.textDialogs, std::vector<std::string>{"== 1 ==?"});
    EXPECT_EQ(state.selectedBlock(), 1);
    EXPECT_EQ(ui.canvasRefreshes, refreshes + 1);  // before the dialog opens

    editor.textDialogClosed();
    EXPECT_EQ(state.selectedBlock(), -1);
    EXPECT_EQ(ui.canvasRefreshes, refreshes + 2);
    EXPECT_FALSE(state.modified);
}

TEST_F(TextDialog, DoubleClickBesideEveryBlockOpensNothing)
{
    press(900, 900);
    editor.Diagrama_DblClick();
    EXPECT_TRUE(ui.textDialogs.empty());
}

TEST_F(TextDialog, DoubleClickEndsAConnectionThatItsFirstPressStarted)
{
    press(kActionTop.x, kActionTop.y);
    ASSERT_EQ(state.editMode, EditMode::Connecting);
    editor.Diagrama_DblClick();
    EXPECT_EQ(state.editMode, EditMode::Idle);
    EXPECT_TRUE(ui.menusEnabled());
    EXPECT_EQ(state.selectedBlock(), 0);
}

struct TextCase {
    const char* name;
    int32_t block;
    std::string typed;
    std::string stored;
    bool modified;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class TextRules : public TextDialog, public ::testing::WithParamInterface<TextCase> {};

TEST_P(TextRules, OkAppliesTheRules)
{
    const TextCase& c = GetParam();
    edit(c.block, c.typed);
    EXPECT_EQ(state.blocks[size_t(c.block)].text, c.stored);
    EXPECT_EQ(state.modified, c.modified);
    EXPECT_EQ(state.selectedBlock(), -1);
}

INSTANTIATE_TEST_SUITE_P(Dialog, TextRules, ::testing::Values(
    TextCase{"DecisionGetsAQuestionMark", 1, "Is it on", "Is it on?", true},
    TextCase{"DecisionKeepsItsQuestionMark", 1, "Is it on?", "Is it on?", true},
    TextCase{"DecisionTrimmedBeforeTheCheck", 1, "  Is it on?   ", "Is it on?", true},
    TextCase{"ActionTrimmedOfSpacesOnly", 0, " \tstep\t ", "\tstep\t", true},
    TextCase{"SpacesOnlyChangeNothing", 0, "    ", "== 0 ==", false},
    TextCase{"EmptyChangesNothing", 1, "", "== 1 ==?", false}),
    testing::CaseName());

TEST_F(TextDialog, NewTextResizesAndSnapsTheBlock)
{
    state.blocks[0].x = 403;  // off the grid, as a file may have it
    edit(0, "first line\r\nsecond");
    const Block& b = state.blocks[0];
    EXPECT_EQ(b.text, "first line\r\nsecond");
    EXPECT_EQ(b.width, 70);
    EXPECT_EQ(b.height, 28);
    EXPECT_EQ(b.portDy, -34);
    EXPECT_EQ(b.x, 400);
    EXPECT_EQ(b.kind, BlockKind::Action);
}

} // namespace
} // namespace corvix
