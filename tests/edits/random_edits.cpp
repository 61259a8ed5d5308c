#include "random_edits.h"

#include "editor/editor.h"
#include "editor/file_commands.h"
#include "editor/file_procedures.h"
#include "storage/diagram_codec.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <deque>
#include <memory>
#include <span>
#include <sstream>

namespace corvix::edits {

namespace {

constexpr int32_t kCanvasWidth = 700;   // the window's client size, bars included
constexpr int32_t kCanvasHeight = 500;
constexpr size_t kStepsKept = 40;       // steps a failure shows
// Past this many blocks a session starts a new drawing: the rules do not change with
// size, and a small drawing keeps each step quick.
constexpr int32_t kBlocksBeforeNew = 60;

// splitmix64: the same numbers on every platform and library.
class Random {
public:
    explicit Random(uint64_t seed)
        : state_(seed)
    {
    }
    uint64_t next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1; n > 0.
    int32_t below(int32_t n) { return int32_t(next() % uint64_t(n)); }
    int32_t between(int32_t low, int32_t high) { return low + below(high - low + 1); }
    bool chance(int32_t percent) { return below(100) < percent; }

private:
    uint64_t state_;
};

// Texts measure 7 x 14 units a character, as in the editor's tests.
class FixedFont final : public RenderTarget {
public:
    double TextWidth(std::string_view text) const override { return 7.0 * double(longestLine(text)); }
    double TextHeight(std::string_view text) const override { return 14.0 * double(lineCount(text)); }
    void Cls() override {}
    void Line(int32_t, int32_t, int32_t, int32_t, Color) override {}
    void Box(int32_t, int32_t, int32_t, int32_t, Color) override {}
    void ForeColor(Color) override {}
    void CurrentX(int32_t) override {}
    void CurrentY(int32_t) override {}
    void Print(std::string_view) override {}
    void PaintPicture(Marker, int32_t, int32_t, int32_t, int32_t) override {}
    void DrawStyle(LineStyle) override {}
    void FontTransparent(bool) override {}
    void XorMode(bool) override {}
    // Like a real canvas, so that the pass culls what lies off the window.
    std::optional<SurfaceRect> DrawableArea() const override { return SurfaceRect{0, 0, kCanvasWidth, kCanvasHeight}; }

private:
    static size_t lineCount(std::string_view text)
    {
        size_t lines = 1;
        for (size_t at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n", at + 2))
            if (at + 2 < text.size())
                ++lines;
        return lines;
    }
    static size_t longestLine(std::string_view text)
    {
        size_t longest = 0;
        while (true) {
            const size_t end = text.find("\r\n");
            longest = std::max(longest, std::min(end, text.size()));
            if (end == std::string_view::npos)
                return longest;
            text.remove_prefix(end + 2);
        }
    }
};

// The desktop as the window gives it: questions answered at random, and the state the
// window's controls are in (menus, kind panel, text dialog) as the editor last set it.
class RandomUi final : public UiPort {
public:
    explicit RandomUi(Random& random)
        : random_(random)
    {
    }

    bool menusEnabled = true;
    bool dialogOpen = false;
    bool panelVisible = false;
    bool panTimerRunning = false;
    int64_t messages = 0;

    void showMessage(const Message&, MessageIcon) override { ++messages; }
    bool askYesNo(const Message&) override { return random_.chance(60); }
    void setPointer(Pointer, BlockKind) override {}
    void setMainMenusEnabled(bool enabled) override { menusEnabled = enabled; }
    void setCommandStates(const CommandStates&) override {}
    void setPaperChecked(int32_t) override {}
    void refreshCanvas() override {}
    void scrollBarsChanged() override {}
    void showKindPanel(bool visible) override { panelVisible = visible; }
    void openTextDialog(const std::string&) override { dialogOpen = true; }
    void startPanTimer(int32_t) override { panTimerRunning = true; }
    void stopPanTimer() override { panTimerRunning = false; }

private:
    Random& random_;
};

class NoFileWindow final : public FileWindow {
public:
    std::string chooseFileToOpen(const std::string&) override { return {}; }
    std::string chooseFileToSave(const std::string&) override { return {}; }
    void setCaption(const std::string&) override {}
    void showRecentFiles(const HistoryMenu&) override {}
};

// The drawing as a file holds it: the blocks and links in use, every field. The entries
// above the counts are left out: a save empties them and nothing draws them.
struct Drawing {
    std::vector<Block> blocks;
    std::vector<Link> links;
    bool operator==(const Drawing&) const = default;
};

Drawing drawingOf(const EditorState& s)
{
    return {{s.blocks.begin(), s.blocks.begin() + s.blockCount}, {s.links.begin(), s.links.begin() + s.linkCount}};
}

bool offersExit(BlockKind kind, int32_t port)
{
    switch (kind) {
    case BlockKind::Action:
    case BlockKind::GotoTarget:
        return port == 2;
    case BlockKind::Decision:
    case BlockKind::DecisionSwapped:
        return port == 1 || port == 3;
    default:
        return false;
    }
}

bool offersEntry(BlockKind kind)
{
    return kind == BlockKind::Action || kind == BlockKind::Decision || kind == BlockKind::DecisionSwapped
           || kind == BlockKind::GotoJump;
}

class Session {
public:
    explicit Session(uint64_t seed)
        : seed_(seed)
        , random_(seed)
        , ui_(random_)
        , editor_(state_, ui_, canvas_, canvas_)
        , files_(editor_, ui_, window_, "/nonexistent/history", "/nonexistent/recovery", "corvix")
    {
        editor_.setClock([this] { return now_; });
        editor_.setDragDistance(4);
        editor_.mtippapel_Click(0);
        editor_.Form_Resize(kCanvasWidth, kCanvasHeight, false);
        editor_.limpa_desenho();
        editor_.cancelOperation();
    }

    std::optional<EditFailure> run(int64_t steps)
    {
        for (int64_t step = 0; step < steps; ++step) {
            const bool menusHeld = !ui_.menusEnabled && state_.editMode != EditMode::Idle;
            oneStep();
            if (menusHeld && ui_.menusEnabled && state_.editMode != EditMode::Idle)
                broken_ = "the main menus came back on while an operation waits for a press";
            if (auto broken = brokenRule())
                return EditFailure{seed_, step, *broken, {recent_.begin(), recent_.end()}};
        }
        return std::nullopt;
    }

private:
    void note(std::string step)
    {
        if (recent_.size() == kStepsKept)
            recent_.pop_front();
        recent_.push_back(std::move(step));
    }

    // A sheet point worth pressing: near a port or a centre of a block, or anywhere in view.
    Point somewhere()
    {
        const int32_t roll = random_.below(100);
        if (state_.blockCount > 0 && roll < 65) {
            const Block& b = state_.blocks[size_t(random_.below(state_.blockCount))];
            const std::array<Point, 5> spots{Point{b.x, b.y}, Point{b.x, b.y + b.portDy}, Point{b.x + b.portDx, b.y},
                                             Point{b.x, b.y - b.portDy}, Point{b.x - b.portDx, b.y}};
            const Point at = spots[size_t(random_.below(5))];
            const int32_t jitter = roll < 45 ? 3 : 24;
            return {at.x + random_.between(-jitter, jitter), at.y + random_.between(-jitter, jitter)};
        }
        const Point corner = sheetOf({0, 0});
        return {corner.x + random_.below(kCanvasWidth), corner.y + random_.below(kCanvasHeight)};
    }

    Point sheetOf(CanvasPoint c) const
    {
        const Viewport& v = editor_.viewport();
        const double z = editor_.zoom().zoom();
        return {int32_t((c.x + float(v.viewOffsetX())) / z), int32_t((c.y + float(v.viewOffsetY())) / z)};
    }

    CanvasPoint canvasOf(Point p) const
    {
        const Viewport& v = editor_.viewport();
        return {float(p.x * editor_.zoom().zoom() - v.viewOffsetX()), float(p.y * editor_.zoom().zoom() - v.viewOffsetY())};
    }

    KeyModifiers someModifiers()
    {
        const int32_t roll = random_.below(100);
        if (roll < 70)
            return kNoModifiers;
        if (roll < 85)
            return kCtrlHeld;
        if (roll < 95)
            return kShiftHeld;
        return KeyModifiers(KeyModifiers::kShift | KeyModifiers::kCtrl);
    }

    MouseButton someButton() { return random_.chance(75) ? MouseButton::Left : MouseButton::Right; }

    std::string describe(const char* what, CanvasPoint at)
    {
        std::ostringstream out;
        out << what << " (" << at.x << ", " << at.y << ")";
        return out.str();
    }

    void pressAt(CanvasPoint at, MouseButton button, KeyModifiers modifiers)
    {
        note(describe(button == MouseButton::Left ? "left press" : "right press", at) + " modifiers "
             + std::to_string(modifiers.bits()));
        editor_.Diagrama_MouseDown(button, modifiers, at.x, at.y);
    }

    // A click or a drag: a press, maybe moves with the button held, and its release.
    void pointerGesture()
    {
        const MouseButton button = someButton();
        const KeyModifiers modifiers = someModifiers();
        const CanvasPoint from = canvasOf(somewhere());
        pressAt(from, button, modifiers);
        const int32_t moves = random_.chance(40) ? random_.between(1, 3) : 0;
        CanvasPoint at = from;
        for (int32_t m = 0; m < moves; ++m) {
            at = random_.chance(50) ? canvasOf(somewhere())
                                    : CanvasPoint{at.x + float(random_.between(-12, 12)), at.y + float(random_.between(-12, 12))};
            note(describe("held move", at));
            editor_.Diagrama_MouseMove(button, modifiers, at.x, at.y);
        }
        note(describe("release", at));
        editor_.Diagrama_MouseUp(button, modifiers, at.x, at.y);
    }

    // A port of some block, near enough to hit.
    Point somePort()
    {
        const Block& b = state_.blocks[size_t(random_.below(state_.blockCount))];
        const std::array<Point, 4> ports{Point{b.x, b.y + b.portDy}, Point{b.x + b.portDx, b.y}, Point{b.x, b.y - b.portDy},
                                         Point{b.x - b.portDx, b.y}};
        const Point at = ports[size_t(random_.below(4))];
        return {at.x + random_.between(-1, 1), at.y + random_.between(-1, 1)};
    }

    // A block's centre moved by (dx, dy), near enough to hit the port there.
    Point near(const Block& b, int32_t dx, int32_t dy)
    {
        return {b.x + dx + random_.between(-1, 1), b.y + dy + random_.between(-1, 1)};
    }

    // A block of a kind that offers what is asked for, when a few tries find one.
    const Block& someBlock(bool (*offers)(BlockKind))
    {
        const Block* b = &state_.blocks[size_t(random_.below(state_.blockCount))];
        for (int32_t tries = 0; tries < 4 && !offers(b->kind); ++tries)
            b = &state_.blocks[size_t(random_.below(state_.blockCount))];
        return *b;
    }

    Point someExit()
    {
        const Block& b = someBlock([](BlockKind kind) { return offersExit(kind, 1) || offersExit(kind, 2); });
        if (isDecisionKind(b.kind))
            return near(b, random_.chance(50) ? b.portDx : -b.portDx, 0);
        return near(b, 0, -b.portDy);
    }

    Point someEntry()
    {
        const Block& b = someBlock(offersEntry);
        return near(b, 0, b.portDy);
    }

    // From a port to another, by two clicks or by a drag.
    void connectGesture()
    {
        if (state_.blockCount < 2)
            return insertGesture();
        // Mostly an exit to an entry, which makes a link; else any two ports, either way round.
        const bool likely = random_.chance(70);
        const Point fromSheet = likely ? someExit() : somePort();
        CanvasPoint from = canvasOf(fromSheet);
        CanvasPoint to = canvasOf(likely ? someEntry() : somePort());
        if (random_.chance(30))
            std::swap(from, to);
        pressAt(from, MouseButton::Left, kNoModifiers);
        if (random_.chance(50)) {
            note(describe("held move", to));
            editor_.Diagrama_MouseMove(MouseButton::Left, kNoModifiers, to.x, to.y);
            note(describe("release", to));
            editor_.Diagrama_MouseUp(MouseButton::Left, kNoModifiers, to.x, to.y);
        } else {
            editor_.Diagrama_MouseUp(MouseButton::Left, kNoModifiers, from.x, from.y);
            pressAt(to, MouseButton::Left, kNoModifiers);
            editor_.Diagrama_MouseUp(MouseButton::Left, kNoModifiers, to.x, to.y);
        }
    }

    // Insert Block, a kind, a tick (the canvas takes presses again) and the press.
    void insertGesture()
    {
        if (!ui_.menusEnabled)
            return tick();
        note("Insert Block");
        editor_.minserebloco_Click();
        chooseKind();
        tick();
        // Anywhere in view, so that blocks mostly stand apart and their ports can be hit.
        pressAt({float(random_.below(kCanvasWidth - 20)), float(random_.below(kCanvasHeight - 20))}, MouseButton::Left,
                kNoModifiers);
    }

    void pointerMove()
    {
        const CanvasPoint at = random_.chance(70) ? canvasOf(somewhere())
                                                  : CanvasPoint{float(random_.between(-20, kCanvasWidth + 20)),
                                                                float(random_.between(-20, kCanvasHeight + 20))};
        note(describe("move", at));
        editor_.Diagrama_MouseMove(MouseButton::None, kNoModifiers, at.x, at.y);
    }

    // The window delivers the second press of a double-click as the double-click alone.
    void doubleClick()
    {
        const CanvasPoint at = canvasOf(somewhere());
        pressAt(at, MouseButton::Left, kNoModifiers);
        editor_.Diagrama_MouseUp(MouseButton::Left, kNoModifiers, at.x, at.y);
        note("double-click");
        editor_.Diagrama_DblClick();
        editor_.Diagrama_MouseUp(MouseButton::Left, kNoModifiers, at.x, at.y);
    }

    void key()
    {
        static constexpr std::array<int16_t, 9> codes{keys::Left, keys::Up, keys::Right, keys::Down, keys::Delete,
                                                      keys::PageUp, keys::PageDown, keys::Home, keys::End};
        const int32_t roll = random_.below(100);
        if (roll < 12) {
            note("Esc");
            editor_.Form_KeyPress(keys::Esc);
        } else if (roll < 24) {
            note("T");
            editor_.Form_KeyPress('T');
        } else if (roll < 40) {
            const KeyModifiers modifiers = random_.chance(70) ? kShiftHeld : KeyModifiers(KeyModifiers::kShift | KeyModifiers::kCtrl);
            note("Shift down, modifiers " + std::to_string(modifiers.bits()));
            int16_t code = 16;
            editor_.Form_KeyDown(code, modifiers);
        } else if (roll < 50) {
            note("Shift up");
            editor_.Form_KeyUp(16, kNoModifiers);
        } else {
            int16_t code = codes[size_t(random_.below(int32_t(codes.size())))];
            const KeyModifiers modifiers = random_.chance(25) ? kCtrlHeld : kNoModifiers;
            note("key " + std::to_string(code) + " modifiers " + std::to_string(modifiers.bits()));
            editor_.Form_KeyDown(code, modifiers);
            editor_.Form_KeyUp(code, modifiers);
        }
    }

    std::string someText()
    {
        static constexpr std::array<const char*, 8> words{"x", "go", "Start", "n > 0", "total = total + 1", "End", "?", "\xe9t\xe9"};
        std::string text;
        const int32_t lines = random_.between(0, 3);
        for (int32_t l = 0; l < lines; ++l) {
            if (l > 0)
                text += "\r\n";
            text += words[size_t(random_.below(int32_t(words.size())))];
        }
        return text;
    }

    void textDialog()
    {
        if (random_.chance(70)) {
            std::string text = someText();
            note("text dialog OK \"" + text + "\"");
            editor_.textDialogOk(text);
        }
        note("text dialog closed");
        ui_.dialogOpen = false;
        editor_.textDialogClosed();
    }

    void tick()
    {
        now_ += 0.1;
        note("tick");
        editor_.Timer1_Timer();
    }

    void clipboardCommand()
    {
        switch (random_.below(6)) {
        case 0:
            note("cut");
            if (auto content = editor_.cut())
                clipboard_ = std::move(*content);
            break;
        case 1:
            note("copy");
            if (auto content = editor_.copy())
                clipboard_ = std::move(*content);
            break;
        case 2: {
            std::optional<CanvasPoint> pointer;
            if (random_.chance(50))
                pointer = canvasOf(somewhere());
            ClipboardContent content = clipboard_;
            if (content.blocks.empty() && content.text.empty())
                content.text = someText() + "\r\n";
            note(pointer ? describe("paste at", *pointer) : std::string("paste"));
            editor_.paste(content, pointer);
            break;
        }
        case 3:
            note("duplicate");
            editor_.duplicate();
            break;
        case 4:
            note("select all");
            editor_.selectAll();
            break;
        default:
            if (state_.blockCount > 0) {
                const int32_t index = random_.below(state_.blockCount);
                note("go to block " + std::to_string(index));
                editor_.selectBlock(index);
            } else {
                note("go to target");
                editor_.gotoTarget();
            }
            break;
        }
    }

    // Undo then redo gives back the tables exactly; either alone is an ordinary step.
    void history()
    {
        const int32_t roll = random_.below(100);
        if (roll < 40 && editor_.canUndo()) {
            const Drawing before = drawingOf(state_);
            note("undo, redo");
            editor_.undo();
            if (!editor_.redo())
                broken_ = "redo refused right after an undo";
            else if (drawingOf(state_) != before)
                broken_ = "undo then redo did not restore the tables";
        } else if (roll < 75) {
            note("undo");
            editor_.undo();
        } else {
            note("redo");
            editor_.redo();
        }
    }

    void view()
    {
        switch (random_.below(6)) {
        case 0:
            note("zoom in");
            editor_.zoom().zoomIn();
            break;
        case 1:
            note("zoom out");
            editor_.zoom().zoomOut();
            break;
        case 2:
            note("fit page");
            editor_.zoom().fitPage();
            break;
        case 3: {
            const CanvasPoint at = canvasOf(somewhere());
            const int32_t notches = random_.chance(50) ? 1 : -1;
            note(describe("Ctrl+wheel", at) + " " + std::to_string(notches));
            editor_.wheelTurned(notches, kCtrlHeld, at.x, at.y);
            break;
        }
        case 4:
            note("wheel");
            editor_.wheelTurned(random_.chance(50) ? 1 : -1, random_.chance(30) ? KeyModifiers(KeyModifiers::kAlt) : kNoModifiers,
                                        100, 100);
            break;
        default:
            note("zoom 100 %");
            editor_.zoom().zoomTo(1.0);
            break;
        }
    }

    // The menus that the editor switches off while an operation waits.
    void menuCommand()
    {
        switch (random_.below(30)) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
        case 6:
        case 7:
        case 8:
        case 9:
            note("Insert Block");
            editor_.minserebloco_Click();
            break;
        case 10:
        case 11:
        case 12:
            note("Delete block or link");
            editor_.mapagabloco_Click();
            break;
        case 13:
            newDrawing("New");
            break;
        case 14:
        case 15:
        case 16:
        case 17:
            saveInMemory();
            break;
        case 18:
        case 19:
        case 20:
            saveAndLoadInMemory();
            break;
        default:
            note("paper");
            editor_.mtippapel_Click(int16_t(random_.below(2)));
            break;
        }
    }

    // Refused when the user keeps a changed drawing; else the empty drawing is the saved one.
    void newDrawing(const char* what)
    {
        note(what);
        files_.mnew_Click();
        if (!state_.modified && state_.blockCount == 0)
            saved_ = {};
    }

    void chooseKind()
    {
        const int16_t index = int16_t(random_.below(6));  // 5 is no button
        note("kind " + std::to_string(index));
        editor_.SelBloco_Click(index);
    }

    // The bytes a save writes, the header stamped as a save stamps it.
    std::optional<std::vector<uint8_t>> encodeAsSaved()
    {
        const ViewPosition view = editor_.viewPosition();
        state_.header.scrollX = view.scrollX;
        state_.header.scrollY = view.scrollY;
        auto bytes = encodeDiagram(state_.header, std::span(state_.blocks).first(size_t(state_.blockCount)),
                                   std::span(state_.links).first(size_t(state_.linkCount)));
        state_.clearUnusedEntries();
        if (!bytes)
            broken_ = "the drawing could not be encoded";
        return bytes;
    }

    // "Save": the file's bytes read back give the drawing; it is now the saved state.
    void saveInMemory()
    {
        note("save");
        const auto bytes = encodeAsSaved();
        if (!bytes)
            return;
        const ReadResult read = decodeDiagram(*bytes);
        if (read.status != ReadStatus::Ok || Drawing{read.data.blocks, read.data.links} != drawingOf(state_)) {
            broken_ = "a save read back does not give the drawing";
            return;
        }
        editor_.markSaved();
        saved_ = drawingOf(state_);
    }

    // Save, then open what was saved: the drawing comes back as it was, unmodified.
    void saveAndLoadInMemory()
    {
        note("save and load");
        const auto bytes = encodeAsSaved();
        if (!bytes)
            return;
        const Drawing before = drawingOf(state_);
        if (!takeDiagram(editor_, ui_, decodeDiagram(*bytes), "memory.fxg")) {
            broken_ = "a saved drawing is refused by the reader";
            return;
        }
        editor_.repaint();
        if (drawingOf(state_) != before)
            broken_ = "save then load changed the drawing";
        saved_ = drawingOf(state_);
    }

    void panTick()
    {
        note("pan timer");
        editor_.panTimerTick();
    }

    void oneStep()
    {
        if (ui_.panTimerRunning && random_.chance(30))
            return panTick();
        if (ui_.dialogOpen) {
            // The text dialog disables the window; only the dialog and the timers run.
            random_.chance(70) ? textDialog() : tick();
            return;
        }
        if (ui_.panelVisible && random_.chance(80)) {
            // The panel asks for a kind; the user picks one or leaves with Esc.
            if (random_.chance(85)) {
                chooseKind();
            } else {
                note("Esc");
                editor_.Form_KeyPress(keys::Esc);
            }
            return;
        }
        if (state_.blockCount > kBlocksBeforeNew && ui_.menusEnabled && random_.chance(20)) {
            newDrawing("New (a large drawing)");
            return;
        }
        const int32_t roll = random_.below(1000);
        if (roll < 100)
            connectGesture();
        else if (roll < 140)
            insertGesture();
        else if (roll < 300)
            pointerGesture();
        else if (roll < 400)
            pointerMove();
        else if (roll < 430)
            doubleClick();
        else if (roll < 530)
            key();
        else if (roll < 620)
            tick();
        else if (roll < 680)
            ui_.panelVisible ? chooseKind() : (ui_.menusEnabled ? menuCommand() : tick());
        else if (roll < 780)
            clipboardCommand();
        else if (roll < 880)
            history();
        else if (roll < 920)
            view();
        else if (ui_.menusEnabled)
            menuCommand();
        else
            pointerGesture();
    }

    // Highlights as the canvas draws them: indices not in use draw nothing.
    static Highlights inUse(Highlights h, const EditorState& s)
    {
        if (h.block >= s.blockCount)
            h.block = -1;
        if (h.link >= s.linkCount)
            h.link = -1;
        std::erase_if(h.several, [&](int32_t b) { return b >= s.blockCount; });
        return h;
    }

    std::optional<std::string> brokenSelection() const
    {
        const Selection& selected = state_.selection;
        const std::vector<int32_t>& blocks = selected.blocks();
        for (size_t i = 0; i < blocks.size(); ++i) {
            if (blocks[i] < 0 || blocks[i] >= state_.blockCount)
                return "selected block " + std::to_string(blocks[i]) + " is not in use";
            if (i > 0 && blocks[i - 1] >= blocks[i])
                return "the selected blocks are not ascending and distinct";
        }
        if (selected.link() < -1 || selected.link() >= state_.linkCount)
            return "the selected link is not in use";
        if (!blocks.empty() && selected.link() >= 0)
            return "blocks and a link selected at once";
        // While the text dialog is open its block is selected but drawn plain.
        if (!ui_.dialogOpen && inUse(editor_.canvasHighlights(), state_) != inUse(highlightsOf(state_), state_))
            return "the canvas highlights other than the selection and the edit mode";
        return std::nullopt;
    }

    std::optional<std::string> brokenRule()
    {
        if (broken_) {
            std::string rule = *broken_;
            broken_.reset();
            return rule;
        }
        const EditorState& s = state_;
        if (s.blockCount < 0 || s.blockCount > kBlockCapacity || s.linkCount < 0 || s.linkCount > kLinkCapacity)
            return "a count beyond its table";
        for (int32_t i = 0; i < s.linkCount; ++i) {
            const Link& link = s.links[size_t(i)];
            const int32_t from = codeBlock(link.source);
            const int32_t to = codeBlock(link.target);
            const std::string which = "link " + std::to_string(i) + " ";
            if (from < 0 || from >= s.blockCount || to < 0 || to >= s.blockCount)
                return which + "names a block not in use";
            if (from == to)
                return which + "links a block to itself";
            if (!offersExit(s.blocks[size_t(from)].kind, portNumber(codePort(link.source))))
                return which + "leaves by an exit its block does not have";
            if (codePort(link.target) != Port::Top || !offersEntry(s.blocks[size_t(to)].kind))
                return which + "arrives at no entry";
        }
        for (int32_t i = 0; i < s.blockCount; ++i) {
            const Block& b = s.blocks[size_t(i)];
            if (b.x % 8 != 0 || b.y % 8 != 0)
                return "block " + std::to_string(i) + " off the grid of 8";
        }
        if (auto broken = brokenSelection())
            return broken;
        if (!s.modified && drawingOf(s) != saved_)
            return "the drawing differs from its saved state but is not marked modified";
        return std::nullopt;
    }

    uint64_t seed_;
    Random random_;
    EditorState state_;
    RandomUi ui_;
    FixedFont canvas_;
    Editor editor_;
    NoFileWindow window_;
    FileCommands files_;

    double now_ = 1000;
    ClipboardContent clipboard_;
    Drawing saved_;
    std::optional<std::string> broken_;
    std::deque<std::string> recent_;
};

} // namespace

uint64_t sessionSeed(uint64_t seed, int64_t index)
{
    Random mix(seed ^ (uint64_t(index) * 0xD1B54A32D192ED03ull));
    return mix.next();
}

std::optional<EditFailure> runSession(uint64_t seed, int64_t steps)
{
    // The tables are large: one session at a time, on the heap.
    auto session = std::make_unique<Session>(seed);
    return session->run(steps);
}

RunTotals runRandomEdits(uint64_t seed, int64_t steps, int64_t sessionSteps,
                         const std::function<void(const EditFailure&)>& onFailure)
{
    RunTotals totals;
    for (int64_t index = 0; totals.steps < steps; ++index) {
        const int64_t length = std::min(sessionSteps, steps - totals.steps);
        const auto failure = runSession(sessionSeed(seed, index), length);
        if (failure) {
            ++totals.failures;
            totals.steps += failure->step + 1;
            onFailure(*failure);
        } else {
            totals.steps += length;
        }
    }
    return totals;
}

} // namespace corvix::edits
