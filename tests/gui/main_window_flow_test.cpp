#include "window/find_bar.h"
#include "window_test_base.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <algorithm>
#include <vector>

namespace corvix {

namespace {

// What the canvas told assistive technology: the event and the child it names.
struct Announcement {
    QAccessible::Event type;
    int child;
    bool operator==(const Announcement&) const = default;
};
std::vector<Announcement> announcements;

void recordAnnouncement(QAccessibleEvent* event)
{
    announcements.push_back({event->type(), event->child()});
}

} // namespace

// The flow keys on the real window, and the canvas as a screen reader reads it.
class MainWindowFlowTest final : public WindowTestBase {
    Q_OBJECT
private slots:
    void init()
    {
        makeWindow();
        startWindow();
        announcements.clear();
        setAnnouncementSink(recordAnnouncement);
    }
    void cleanup()
    {
        setAnnouncementSink(nullptr);
        destroyWindow();
    }

    void keysAloneBuildAndTheCanvasReadsTheBlocks();
    void theKindPanelAndTheLinkFieldTakeTheirKeys();

private:
    // The widget that has the editor window's keys.
    QWidget* focused() { return window_->focusWidget(); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QApplication::setActiveWindow(window_.get());
        QTest::keyClick(focused() ? focused() : window_.get(), key, modifiers);
    }
    QDialog* textDialog() { return window_->findChild<QDialog*>(QStringLiteral("Form2")); }
    // Types text into the open text dialog and presses Ctrl+Return.
    void typeText(const QString& text)
    {
        QVERIFY(textDialog()->isVisible());
        QApplication::setActiveWindow(textDialog());
        auto* box = textDialog()->findChild<QPlainTextEdit*>(QStringLiteral("Entrada_texto"));
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);  // a line break, not OK
        QVERIFY(textDialog()->isVisible());
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(!textDialog()->isVisible());
    }
    QAccessibleInterface* drawing() { return QAccessible::queryAccessibleInterface(canvas()); }
};

void MainWindowFlowTest::keysAloneBuildAndTheCanvasReadsTheBlocks()
{
    QCOMPARE(focused(), canvas());
    key(Qt::Key_Down, Qt::AltModifier);
    QVERIFY(focused() && focused()->objectName() == QLatin1String("SelBloco0"));
    key(Qt::Key_Return);  // the first kind, Action
    typeText(QStringLiteral("Start"));
    QCOMPARE(focused(), canvas());
    key(Qt::Key_Down, Qt::AltModifier);
    key(Qt::Key_Right);
    key(Qt::Key_Return);  // the second, Decision
    typeText(QStringLiteral("ok"));
    QCOMPARE(state().blockCount, 2);
    QCOMPARE(state().blocks[1].text, std::string("ok?"));
    QCOMPARE(state().selectedBlock, 1);

    QAccessibleInterface* canvasReader = drawing();
    QCOMPARE(canvasReader->text(QAccessible::Name), QStringLiteral("Drawing"));
    QCOMPARE(canvasReader->childCount(), 2);
    QAccessibleInterface* start = canvasReader->child(0);
    QAccessibleInterface* ask = canvasReader->child(1);
    QCOMPARE(start->text(QAccessible::Name), QStringLiteral("Action 1: Start"));
    QCOMPARE(start->text(QAccessible::Description), QStringLiteral("Next: block 2"));
    QCOMPARE(ask->text(QAccessible::Name), QStringLiteral("Decision 2: ok?"));
    QCOMPARE(ask->text(QAccessible::Description), QStringLiteral("Yes: no link; No: no link; Entered from block 1"));
    QCOMPARE(canvasReader->indexOfChild(ask), 1);
    QCOMPARE(ask->parent(), canvasReader);
    QApplication::setActiveWindow(window_.get());
    QCOMPARE(canvasReader->focusChild(), ask);
    QVERIFY(ask->state().focused && ask->state().selected && !start->state().focused);

    // Bounds on the screen follow the zoom.
    const QRect canvasOnScreen(canvas()->mapToGlobal(QPoint(0, 0)), canvas()->size());
    const QRect atFull = ask->rect();
    QVERIFY(canvasOnScreen.contains(atFull));
    QCOMPARE(canvasReader->childAt(atFull.center().x(), atFull.center().y()), ask);
    window_->editor().zoom().zoomTo(2.0);
    QVERIFY(qAbs(ask->rect().width() - 2 * atFull.width()) <= 2);

    // Going up the flow moves the focus; an undo takes a block and its words away.
    announcements.clear();
    key(Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(state().selectedBlock, 0);
    QVERIFY(std::count(announcements.begin(), announcements.end(), Announcement{QAccessible::Focus, 0}) == 1);
    action("mundo")->trigger();
    QCOMPARE(canvasReader->childCount(), 1);
    QVERIFY(std::count(announcements.begin(), announcements.end(), Announcement{QAccessible::ObjectReorder, -1}) == 1);
    QCOMPARE(canvasReader->child(0)->text(QAccessible::Description), QStringLiteral("Next: no link"));

    // F2 edits the selected block's text; after the dialog the focus is back on the block.
    action("mredo")->trigger();
    key(Qt::Key_Up, Qt::AltModifier);  // selects the start again
    announcements.clear();
    key(Qt::Key_F2);
    typeText(QStringLiteral("Begin"));  // over the whole text, selected as the dialog opens
    QCOMPARE(state().blocks[0].text, std::string("Begin"));
    QCOMPARE(canvasReader->child(0)->text(QAccessible::Name), QStringLiteral("Action 1: Begin"));
    QCOMPARE(announcements.back(), (Announcement{QAccessible::Focus, 0}));
}

void MainWindowFlowTest::theKindPanelAndTheLinkFieldTakeTheirKeys()
{
    // The menu lists the commands with their keys.
    QCOMPARE(action("mflowdown")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Down));
    QCOMPARE(action("mlinkto")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    QCOMPARE(action("medittext")->shortcut(), QKeySequence(Qt::Key_F2));

    // Esc in the panel cancels; a digit picks a kind; the arrows in the panel do not scroll.
    key(Qt::Key_Down, Qt::AltModifier);
    key(Qt::Key_Escape);
    QVERIFY(!window_->editor().kindPanelVisible());
    QCOMPARE(state().blockCount, 0);
    QCOMPARE(focused(), canvas());
    key(Qt::Key_Down, Qt::AltModifier);
    const int32_t viewY = window_->editor().viewport().viewOffsetY();
    key(Qt::Key_Down);
    key(Qt::Key_Left);
    QCOMPARE(window_->editor().viewport().viewOffsetY(), viewY);
    key(Qt::Key_4);  // goto target
    typeText(QStringLiteral("start"));
    key(Qt::Key_Down, Qt::AltModifier);
    key(Qt::Key_1);
    typeText(QStringLiteral("one"));
    key(Qt::Key_Down, Qt::AltModifier);
    key(Qt::Key_1);
    typeText(QStringLiteral("two"));
    QCOMPARE(state().blocks[0].kind, BlockKind::GotoTarget);
    QCOMPARE(state().blockCount, 3);

    // Ctrl+K: the field asks for the text, Return links, the block stays selected.
    key(Qt::Key_K, Qt::ControlModifier);
    auto* field = window_->findChild<QLineEdit*>(QStringLiteral("findField"));
    QCOMPARE(focused(), field);
    QTest::keyClicks(field, QStringLiteral("ONE"));
    announcements.clear();
    key(Qt::Key_Return);
    // The selected block's words now say where its exit goes.
    QCOMPARE(announcements, (std::vector<Announcement>{{QAccessible::DescriptionChanged, 2}}));
    QCOMPARE(state().linkCount, 3);
    QCOMPARE(state().links[2], (Link{connectionCode(2, Port::Bottom), connectionCode(1, Port::Top)}));
    QCOMPARE(state().selectedBlock, 2);
    QCOMPARE(focused(), canvas());
    QVERIFY(!field->isVisible());
    key(Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(dialogs_->messages, QStringList{QStringLiteral("The selected block has no free exit.")});
    QVERIFY(!field->isVisible());
}

} // namespace corvix

QTEST_MAIN(corvix::MainWindowFlowTest)
#include "main_window_flow_test.moc"
