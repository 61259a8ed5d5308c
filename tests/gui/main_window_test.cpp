#include "app/help_window.h"
#include "cli/cli.h"
#include "cli/qt_commands.h"
#include "dialogs/desktop_dialogs.h"
#include "model/program_info.h"
#include "render/block_geometry.h"
#include "scripted_dialogs.h"
#include "storage/diagram_file.h"
#include "view/viewport.h"
#include "window/canvas_widget.h"
#include "window/main_window.h"
#include "window_test_base.h"

#include <QAccessible>
#include <QApplication>
#include <QAction>
#include <QDesktopServices>
#include <QDialog>
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <tuple>

namespace corvix {

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The diagram file at path written anew as if saved at time: two saves of one drawing
// differ only in the save time and the check words that cover it.
QByteArray savedAt(const QString& path, double time)
{
    ReadResult read = readDiagramFile(path.toStdString());
    if (read.status != ReadStatus::Ok)
        return QByteArray();
    read.data.header.savedAt = time;
    const auto bytes = encodeDiagram(read.data.header, read.data.blocks, read.data.links);
    return bytes ? QByteArray(reinterpret_cast<const char*>(bytes->data()), qsizetype(bytes->size())) : QByteArray();
}

// One entry a page, with the page's size: a PDF's bytes also hold the time it was made.
QStringList pdfPages(const QByteArray& pdf)
{
    QStringList pages;
    static const QRegularExpression mediaBox(QStringLiteral("/MediaBox \\[[^\\]]*\\]"));
    for (const QRegularExpressionMatch& m : mediaBox.globalMatch(QString::fromLatin1(pdf)))
        pages << m.captured();
    return pages;
}

} // namespace

// Receives the URLs the window asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class MainWindowTest : public WindowTestBase {
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
    void fileKeysFollowTheirItems();
    void arrowKeyPansTheView();
    void canvasWiderThanTheSheetHasNothingToScroll();
    void dropAsksBeforeDiscardingChanges();
    void enterOnTheDiscardQuestionKeepsTheWork();
    void f1OpensTheHelpPage();
    void windowStartsAsItWasLeft();
    void undoAndRedoKeysRepaintAtOnce();
    void editItemsFollowTheStepsAndOperations();
    void editAndViewStayOffWhileAnOperationWaits();
    void menuBarHasNoPopup();
    void accessKeysDifferWithinEachMenu();
    void everyStepUndoneAndRedoneSavesTheSameFile();
    void exportWritesWhatTheCommandLineWrites_data();
    void exportWritesWhatTheCommandLineWrites();
    void exportFormatFromExtensionOrFilter_data();
    void exportFormatFromExtensionOrFilter();
    void exportAsksBeforeReplacingTheFileItWrites_data();
    void exportAsksBeforeReplacingTheFileItWrites();
    void exportProposesTheNameWithTheFormatsExtension();
    void failedExportKeepsTheOldFile_data();
    void failedExportKeepsTheOldFile();
    void quickSecondRightPressDropsTheBlock();
    void ctrlShiftShortcutsWorkHoweverLongHeld();
    void shiftPanPacesItselfAndPaintsOnlyAMovedView();
    void unreadableFileNamesTheSystemsReason_data();
    void unreadableFileNamesTheSystemsReason();
    void screenReadersHearTheKindsAndTheCanvas();

private:
    QPoint toCanvas(Point sheet);
    void pressSheet(Point sheet, Qt::MouseButton button = Qt::LeftButton);
    void insertBlock(int panelIndex, Point sheet);
    // Two actions, the first's exit linked to the second's entry: enough for Save As.
    void drawTwoLinkedBlocks();
    void saveAs(const QString& file);
    void open(const QString& file);
    void editText(int block, const QString& text);
    // Insert, link, move, edit and delete on the drawing of drawTwoLinkedBlocks: five steps.
    void performTrialEdits();
    void exportAs(const QString& file, const QString& filter = QString());
};

void MainWindowTest::init()
{
    makeWindow();
    startWindow();
}

void MainWindowTest::cleanup()
{
    destroyWindow();
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
    pressSheet(portPoint(state().blocks[0], Port::Bottom));
    pressSheet(portPoint(state().blocks[1], Port::Top));
    QCOMPARE(state().linkCount, 1);
}

void MainWindowTest::saveAs(const QString& file)
{
    QTRY_VERIFY(action("msaveas")->isEnabled());
    dialogs_->savePaths.enqueue(file);
    action("msaveas")->trigger();
    QVERIFY(QFile::exists(file));
}

void MainWindowTest::open(const QString& file)
{
    dialogs_->openPaths.enqueue(file);
    action("mload")->trigger();
    QCOMPARE(state().fileName, file.toStdString());
}

void MainWindowTest::editText(int block, const QString& text)
{
    const Point centre{state().blocks[size_t(block)].x, state().blocks[size_t(block)].y};
    pressSheet(centre);
    QTest::mouseDClick(canvas(), Qt::LeftButton, Qt::NoModifier, toCanvas(centre));
    auto* dialog = window_->findChild<QDialog*>(QStringLiteral("Form2"));
    QVERIFY(dialog && dialog->isVisible());
    QTest::keyClicks(dialog->findChild<QPlainTextEdit*>(QStringLiteral("Entrada_texto")), text);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
}

void MainWindowTest::performTrialEdits()
{
    insertBlock(1, {520, 120});  // a decision, block 2
    pressSheet(portPoint(state().blocks[1], Port::Bottom));
    pressSheet(portPoint(state().blocks[2], Port::Top));
    QCOMPARE(state().linkCount, 2);
    pressSheet({state().blocks[0].x, state().blocks[0].y}, Qt::RightButton);
    QCOMPARE(state().editMode, EditMode::MovingBlock);
    pressSheet({403, 517});
    QCOMPARE(state().blocks[0].x, 400);
    editText(2, QStringLiteral("Done?"));
    QCOMPARE(state().blocks[2].text, std::string("Done?"));
    pressSheet({state().blocks[0].x, state().blocks[0].y});
    dialogs_->answers.enqueue(true);
    QTest::keyClick(canvas(), Qt::Key_Delete);
    QCOMPARE(state().blockCount, 2);
    QCOMPARE(state().linkCount, 1);
}

void MainWindowTest::exportAs(const QString& file, const QString& filter)
{
    dialogs_->exportChoices.enqueue({file, filter});
    action("mexport")->trigger();
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
    QCOMPARE(b.kind, BlockKind::Decision);
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
    pressSheet(portPoint(state().blocks[0], Port::Top));
    QCOMPARE(state().editMode, EditMode::Connecting);
    pressSheet(portPoint(state().blocks[1], Port::Left));
    QCOMPARE(state().linkCount, 1);
    QCOMPARE(state().links[0], (Link{connectionCode(1, Port::Left), connectionCode(0, Port::Top)}));
    QCOMPARE(state().editMode, EditMode::Idle);
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
    dialogs_->answers.enqueue(false);
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

void MainWindowTest::fileKeysFollowTheirItems()
{
    drawTwoLinkedBlocks();
    const QString file = path(QStringLiteral("keys.FXG"));
    waitForTick();
    QTest::keyClick(canvas(), Qt::Key_S, Qt::ControlModifier);  // no name yet: Save is off
    QVERIFY(state().modified);
    QVERIFY(!QFile::exists(file));

    // Save As has Ctrl+Shift+S also where the desktop names no key for it, shown in the menu.
    QCOMPARE(action("msaveas")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QTRY_VERIFY(action("msaveas")->isEnabled());
    dialogs_->savePaths.enqueue(file);
    QTest::keyClick(canvas(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(QFile::exists(file));
    QCOMPARE(captionTail(), file);
    insertBlock(0, {400, 400});
    waitForTick();
    QTest::keyClick(canvas(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!state().modified);
    QCOMPARE(readDiagramFile(file.toStdString()).data.blocks.size(), size_t(3));

    QTest::keyClick(canvas(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(state().blockCount, 0);
    QCOMPARE(captionTail(), QStringLiteral("< New >"));
}

void MainWindowTest::tickRefreshesTheMenus()
{
    insertBlock(0, {200, 120});
    pressSheet({state().blocks[0].x, state().blocks[0].y});
    waitForTick();
    QVERIFY(action("mapagabloco")->isEnabled());
    QVERIFY(action("msaveas")->isEnabled());  // a block without links is worth saving
    QVERIFY(!action("msave")->isEnabled());   // never saved: no file to write back to
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

void MainWindowTest::canvasWiderThanTheSheetHasNothingToScroll()
{
    window_->resize(1400, 600);
    auto* hBar = window_->findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    auto* vBar = window_->findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    QTRY_VERIFY(window_->centralWidget()->width() - 12 >= 1188);
    QCOMPARE(hBar->minimum(), 0);
    QCOMPARE(hBar->maximum(), 0);
    QVERIFY(!hBar->isEnabled());
    QVERIFY(vBar->isEnabled());  // the sheet is still taller than the canvas

    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_End, Qt::Key_Left})
        QTest::keyClick(canvas(), key);
    QCOMPARE(window_->editor().viewport().viewOffsetX(), 0);
    QTest::keyClick(canvas(), Qt::Key_Down);
    QCOMPARE(window_->editor().viewport().viewOffsetY(), 60);

    window_->resize(700, 600);  // narrower than the sheet again: the bar scrolls
    QTRY_VERIFY(hBar->isEnabled());
    QCOMPARE(hBar->maximum(), 1188 - (window_->centralWidget()->width() - 12));
}

void MainWindowTest::dropAsksBeforeDiscardingChanges()
{
    drawTwoLinkedBlocks();
    const QString file = path(QStringLiteral("dropped.FXG"));
    saveAs(file);
    action("mnew")->trigger();
    insertBlock(4, {300, 300});
    QVERIFY(state().modified);

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

// The desktop's own box: Enter presses No, so a hasty Enter keeps the work.
void MainWindowTest::enterOnTheDiscardQuestionKeepsTheWork()
{
    StandardDialogs desktop;
    EditorState drawing;
    drawing.programDir = state().programDir;
    MainWindow window(drawing, desktop);
    window.load({});
    QVERIFY(window.editor().commands().insere_bloco(BlockKind::Action, "== 0 ==", 200, 120));
    QVERIFY(drawing.modified);
    QString asked;
    QTimer::singleShot(0, this, [&asked] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        asked = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });

    window.fileCommands().mnew_Click();

    QCOMPARE(asked, QStringLiteral("The drawing can have been changed. Do you want to discard it?"));
    QCOMPARE(drawing.blockCount, 1);
    QVERIFY(drawing.modified);
}

void MainWindowTest::f1OpensTheHelpPage()
{
    // In Corvix's own window, whether or not the desktop has a browser, and one window
    // however often F1 is pressed.
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    QTest::keyClick(canvas(), Qt::Key_F1);
    action("mhelp")->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QVERIFY(catcher.urls.isEmpty());
    const QList<HelpWindow*> helps = window_->findChildren<HelpWindow*>();
    QCOMPARE(helps.size(), 1);
    QVERIFY(helps[0]->isVisible());
    const QString page = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + ".html";
    QTextBrowser& browser = helps[0]->browser();
    QVERIFY(browser.source().fileName() == page || browser.toPlainText().contains(page));

    QTemporaryDir dir;
    const QString path = dir.filePath(page);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<html><head><title>Corvix user manual</title></head>"
               "<body><p>Blocks and links.</p><a href=\"https://example.org/\">site</a></body></html>");
    file.close();
    helps[0]->showPage(path);
    QCOMPARE(helps[0]->windowTitle(), QStringLiteral("Corvix user manual"));
    QVERIFY(browser.toPlainText().contains(QStringLiteral("Blocks and links.")));
    QVERIFY(browser.openExternalLinks());
    QTest::keyClick(&browser, Qt::Key_Escape);
    QVERIFY(!helps[0]->isVisible());
}

void MainWindowTest::windowStartsAsItWasLeft()
{
    QTemporaryDir settingsDir;
    const QString settings = settingsDir.filePath(QStringLiteral("corvix/window.conf"));
    const auto restart = [&] {
        destroyWindow();
        makeWindow();
        window_->rememberLayoutIn(settings);
        startWindow();
    };
    const auto problems = [&] { return window_->findChild<QDockWidget*>(QStringLiteral("problemsPanel")); };
    const auto findBar = [&] { return window_->findChild<QToolBar*>(QStringLiteral("findBar")); };

    restart();
    const QSize firstRun = window_->size();
    QVERIFY(!problems()->isVisible());
    window_->resize(firstRun + QSize(180, 120));
    window_->move(40, 30);
    action("mproblems")->trigger();
    action("mfind")->trigger();
    QVERIFY(problems()->isVisible() && findBar()->isVisible());
    QVERIFY(window_->close());

    restart();
    QCOMPARE(window_->size(), firstRun + QSize(180, 120));
    QCOMPARE(window_->pos(), QPoint(40, 30));
    QVERIFY(problems()->isVisible());
    QVERIFY(!findBar()->isVisible());
    action("mproblems")->trigger();
    QVERIFY(window_->close());

    restart();
    QVERIFY(!problems()->isVisible());
}

void MainWindowTest::undoAndRedoKeysRepaintAtOnce()
{
    const QImage empty = canvas()->grab().toImage();
    insertBlock(0, {200, 120});
    const QImage inserted = canvas()->grab().toImage();
    QVERIFY(inserted != empty);

    // No tick in between: the keys work as soon as the step exists.
    QTest::keyClick(canvas(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(state().blockCount, 0);
    QVERIFY(!state().modified);
    QCOMPARE(canvas()->grab().toImage(), empty);

    QTest::keyClick(canvas(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(state().blockCount, 1);
    QVERIFY(state().modified);
    QCOMPARE(canvas()->grab().toImage(), inserted);

    QTest::keyClick(canvas(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(canvas(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(state().blockCount, 1);
}

void MainWindowTest::editItemsFollowTheStepsAndOperations()
{
    QStringList titles;
    for (QAction* menu : window_->menuBar()->actions())
        titles << menu->text();
    QCOMPARE(titles.mid(0, 4), (QStringList{"&File", "&Edit", "&View", "&Options"}));
    QAction* edit = window_->findChild<QMenu*>(QStringLiteral("medit"))->menuAction();
    QAction* view = window_->findChild<QMenu*>(QStringLiteral("mview"))->menuAction();
    QAction* undo = action("mundo");
    QAction* redo = action("mredo");
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    // A shortcut works even in a disabled menu, so these items follow the operation themselves.
    const QList<QAction*> offWhileWaiting{action("mfind"), action("mfindnext"), action("mgototarget"),
                                          action("mproblems")};
    const auto allEnabled = [&offWhileWaiting](bool enabled) {
        return std::all_of(offWhileWaiting.begin(), offWhileWaiting.end(),
                           [enabled](QAction* item) { return item->isEnabled() == enabled; });
    };
    QVERIFY(allEnabled(true));

    QAction* arrange = action("marrange");
    QVERIFY(!arrange->isEnabled());  // nothing to arrange yet
    insertBlock(0, {200, 120});
    QVERIFY(undo->isEnabled() && !redo->isEnabled() && arrange->isEnabled());

    // Waiting for a press: the kind panel, then a connection.
    action("minserebloco")->trigger();
    QVERIFY(!arrange->isEnabled());
    QVERIFY(!edit->isEnabled() && !view->isEnabled() && !undo->isEnabled() && allEnabled(false));
    QTest::keyClick(canvas(), Qt::Key_Escape);
    QVERIFY(edit->isEnabled() && view->isEnabled() && undo->isEnabled() && allEnabled(true));
    pressSheet(portPoint(state().blocks[0], Port::Bottom));
    QCOMPARE(state().editMode, EditMode::Connecting);
    waitForTick();
    QVERIFY(!edit->isEnabled() && !view->isEnabled() && !undo->isEnabled() && allEnabled(false));
    QTest::keyClick(canvas(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(canvas(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClick(canvas(), Qt::Key_F7);
    QCOMPARE(state().blockCount, 1);
    QVERIFY(!window_->findChild<QLineEdit*>(QStringLiteral("findField"))->isVisible());
    QVERIFY(!window_->findChild<QListWidget*>(QStringLiteral("problemsList"))->isVisible());
    QTest::keyClick(canvas(), Qt::Key_Escape);
    QVERIFY(allEnabled(true));

    undo->trigger();
    QVERIFY(!undo->isEnabled() && redo->isEnabled());
    waitForTick();
    QVERIFY(!undo->isEnabled() && redo->isEnabled());
    insertBlock(0, {200, 120});  // a new step forgets the one to redo
    QVERIFY(undo->isEnabled() && !redo->isEnabled());
}

// A deletion answered No and a Shift-held pan switch the four main menus back on while
// the connection still waits; Edit and View must stay off all the same.
void MainWindowTest::editAndViewStayOffWhileAnOperationWaits()
{
    QAction* file = window_->findChild<QMenu*>(QStringLiteral("mfile"))->menuAction();
    QAction* edit = window_->findChild<QMenu*>(QStringLiteral("medit"))->menuAction();
    QAction* view = window_->findChild<QMenu*>(QStringLiteral("mview"))->menuAction();
    const auto editAndViewOff = [&] {
        return !edit->isEnabled() && !view->isEnabled() && !action("mproblems")->isEnabled()
               && !action("mfind")->isEnabled();
    };
    insertBlock(0, {200, 120});
    pressSheet(portPoint(state().blocks[0], Port::Bottom));
    QCOMPARE(state().editMode, EditMode::Connecting);
    waitForTick();  // the delete item follows the selected block

    dialogs_->answers.enqueue(false);
    action("mapagabloco")->trigger();
    QVERIFY(dialogs_->answers.isEmpty());
    QVERIFY(file->isEnabled());
    QVERIFY(editAndViewOff());

    file->setEnabled(false);  // so that the end of the pan shows as File coming back
    QTest::keyPress(canvas(), Qt::Key_Shift, Qt::ShiftModifier);
    QTimer::singleShot(200, canvas(), [this] { QTest::keyRelease(canvas(), Qt::Key_Shift, Qt::NoModifier); });
    QTRY_VERIFY(file->isEnabled());  // the pan ended
    QVERIFY(editAndViewOff());
    QTest::keyClick(canvas(), Qt::Key_F7);
    QVERIFY(!window_->findChild<QListWidget*>(QStringLiteral("problemsList"))->isVisible());

    QCOMPARE(state().editMode, EditMode::Connecting);
    QTest::keyClick(canvas(), Qt::Key_Escape);
    QVERIFY(edit->isEnabled() && view->isEnabled() && action("mproblems")->isEnabled());
}

// Qt's popup of the menu bar would show the problems panel and the find bar past every
// rule of the menus.
void MainWindowTest::menuBarHasNoPopup()
{
    QWidget* popup = nullptr;
    // A popup runs its own loop: look at it from inside, then close it.
    QTimer::singleShot(100, this, [&popup] {
        popup = QApplication::activePopupWidget();
        if (popup)
            popup->close();
    });
    QMenuBar* bar = window_->menuBar();
    const QPoint free(bar->width() - 5, bar->height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, free, bar->mapToGlobal(free));
    QCoreApplication::sendEvent(bar, &event);
    QTest::qWait(200);
    QVERIFY(!popup);
}

void MainWindowTest::accessKeysDifferWithinEachMenu()
{
    QList<QWidget*> menus{window_->menuBar()};
    for (QMenu* menu : window_->findChildren<QMenu*>())
        menus << menu;
    for (QWidget* menu : menus) {
        QSet<QKeySequence> keys;
        for (QAction* item : menu->actions()) {
            const QKeySequence key = QKeySequence::mnemonic(item->text());
            // "A&rrange" shares R with "&Redo" by its given caption; Ctrl+L is its key.
            if (item->objectName() == QLatin1String("marrange"))
                continue;
            QVERIFY2(key.isEmpty() || !keys.contains(key), qPrintable(item->text()));
            keys.insert(key);
        }
    }
}

// Insert, link, move, edit and delete, undo all of it back to the opened drawing and
// redo it all: the file saved then is the file saved without the detour. The save time
// is set alike in both files before comparing, so a different second cannot matter.
void MainWindowTest::everyStepUndoneAndRedoneSavesTheSameFile()
{
    drawTwoLinkedBlocks();
    const QString opened = path(QStringLiteral("opened.FXG"));
    saveAs(opened);
    open(opened);
    const auto tables = [this] { return std::tuple(state().blocks, state().blockCount, state().links, state().linkCount); };
    const auto atOpen = tables();

    performTrialEdits();
    const auto edited = tables();
    QCOMPARE(window_->editor().undoHistory().undoSteps(), size_t(5));
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(canvas(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(tables() == atOpen);
    QVERIFY(!state().modified);
    QVERIFY(!action("mundo")->isEnabled());
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(canvas(), Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(tables() == edited);
    QVERIFY(state().modified);
    const QString detour = path(QStringLiteral("detour.FXG"));
    saveAs(detour);
    // Save As marks the saved state: a step back is a change, forward again is none.
    QTest::keyClick(canvas(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(state().modified);
    QTest::keyClick(canvas(), Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(!state().modified);

    open(opened);
    QVERIFY(!action("mundo")->isEnabled() && !action("mredo")->isEnabled());
    performTrialEdits();
    const QString direct = path(QStringLiteral("direct.FXG"));
    saveAs(direct);

    const double time = readDiagramFile(detour.toStdString()).data.header.savedAt;
    QCOMPARE(savedAt(detour, time), fileBytes(detour));  // rewriting alone changes nothing
    QCOMPARE(savedAt(direct, time), fileBytes(detour));
}

void MainWindowTest::exportWritesWhatTheCommandLineWrites_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("PNG") << "page.png";
    QTest::newRow("SVG, extension in capitals") << "page.SVG";
    QTest::newRow("PDF") << "page.pdf";
    QTest::newRow("Mermaid") << "flow.mmd";
}

void MainWindowTest::exportWritesWhatTheCommandLineWrites()
{
    QFETCH(QString, name);
    drawTwoLinkedBlocks();
    const QString drawing = path(QStringLiteral("drawing.FXG"));
    saveAs(drawing);
    QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("window")) && QDir(dir_->path()).mkpath(QStringLiteral("cli")));
    // Selected in the window, never on the page.
    pressSheet({state().blocks[0].x, state().blocks[0].y});
    const QString caption = window_->windowTitle();

    const QString exported = path(QStringLiteral("window/") + name);
    exportAs(exported);
    QCOMPARE(dialogs_->exportFilters,
             (QStringList{"PNG image (*.png)", "SVG drawing (*.svg)", "PDF document (*.pdf)", "Mermaid flowchart (*.mmd)"}));
    QVERIFY(dialogs_->messages.isEmpty());
    QVERIFY(!state().modified);
    QCOMPARE(state().fileName, drawing.toStdString());
    QCOMPARE(window_->windowTitle(), caption);
    QCOMPARE(state().selectedBlock, 0);

    const QString fromCli = path(QStringLiteral("cli/") + name);
    QCOMPARE(cli::runExport(fromCli.toStdString(), drawing.toStdString(), cli::InputLayout::AsDrawn, cli::linkedQtShell), 0);
    const QByteArray bytes = fileBytes(exported);
    if (name.endsWith(QStringLiteral(".pdf"))) {
        QCOMPARE(pdfPages(bytes).size(), 1);
        QCOMPARE(pdfPages(bytes), pdfPages(fileBytes(fromCli)));
    } else {
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(bytes, fileBytes(fromCli));
    }
}

void MainWindowTest::exportFormatFromExtensionOrFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("typed extension wins") << "page.PDF" << "PNG image (*.png)" << "page.PDF" << QByteArray("%PDF");
    QTest::newRow("no extension: the filter's") << "page" << "SVG drawing (*.svg)" << "page.svg" << QByteArray("<?xml");
    QTest::newRow("unknown extension: the filter's added") << "page.v2" << "PDF document (*.pdf)" << "page.v2.pdf"
                                                            << QByteArray("%PDF");
    QTest::newRow("no extension: Mermaid's") << "flow" << "Mermaid flowchart (*.mmd)" << "flow.mmd" << QByteArray("flowchart TD\n");
    QTest::newRow("filter left as offered: PNG") << "page" << QString() << "page.png" << QByteArray("\x89PNG");
}

void MainWindowTest::exportFormatFromExtensionOrFilter()
{
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);
    exportAs(path(typed), filter);
    QVERIFY(dialogs_->messages.isEmpty());
    QVERIFY(fileBytes(path(written)).startsWith(start));
}

// The file asked about is the one written, named by the dialog or completed here; No goes
// back to the dialog with that name.
void MainWindowTest::exportAsksBeforeReplacingTheFileItWrites_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("completed here") << "page";
    QTest::newRow("named by the dialog") << "page.png";
}

void MainWindowTest::exportAsksBeforeReplacingTheFileItWrites()
{
    QFETCH(QString, typed);
    const QString written = path(QStringLiteral("page.png"));
    writeBytes(written, "old");
    dialogs_->answers.enqueue(false);  // then the dialog again, cancelled
    exportAs(path(typed));
    QCOMPARE(dialogs_->questions,
             QStringList{QStringLiteral("The file (%1) already exists. Do you want to replace it?").arg(written)});
    QCOMPARE(dialogs_->exportInitialPaths.size(), 2);
    QCOMPARE(dialogs_->exportInitialPaths[1], written);
    QCOMPARE(fileBytes(written), QByteArray("old"));

    dialogs_->answers.enqueue(true);
    exportAs(path(typed));
    QVERIFY(fileBytes(written).startsWith("\x89PNG"));
}

// A drawing saved as "flow1" is proposed as "flow1.png", not as its own file's name.
void MainWindowTest::exportProposesTheNameWithTheFormatsExtension()
{
    drawTwoLinkedBlocks();
    saveAs(path(QStringLiteral("flow1")));
    exportAs(QString());
    QCOMPARE(dialogs_->exportInitialPaths, QStringList{path(QStringLiteral("flow1.png"))});
}

void MainWindowTest::failedExportKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("existing");
    QTest::newRow("folder missing") << "missing/page.png" << false;
    // Even for root: no temporary name fits beside a file whose name is at the limit.
    QTest::newRow("no room for the temporary file") << QString(247, QLatin1Char('p')) + ".svg" << true;
}

void MainWindowTest::failedExportKeepsTheOldFile()
{
    QFETCH(QString, target);
    QFETCH(bool, existing);
    drawTwoLinkedBlocks();
    const QString file = path(target);
    if (existing) {
        writeBytes(file, "old drawing");
        dialogs_->answers.enqueue(true);  // replace it
    }
    exportAs(file);
    QCOMPARE(dialogs_->messages, QStringList{QStringLiteral("Failed to export file (%1)").arg(file)});
    QCOMPARE(QFile::exists(file), existing);
    if (existing)
        QCOMPARE(fileBytes(file), QByteArray("old drawing"));
    QVERIFY(window_->findChild<QMenu*>(QStringLiteral("mfile"))->menuAction()->isEnabled());
}

// Qt delivers the second of two quick presses as a double-click event alone.
void MainWindowTest::quickSecondRightPressDropsTheBlock()
{
    insertBlock(0, {200, 120});
    pressSheet({200, 120}, Qt::RightButton);
    QCOMPARE(state().editMode, EditMode::MovingBlock);

    const QPointF at = toCanvas({403, 517});
    QMouseEvent second(QEvent::MouseButtonDblClick, at, canvas()->mapToGlobal(at), Qt::RightButton,
                       Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas(), &second);

    QCOMPARE(state().editMode, EditMode::Idle);
    QCOMPARE(state().blocks[0].x, 400);
    QCOMPARE(state().blocks[0].y, 520);
    QVERIFY(action("minserebloco")->isEnabled());
    QVERIFY(!window_->findChild<QDialog*>(QStringLiteral("Form2"))->isVisible());
}

// The keys come from a timer: were Shift taken for a pan, the loop would hold the tick.
void MainWindowTest::ctrlShiftShortcutsWorkHoweverLongHeld()
{
    insertBlock(0, {200, 120});
    QTest::keyClick(canvas(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(state().blockCount, 0);

    QTest::keyPress(canvas(), Qt::Key_Control, Qt::ControlModifier);
    QTest::keyPress(canvas(), Qt::Key_Shift, Qt::ControlModifier | Qt::ShiftModifier);
    bool released = false;
    QTimer::singleShot(450, canvas(), [&] {
        QTest::keyClick(canvas(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyRelease(canvas(), Qt::Key_Shift, Qt::ControlModifier);
        QTest::keyRelease(canvas(), Qt::Key_Control, Qt::NoModifier);
        released = true;
    });
    QTRY_VERIFY(released);
    QCOMPARE(state().blockCount, 1);
}

namespace {

struct PaintCounter final : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

// Shift held for a second with the pointer at rest, then with it near the right edge
// until the view reaches the end (or a generous limit passes); the loop runs inside a
// tick, so the script runs from timers.
void MainWindowTest::shiftPanPacesItselfAndPaintsOnlyAMovedView()
{
    const int end = window_->editor().viewport().hScroll().maximum;
    QVERIFY(end > 300);
    PaintCounter counter;
    canvas()->installEventFilter(&counter);
    QTest::mouseMove(canvas(), QPoint(340, 200));
    QTest::keyPress(canvas(), Qt::Key_Shift, Qt::ShiftModifier);
    int paintsAtRest = -1;
    bool released = false;
    QTimer watch;
    int watched = 0;
    connect(&watch, &QTimer::timeout, canvas(), [&] {
        if (window_->editor().viewport().viewOffsetX() != end && ++watched < 100)
            return;
        watch.stop();
        QTest::keyRelease(canvas(), Qt::Key_Shift, Qt::NoModifier);
        released = true;
    });
    QTimer::singleShot(1000, canvas(), [&] {
        paintsAtRest = counter.paints;
        QTest::mouseMove(canvas(), QPoint(canvas()->width() - 20, 200));
        watch.start(100);
    });
    QTRY_VERIFY_WITH_TIMEOUT(released, 15000);

    QVERIFY2(paintsAtRest <= 1, qPrintable(QString::number(paintsAtRest)));
    QCOMPARE(window_->editor().viewport().viewOffsetX(), end);
    QVERIFY(action("minserebloco")->isEnabled());
}

void MainWindowTest::unreadableFileNamesTheSystemsReason_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("reason");
    QTest::newRow("recent file deleted since") << "recent" << "No such file or directory";
    QTest::newRow("folder dropped") << "drop" << "Is a directory";
}

void MainWindowTest::unreadableFileNamesTheSystemsReason()
{
    QFETCH(QString, route);
    QFETCH(QString, reason);
    drawTwoLinkedBlocks();
    const QString file = path(QStringLiteral("gone.FXG"));
    saveAs(file);
    QString unreadable = file;
    if (route == QLatin1String("recent")) {
        QVERIFY(QFile::remove(file));
        action("mhist0")->trigger();
    } else {
        unreadable = path(QStringLiteral("folder.FXG"));
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder.FXG")));
        QVERIFY(dropFile(unreadable));
    }

    QCOMPARE(dialogs_->messages, QStringList{QStringLiteral("Could not open file (%1): %2").arg(unreadable, reason)});
    QCOMPARE(dialogs_->icons, QList<MessageIcon>{MessageIcon::Critical});
    QCOMPARE(state().blockCount, 2);
    QCOMPARE(state().fileName, file.toStdString());
    QCOMPARE(captionTail(), file);
}

void MainWindowTest::screenReadersHearTheKindsAndTheCanvas()
{
    const QStringList kinds{"Actions", "Decision", "Goto jumps", "goto targets", "Explanations"};
    for (int i = 0; i < kinds.size(); ++i) {
        auto* button = window_->findChild<QToolButton*>(QStringLiteral("SelBloco%1").arg(i));
        QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), kinds[i]);
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(canvas())->text(QAccessible::Name), QStringLiteral("Drawing"));
}

} // namespace corvix

QTEST_MAIN(corvix::MainWindowTest)
#include "main_window_test.moc"
