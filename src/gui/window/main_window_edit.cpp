// The Edit menu: the drawing's changes taken back and made again, then the find items
// (main_window_find.cpp).
#include "window/main_window.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

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
    createFindActions();
    refreshEditCommands();
}

void MainWindow::setEditCommands(bool undo, bool redo, bool goToBlock)
{
    mundo_->setEnabled(undo);
    mredo_->setEnabled(redo);
    mfind_->setEnabled(goToBlock);
    mfindnext_->setEnabled(goToBlock);
    mgototarget_->setEnabled(goToBlock);
}

// Runs on every repaint and whenever the main menus are switched: every change to the
// drawing, every undo and redo and the start and end of every operation pass through one
// of them, so the items follow at once rather than at the next tick (a shortcut works
// only on an enabled item).
void MainWindow::refreshEditCommands()
{
    setEditCommands(editor_.canUndo(), editor_.canRedo(), editor_.canGoToBlock());
}

} // namespace corvix
