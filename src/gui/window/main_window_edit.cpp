// The Edit menu: the drawing's changes taken back and made again, the clipboard, then
// the find items (main_window_find.cpp).
#include "window/main_window.h"

#include "dialogs/unstorable_text.h"
#include "window/clipboard_mime.h"

#include "layout/arrange.h"

#include <QAction>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>

namespace corvix {

void MainWindow::createEditMenu()
{
    medit_ = new QMenu(tr("&Edit"), this);
    medit_->setObjectName(QStringLiteral("medit"));
    mundo_ = medit_->addAction(tr("&Undo"), this, [this] { editor_.undo(); });
    mundo_->setObjectName(QStringLiteral("mundo"));
    mundo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mredo_ = medit_->addAction(tr("&Redo"), this, [this] { editor_.redo(); });
    mredo_->setObjectName(QStringLiteral("mredo"));
    mredo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    medit_->addSeparator();
    mcut_ = medit_->addAction(tr("Cu&t"), this, [this] { copyToClipboard(editor_.cut()); });
    mcut_->setObjectName(QStringLiteral("mcut"));
    mcut_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    mcopy_ = medit_->addAction(tr("&Copy"), this, [this] { copyToClipboard(editor_.copy()); });
    mcopy_->setObjectName(QStringLiteral("mcopy"));
    mcopy_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    mpaste_ = medit_->addAction(tr("&Paste"), this, &MainWindow::pasteFromClipboard);
    mpaste_->setObjectName(QStringLiteral("mpaste"));
    mpaste_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    mduplicate_ = medit_->addAction(tr("&Duplicate"), this, [this] { editor_.duplicate(); });
    mduplicate_->setObjectName(QStringLiteral("mduplicate"));
    mduplicate_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    medit_->addSeparator();
    mselectall_ = medit_->addAction(tr("Select &All"), this, [this] { editor_.selectAll(); });
    mselectall_->setObjectName(QStringLiteral("mselectall"));
    mselectall_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    medit_->addSeparator();
    marrange_ = medit_->addAction(tr("A&rrange"), this, [this] { editor_.arrange(); });
    marrange_->setObjectName(QStringLiteral("marrange"));
    marrange_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    createFindActions();
    createFlowActions();

    // Asking the clipboard on every refresh could wait on another program; its owner
    // announces every change instead.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::clipboardChanged);
    clipboardPastable_ = holdsPastable(QGuiApplication::clipboard()->mimeData());
    refreshEditCommands();
}

void MainWindow::setEditCommands(bool undo, bool redo, bool goToBlock)
{
    mundo_->setEnabled(undo);
    mredo_->setEnabled(redo);
    const bool copy = editor_.canCopy();
    mcut_->setEnabled(copy);
    mcopy_->setEnabled(copy);
    mduplicate_->setEnabled(copy);
    mpaste_->setEnabled(clipboardPastable_ && editor_.canPaste());
    mselectall_->setEnabled(editor_.canSelectAll());
    marrange_->setEnabled(editor_.canArrange());
    mfind_->setEnabled(goToBlock);
    mfindnext_->setEnabled(goToBlock);
    mgototarget_->setEnabled(goToBlock);
    setFlowCommands(goToBlock);
}

// Runs on every repaint and whenever the main menus are switched: every change to the
// drawing, every undo and redo and the start and end of every operation pass through one
// of them, so the items follow at once rather than at the next tick (a shortcut works
// only on an enabled item).
void MainWindow::refreshEditCommands()
{
    setEditCommands(editor_.canUndo(), editor_.canRedo(), editor_.canGoToBlock());
}

void MainWindow::clipboardChanged()
{
    clipboardPastable_ = holdsPastable(QGuiApplication::clipboard()->mimeData());
    refreshEditCommands();
}

void MainWindow::copyToClipboard(const std::optional<ClipboardContent>& content)
{
    if (content)
        QGuiApplication::clipboard()->setMimeData(toMimeData(*content));
}

void MainWindow::pasteFromClipboard()
{
    const QMimeData* offered = QGuiApplication::clipboard()->mimeData();
    // Corvix's own blocks hold Windows-1252 texts already; another program's text may not.
    if (offered && !offered->hasFormat(kBlocksMimeType)
        && !acceptUnstorableCharacters(dialogs_, this, offered->text(), TextEntry::Paste))
        return;
    editor_.paste(fromMimeData(offered), pointerOnCanvas());
}

std::optional<CanvasPoint> MainWindow::pointerOnCanvas() const
{
    const QPointF at = canvas_->mapFromGlobal(QCursor::pos().toPointF());
    if (!canvas_->underMouse() || !canvas_->rect().contains(at.toPoint()))
        return std::nullopt;
    return CanvasPoint{float(at.x()), float(at.y())};
}

} // namespace corvix
