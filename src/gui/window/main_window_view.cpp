// The View menu: what the window shows beside the drawing.
#include "window/main_window.h"

#include "window/problems_panel.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace corvix {

void MainWindow::createViewMenu()
{
    mview_ = menuBar()->addMenu(tr("&View"));
    mview_->setObjectName(QStringLiteral("mview"));
    mproblems_ = problems_->toggleViewAction();
    mproblems_->setText(tr("Pro&blems"));
    mproblems_->setObjectName(QStringLiteral("mproblems"));
    mproblems_->setShortcut(QKeySequence(Qt::Key_F7));
    mview_->addAction(mproblems_);
}

} // namespace corvix
