// Finding blocks: by their text, and from a goto jump to its target and back.
#include "window/main_window.h"

#include "surfaces/text_convert.h"
#include "window/find_bar.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace corvix {

void MainWindow::createFindActions()
{
    medit_->addSeparator();
    mfind_ = medit_->addAction(tr("&Find..."), this, [this] { findBar_->open(); });
    mfind_->setObjectName(QStringLiteral("mfind"));
    mfind_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    mfindnext_ = medit_->addAction(tr("Find &Next"), this, &MainWindow::findNext);
    mfindnext_->setObjectName(QStringLiteral("mfindnext"));
    mfindnext_->setShortcut(QKeySequence(Qt::Key_F3));
    mgototarget_ = medit_->addAction(tr("&Go to Target"), this, [this] { editor_.gotoTarget(); });
    mgototarget_->setObjectName(QStringLiteral("mgototarget"));
    mgototarget_->setShortcut(QKeySequence(Qt::Key_F12));
}

// With nothing to look for yet, Find Next asks for the text first.
void MainWindow::findNext()
{
    if (findBar_->text().isEmpty()) {
        findBar_->open();
        return;
    }
    editor_.findNext(toCp1252(findBar_->text()));
}

} // namespace corvix
