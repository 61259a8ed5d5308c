#include "canvas_widget.h"
#include "main_window.h"
#include "render/block_geometry.h"
#include "scripted_dialogs.h"
#include "view/viewport.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialog>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <memory>

namespace corvix {

// Receives the URLs the window asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void insertsThroughMenuPanelAndLeftPress();
    void twoClicksLinkTwoBlocks();
    void doubleClickEditsTheTextWithOk();
    void deleteAsksThroughThePort();
    void newOpenSaveAsRoundTripWithCaptions();
    void recentListMovesToTopAndDropsTheSeventh();
    void tickRefreshesTheMenus();
    void arrowKeyPansTheView();
    void canvasWiderThanTheSheetScrollsBeforeItsOrigin();
    void dropAsksBeforeDiscardingChanges();
    void f1OpensTheHelpPage();

private:
    EditorState& state() { return *state_; }
    CanvasWidget* canvas() { return window_->findChild<CanvasWidget*>(QStringLiteral("Diagrama")); }
    QAction* action(const char* name) { return window_->findChild<QAction*>(QString::fromLatin1(name)); }
    QString path(const QString& name) const { return dir_->filePath(name); }
    QString captionTail() const { return window_->windowTitle().section(QStringLiteral(" -- "), 1); }

    QPoint toCanvas(Point sheet);
    void pressSheet(Point sheet, Qt::MouseButton button = Qt::LeftButton);
    void insertBlock(int panelIndex, Point sheet);
    // Two actions, the first's exit linked to the second's entry: enough for Save As.
    void drawTwoLinkedBlocks();
    void saveAs(const QString& file);
    void waitForTick();

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<EditorState> state_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<MainWindow> window_;
};

void MainWindowTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    state_ = std::make_unique<EditorState>();
    state_->programDir = dir_->path().toStdString() + "/";
    dialogs_ = std::make_unique<ScriptedDialogs>();
    window_ = std::make_unique<MainWindow>(*state_, *dialogs_);
    window_->load(std::string());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void MainWindowTest::cleanup()
{
    state_->modified = false;  // closing asks nothing
    window_.reset();
    dialogs_.reset();
    state_.reset();
    dir_.reset();
}

QPoint MainWindowTest::toCanvas(Point sheet)
{
    const Viewport& view = window_->editor().viewport();
    return QPoint(sheet.x - view.viewOffsetX(), sheet.y - view.viewOffsetY());
}

void MainWindowTest::pressSheet(Point sheet, Qt::MouseButton button)
{
    QTest::mouseClick(canvas(), button, Qt::NoModifier, toCanvas(sheet));
}

void MainWindowTest::insertBlock(int panelIndex, Point sheet)
{
    action("minserebloco")->trigger();
    auto* button = window_->findChild<QToolButton*>(QStringLiteral("SelBloco%1").arg(panelIndex));
    QVERIFY(button && button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    // The canvas takes presses again from the next tick on.
    QTRY_VERIFY(canvas()->isEnabled());
    pressSheet(sheet);
}

void MainWindowTest::drawTwoLinkedBlocks()
{
    insertBlock(0, {200, 120});
    insertBlock(0, {200, 320});
    pressSheet(portPoint(state().blocks[0], PortBottom));
    pressSheet(portPoint(state().blocks[1], PortTop));
    QCOMPARE(state().linkCount, 1);
}

void MainWindowTest::waitForTick()
{
    QSignalSpy tick(window_->findChild<QTimer*>(QStringLiteral("Timer1")), &QTimer::timeout);
    QVERIFY(tick.wait(2000));
}

void MainWindowTest::saveAs(const QString& file)
{
    QTRY_VERIFY(action("msaveas")->isEnabled());
    dialogs_->savePaths.enqueue(file);
    action("msaveas")->trigger();
    QVERIFY(QFile::exists(file));
}

void MainWindowTest::insertsThroughMenuPanelAndLeftPress()
{
    action("minserebloco")->trigger();
    QVERIFY(window_->findChild<QWidget*>(QStringLiteral("FrameSelObj"))->isVisible());
    QVERIFY(!action("mload")->isEnabled() || !action("minserebloco")->isEnabled());

    QTest::mouseClick(window_->findChild<QToolButton*>(QStringLiteral("SelBloco1")), Qt::LeftButton);
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BitmapCursor);
    QTRY_VERIFY(canvas()->isEnabled());

    pressSheet({203, 149}, Qt::RightButton);  // only the left button places the block
    QCOMPARE(state().blockCount, 0);
    pressSheet({203, 149});
    QCOMPARE(state().blockCount, 1);
    const Block& b = state().blocks[0];
    QCOMPARE(b.kind, int32_t(Decision));
    QCOMPARE(b.text, std::string("== 0 ==?"));
    QCOMPARE(b.x, 200);
    QCOMPARE(b.y, 152);
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(action("minserebloco")->isEnabled());
}

void MainWindowTest::twoClicksLinkTwoBlocks()
{
    insertBlock(0, {200, 120});
    insertBlock(1, {200, 320});
    // From the decision's left exit to the action's entry: stored exit to entry.
    pressSheet(portPoint(state().blocks[0], PortTop));
    QCOMPARE(state().editMode, int32_t(Connecting));
    pressSheet(portPoint(state().blocks[1], PortLeft));
    QCOMPARE(state().linkCount, 1);
    QCOMPARE(state().links[0], (Link{connectionCode(1, PortLeft), connectionCode(0, PortTop)}));
    QCOMPARE(state().editMode, int32_t(Idle));
}

void MainWindowTest::doubleClickEditsTheTextWithOk()
{
    insertBlock(0, {300, 200});
    const Point centre{state().blocks[0].x, state().blocks[0].y};
    pressSheet(centre);
    QTest::mouseDClick(canvas(), Qt::LeftButton, Qt::NoModifier, toCanvas(centre));

    auto* dialog = window_->findChild<QDialog*>(QStringLiteral("Form2"));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Modify the text"));
    QVERIFY(!window_->centralWidget()->isEnabled());
    auto* edit = dialog->findChild<QPlainTextEdit*>(QStringLiteral("Entrada_texto"));
    QCOMPARE(edit->textCursor().selectedText(), QStringLiteral("== 0 =="));

    QTest::keyClicks(edit, QStringLiteral("Read"));
    QTest::keyClick(edit, Qt::Key_Return);
    edit->insertPlainText(QStringLiteral("caf\u00e9  "));  // typed keys are ASCII only
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);

    QVERIFY(!dialog->isVisible());
    QVERIFY(window_->centralWidget()->isEnabled());
    QCOMPARE(state().blocks[0].text, std::string("Read\r\ncaf\xe9"));
    QCOMPARE(state().selectedBlock, -1);
    QVERIFY(state().modified);

    // The first key after the dialog reaches the editor (it was once taken for the
    // dialog's last key climbing to its parent window).
    pressSheet(centre);
    QTest::keyClick(window_.get(), Qt::Key_Delete);
    QCOMPARE(dialogs_->questions, QStringList{QStringLiteral("Delete selected block?")});
}

void MainWindowTest::deleteAsksThroughThePort()
{
    insertBlock(0, {200, 120});
    const Point centre{state().blocks[0].x, state().blocks[0].y};
    pressSheet(centre);

    dialogs_->answers.enqueue(false);
    QTest::keyClick(canvas(), Qt::Key_Delete);
    QCOMPARE(dialogs_->questions, QStringList{QStringLiteral("Delete selected block?")});
    QCOMPARE(state().blockCount, 1);

    dialogs_->answers.enqueue(true);
    QTRY_VERIFY(action("mapagabloco")->isEnabled());
    action("mapagabloco")->trigger();
    QCOMPARE(state().blockCount, 0);
}

void MainWindowTest::newOpenSaveAsRoundTripWithCaptions()
{
    QVERIFY(window_->windowTitle().endsWith(QStringLiteral(" v1.1.0 -- < New >")));
    drawTwoLinkedBlocks();
    const QString file = path(QStringLiteral("round trip"));  // no extension is added
    saveAs(file);
    QCOMPARE(captionTail(), file);
    QVERIFY(!state().modified);

    action("mnew")->trigger();
    QVERIFY(dialogs_->questions.isEmpty());
    QCOMPARE(state().blockCount, 0);
    QCOMPARE(captionTail(), QStringLiteral("< New >"));

    dialogs_->openPaths.enqueue(file);
    action("mload")->trigger();
    QCOMPARE(state().blockCount, 2);
    QCOMPARE(state().linkCount, 1);
    QCOMPARE(state().fileName, file.toStdString());
    QCOMPARE(captionTail(), file);
    QVERIFY(dialogs_->messages.isEmpty());
}

void MainWindowTest::recentListMovesToTopAndDropsTheSeventh()
{
    drawTwoLinkedBlocks();
    for (int i = 1; i <= 7; ++i)
        saveAs(path(QStringLiteral("d%1.FXG").arg(i)));
    auto caption = [this](int i) { return action(QStringLiteral("mhist%1").arg(i).toLatin1().constData())->text(); };
    QCOMPARE(caption(0), QStringLiteral("&1 :: ") + path(QStringLiteral("d7.FXG")));
    QCOMPARE(caption(5), QStringLiteral("&6 :: ") + path(QStringLiteral("d2.FXG")));
    QVERIFY(action("msephist")->isVisible());

    action("mhist2")->trigger();  // d5
    QCOMPARE(state().fileName, path(QStringLiteral("d5.FXG")).toStdString());
    QCOMPARE(caption(0), QStringLiteral("&1 :: ") + path(QStringLiteral("d5.FXG")));
    QCOMPARE(caption(1), QStringLiteral("&2 :: ") + path(QStringLiteral("d7.FXG")));
    QCOMPARE(caption(2), QStringLiteral("&3 :: ") + path(QStringLiteral("d6.FXG")));

    // An ampersand in a path shows as itself, not as a second access key.
    saveAs(path(QStringLiteral("R&D.FXG")));
    QCOMPARE(caption(0), QStringLiteral("&1 :: ") + path(QStringLiteral("R&&D.FXG")));
}

void MainWindowTest::tickRefreshesTheMenus()
{
    insertBlock(0, {200, 120});
    pressSheet({state().blocks[0].x, state().blocks[0].y});
    waitForTick();
    QVERIFY(action("mapagabloco")->isEnabled());
    QVERIFY(!action("msaveas")->isEnabled());  // no link yet
    QVERIFY(!action("msave")->isEnabled());
    pressSheet({900, 900});
    waitForTick();
    QVERIFY(!action("mapagabloco")->isEnabled());
}

void MainWindowTest::arrowKeyPansTheView()
{
    auto* bar = window_->findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    QTest::keyClick(canvas(), Qt::Key_Right);
    QCOMPARE(bar->value(), 60);
    QCOMPARE(window_->editor().viewport().viewOffsetX(), 60);
    QTest::keyClick(canvas(), Qt::Key_Left, Qt::ControlModifier);
    QCOMPARE(window_->editor().viewport().viewOffsetX(), 59);
}

void MainWindowTest::canvasWiderThanTheSheetScrollsBeforeItsOrigin()
{
    window_->resize(1400, 600);
    auto* bar = window_->findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    const int max = 1188 - (window_->centralWidget()->width() - 12);
    QTRY_COMPARE(window_->editor().viewport().hScroll().maximum, max);
    QVERIFY(max < 0);
    // 0 stays at the bar's start, the negative maximum at its far end.
    QCOMPARE(bar->maximum(), 0);
    QCOMPARE(bar->minimum(), max);
    QVERIFY(bar->invertedAppearance());
    QCOMPARE(bar->value(), 0);

    QTest::keyClick(canvas(), Qt::Key_End);
    QCOMPARE(bar->value(), max);
    QCOMPARE(window_->editor().viewport().viewOffsetX(), max);
}

void MainWindowTest::dropAsksBeforeDiscardingChanges()
{
    drawTwoLinkedBlocks();
    const QString file = path(QStringLiteral("dropped.FXG"));
    saveAs(file);
    action("mnew")->trigger();
    insertBlock(4, {300, 300});
    QVERIFY(state().modified);

    // Drags in the file and drops it where the canvas takes it; false when refused.
    auto dropFile = [this](const QString& dropped) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(dropped)});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent event(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas(), &event);
        return true;
    };
    dialogs_->answers.enqueue(false);
    QVERIFY(dropFile(file));
    QCOMPARE(dialogs_->questions,
             QStringList{QStringLiteral("The drawing can have been changed. Do you want to discard it?")});
    QCOMPARE(state().blockCount, 1);
    QVERIFY(state().modified);

    dialogs_->answers.enqueue(true);
    QVERIFY(dropFile(file));
    QCOMPARE(state().blockCount, 2);
    QCOMPARE(captionTail(), file);

    QVERIFY(!dropFile(path(QStringLiteral("notes.txt"))));
}

void MainWindowTest::f1OpensTheHelpPage()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    QTest::keyClick(canvas(), Qt::Key_F1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(catcher.urls.size(), 1);
    QCOMPARE(catcher.urls[0].fileName(), QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + ".html");
}

} // namespace corvix

QTEST_MAIN(corvix::MainWindowTest)
#include "main_window_test.moc"
