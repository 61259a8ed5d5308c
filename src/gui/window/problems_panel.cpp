#include "window/problems_panel.h"

#include <QListWidget>

namespace corvix {

namespace {

constexpr int kBlockRole = Qt::UserRole;
constexpr int kLinesShownAtFirst = 6;

// A list a few lines tall when the panel first opens, so that the canvas keeps most of the
// window; the user may drag the panel's edge for more.
class ProblemList final : public QListWidget {
public:
    using QListWidget::QListWidget;

    QSize sizeHint() const override
    {
        return {QListWidget::sizeHint().width(), kLinesShownAtFirst * fontMetrics().height() + 2 * frameWidth()};
    }
};

QString problemLine(const Problem& problem)
{
    return ProblemsPanel::tr("block %1: %2").arg(problem.block + 1).arg(QString::fromStdString(problemText(problem)));
}

} // namespace

ProblemsPanel::ProblemsPanel(const EditorState& state, QWidget* parent)
    : QDockWidget(tr("Problems"), parent)
    , state_(state)
    , list_(new ProblemList(this))
{
    setObjectName(QStringLiteral("problemsPanel"));
    // Kept below the canvas: a floating or moved panel would cover the drawing it points into.
    setFeatures(QDockWidget::DockWidgetClosable);
    setAllowedAreas(Qt::BottomDockWidgetArea);
    list_->setObjectName(QStringLiteral("problemsList"));
    setWidget(list_);
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit blockChosen(item->data(kBlockRole).toInt()); });

    followTimer_.setSingleShot(true);
    followTimer_.setInterval(kFollowDelayMs);
    connect(&followTimer_, &QTimer::timeout, this, &ProblemsPanel::refresh);
}

// Started, not restarted: while the view pans the repaints come faster than the delay,
// and restarting would hold the list back for as long as the pan lasts.
void ProblemsPanel::drawingMayHaveChanged()
{
    if (isVisible() && !followTimer_.isActive())
        followTimer_.start();
}

void ProblemsPanel::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    refresh();
}

// Rebuilt only when the findings differ, so that a repaint keeps the user's place in the list.
void ProblemsPanel::refresh()
{
    std::vector<Problem> problems = checkFlowchart(state_);
    if (problems == shown_)
        return;
    shown_ = std::move(problems);
    list_->clear();
    for (const Problem& problem : shown_) {
        auto* item = new QListWidgetItem(problemLine(problem), list_);
        item->setData(kBlockRole, problem.block);
    }
}

} // namespace corvix
