// The View menu: the zoom of the canvas, and what the window shows beside the drawing.
#include "window/main_window.h"

#include "window/problems_panel.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>

#include <functional>

namespace corvix {

void MainWindow::createViewMenu()
{
    mview_ = new QMenu(tr("&View"), this);
    mview_->setObjectName(QStringLiteral("mview"));
    const auto addZoomItem = [this](const QString& name, const QString& text, std::function<void()> zoom) {
        QAction* item = mview_->addAction(text, this, [this, zoom = std::move(zoom)] {
            zoom();
            showZoom();
        });
        item->setObjectName(name);
        return item;
    };
    addZoomItem(QStringLiteral("mzoomin"), tr("Zoom &In"), [this] { editor_.zoom().zoomIn(); })
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    addZoomItem(QStringLiteral("mzoomout"), tr("Zoom &Out"), [this] { editor_.zoom().zoomOut(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    addZoomItem(QStringLiteral("mactualsize"), tr("&Actual Size"), [this] { editor_.zoom().zoomTo(kActualSize); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    addZoomItem(QStringLiteral("mfitpage"), tr("&Fit Page"), [this] { editor_.zoom().fitPage(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_9));

    mview_->addSeparator()->setObjectName(QStringLiteral("msepzoom"));
    // Exclusive, yet a zoom between the levels (Fit Page) checks none of them.
    auto* levels = new QActionGroup(this);
    levels->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (size_t i = 0; i < kZoomLevels.size(); ++i) {
        QAction* item = addZoomItem(QStringLiteral("mzoom%1").arg(kZoomLevels[i]),
                                    QStringLiteral("%1 %").arg(kZoomLevels[i]),
                                    [this, i] { editor_.zoom().zoomTo(zoomOfLevel(i)); });
        item->setCheckable(true);
        levels->addAction(item);
        mzoomlevel_[i] = item;
    }
    showZoom();

    mview_->addSeparator();
    QAction* mproblems = problems_->toggleViewAction();
    mproblems->setText(tr("Pro&blems"));
    mproblems->setObjectName(QStringLiteral("mproblems"));
    mproblems->setShortcut(QKeySequence(Qt::Key_F7));
    mview_->addAction(mproblems);
}

void MainWindow::showZoom()
{
    const std::optional<size_t> level = levelOfZoom(editor_.zoom().zoom());
    for (size_t i = 0; i < mzoomlevel_.size(); ++i)
        mzoomlevel_[i]->setChecked(level == i);
}

} // namespace corvix
