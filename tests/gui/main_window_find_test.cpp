#include "window/find_bar.h"
#include "window/problems_panel.h"
#include "window_test_base.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <algorithm>
#include <iterator>

namespace corvix {

// The problems panel, the find field and Go to Target, driven through the window's keys.
class MainWindowFindTest final : public WindowTestBase {
    Q_OBJECT
private slots:
    void init()
    {
        makeWindow();
        startWindow();
    }
    void cleanup() { destroyWindow(); }

    void problemsPanelFollowsAnUndoAndTakesTheUserToTheBlock();
    void problemLinesQuoteTheBlocksText();
    void problemsPanelSelectsOnAClickAndOnTheArrows();
    void findGoesRoundAndKeepsItsKeysFromTheEditor();
    void gotoTargetKeyGoesBothWays();

private:
    QListWidget* problemsList() { return window_->findChild<QListWidget*>(QStringLiteral("problemsList")); }
    QLineEdit* findField() { return window_->findChild<QLineEdit*>(QStringLiteral("findField")); }
    QStringList problemLines()
    {
        QStringList lines;
        for (int i = 0; i < problemsList()->count(); ++i)
            lines << problemsList()->item(i)->text();
        return lines;
    }
    void key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        target->activateWindow();
        QTest::keyClick(target, key, modifiers);
    }
};

void MainWindowFindTest::problemsPanelFollowsAnUndoAndTakesTheUserToTheBlock()
{
    Editor& editor = window_->editor();
    const QRect fullCanvas = canvas()->geometry();
    const int32_t fullHeight = editor.viewport().clientHeight();

    key(canvas(), Qt::Key_F7);
    QVERIFY(problemsList()->isVisible());
    QVERIFY(action("mproblems")->isChecked());
    QTRY_VERIFY(canvas()->height() < fullCanvas.height());
    QCOMPARE(editor.viewport().clientHeight(), fullHeight - (fullCanvas.height() - canvas()->height()));
    QVERIFY(problemLines().isEmpty());

    editor.commands().insere_bloco(BlockKind::Action, "dry", 300, 300);
    editor.commands().insere_bloco(BlockKind::Action, "== 1 ==", 800, 1200);
    // insere_bloco changes the tables alone; the user's insertion repaints after it.
    editor.repaint();
    QTRY_COMPARE_WITH_TIMEOUT(problemLines(),
                              (QStringList{"block 2 \"== 1 ==\": unreachable: it cannot be reached from the start",
                                           "block 2 \"== 1 ==\": default-text: its text is still the default"}),
                              200);
    editor.undo();
    QTRY_COMPARE_WITH_TIMEOUT(problemLines(), QStringList(), 200);
    editor.redo();
    QTRY_COMPARE_WITH_TIMEOUT(problemLines().size(), 2, 200);

    // Arrows move in the list, and the line they reach takes the view to its block.
    problemsList()->setFocus();
    key(problemsList(), Qt::Key_Down);
    QCOMPARE(state().selectedBlock, 1);
    QVERIFY(editor.viewport().viewOffsetY() > 0);
    QVERIFY(problemsList()->hasFocus());

    // A press on the canvas takes the keys back: Up moves the view again.
    QTest::mouseClick(canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(window_->focusWidget(), canvas());
    const int32_t scrolledY = editor.viewport().viewOffsetY();
    key(window_->focusWidget(), Qt::Key_Up);
    QVERIFY(editor.viewport().viewOffsetY() < scrolledY);

    key(canvas(), Qt::Key_F7);
    QVERIFY(!problemsList()->isVisible());
    QTRY_COMPARE(canvas()->geometry(), fullCanvas);
    QCOMPARE(editor.viewport().clientHeight(), fullHeight);
}

// Each a goto target that no jump names ("unused-target"), so one line a block.
void MainWindowFindTest::problemLinesQuoteTheBlocksText()
{
    Editor& editor = window_->editor();
    const struct {
        const char* text;
        const char* quoted;
    } cases[] = {
        {"dry", "\"dry\""},
        {"two\r\nlines", "\"two lines\""},
        {"50 %1 off", "\"50 %1 off\""},
        {"a text far too long to show whole in the panel", "\"a text far too long to show whole in th\u2026\""},
    };
    for (const auto& c : cases)
        editor.commands().insere_bloco(BlockKind::GotoTarget, c.text, 300, 300 + 100 * state().blockCount);
    key(canvas(), Qt::Key_F7);
    QTRY_COMPARE(problemsList()->count(), int(std::size(cases)));
    for (int i = 0; i < problemsList()->count(); ++i)
        QVERIFY2(problemLines()[i].startsWith(QStringLiteral("block %1 ").arg(i + 1) + QString::fromUtf8(cases[i].quoted)
                                              + QStringLiteral(": ")),
                 qPrintable(problemLines()[i]));

    // A new text with the same findings shows too.
    editor.selectBlock(0);
    editor.textDialogOk("wet");
    QTRY_VERIFY(problemLines()[0].startsWith(QStringLiteral("block 1 \"wet\": ")));
}

void MainWindowFindTest::problemsPanelSelectsOnAClickAndOnTheArrows()
{
    Editor& editor = window_->editor();
    editor.commands().insere_bloco(BlockKind::Action, "start", 300, 300);
    editor.commands().insere_bloco(BlockKind::Decision, "== 1 ==?", 800, 1200);
    editor.commands().insere_bloco(BlockKind::Action, "== 2 ==", 300, 200);
    key(canvas(), Qt::Key_F7);
    QTRY_VERIFY(problemsList()->count() > 0);
    const QStringList lines = problemLines();
    QVERIFY2(lines.contains(QStringLiteral("block 2 \"== 1 ==?\": default-text: its text is still the default")),
             qPrintable(lines.join(QLatin1Char('\n'))));
    // The first line of a block.
    const auto rowOf = [&lines](int block) {
        const QString head = QStringLiteral("block %1 ").arg(block + 1);
        return int(std::find_if(lines.begin(), lines.end(), [&head](const QString& l) { return l.startsWith(head); })
                   - lines.begin());
    };

    const auto click = [this](int row) {
        QTest::mouseClick(problemsList()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          problemsList()->visualItemRect(problemsList()->item(row)).center());
    };
    click(rowOf(1));
    QCOMPARE(state().selectedBlock, 1);
    const int32_t farDown = editor.viewport().viewOffsetY();
    QVERIFY(farDown > 0);  // the block far down is in view

    // The same line clicked again after a press on the canvas selects its block again.
    editor.selectBlock(2);
    click(rowOf(1));
    QCOMPARE(state().selectedBlock, 1);

    problemsList()->setCurrentRow(rowOf(1));
    while (problemsList()->currentRow() < rowOf(2))
        key(problemsList(), Qt::Key_Down);
    QCOMPARE(state().selectedBlock, 2);
    QVERIFY(editor.viewport().viewOffsetY() < farDown);
}

void MainWindowFindTest::findGoesRoundAndKeepsItsKeysFromTheEditor()
{
    Editor& editor = window_->editor();
    editor.commands().insere_bloco(BlockKind::Action, "high tide", 300, 200);
    editor.commands().insere_bloco(BlockKind::Decision, "ebb?", 300, 350);
    editor.commands().insere_bloco(BlockKind::Action, "TIDES", 800, 1200);
    editor.selectBlock(1);

    key(canvas(), Qt::Key_F, Qt::ControlModifier);
    QTRY_VERIFY(findField()->hasFocus());
    QTest::keyClicks(findField(), QStringLiteral("tide"));
    QCOMPARE(state().blocks[1].kind, BlockKind::Decision);  // T in the field swaps nothing
    QCOMPARE(state().selectedBlock, 1);

    key(findField(), Qt::Key_Return);
    QCOMPARE(state().selectedBlock, 2);
    QVERIFY(editor.viewport().viewOffsetY() > 0);
    key(findField(), Qt::Key_F3);
    QCOMPARE(state().selectedBlock, 0);
    QCOMPARE(editor.viewport().viewOffsetY(), 0);
    QVERIFY(dialogs_->messages.isEmpty());

    findField()->setText(QStringLiteral("flood"));
    key(findField(), Qt::Key_Return);
    QCOMPARE(dialogs_->messages, QStringList{"No block contains 'flood'."});
    QCOMPARE(state().selectedBlock, 0);

    key(findField(), Qt::Key_Escape);
    QVERIFY(!findField()->isVisible());
    QCOMPARE(state().selectedBlock, 0);  // the field's Esc cancels no selection
}

void MainWindowFindTest::gotoTargetKeyGoesBothWays()
{
    Editor& editor = window_->editor();
    editor.commands().insere_bloco(BlockKind::GotoJump, "A", 300, 200);
    editor.commands().insere_bloco(BlockKind::GotoTarget, "a", 800, 1200);
    editor.selectBlock(0);

    key(canvas(), Qt::Key_F12);
    QCOMPARE(state().selectedBlock, 1);
    QVERIFY(editor.viewport().viewOffsetY() > 0);
    key(canvas(), Qt::Key_F12);
    QCOMPARE(state().selectedBlock, 0);
    QCOMPARE(editor.viewport().viewOffsetY(), 0);
    QVERIFY(dialogs_->messages.isEmpty());
}

} // namespace corvix

QTEST_MAIN(corvix::MainWindowFindTest)
#include "main_window_find_test.moc"
