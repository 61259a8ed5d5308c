#include "window/problems_panel.h"

#include "app/core_messages.h"
#include "surfaces/text_convert.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace corvix {

namespace {

constexpr int kBlockRole = Qt::UserRole;
constexpr int kLinesShownAtFirst = 6;
constexpr qsizetype kQuotedLength = 40;

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

// The block's text beside its number, which the sheet does not show and which runs one
// ahead of the default texts: on one line, cut short when long.
QString quotedText(const std::string& cp1252Text)
{
    QString text = fromCp1252(cp1252Text).simplified();
    if (text.size() > kQuotedLength)
        text = text.left(kQuotedLength - 1) + QChar(0x2026);
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString problemLine(const EditorState& state, const Problem& problem)
{
    // One arg() for all: a "%1" in the block's text stays as typed.
    return ProblemsPanel::tr("block %1 %2: %3")
        .arg(QString::number(problem.block + 1), quotedText(state.blocks[size_t(problem.block)].text),
             QString::fromLatin1(problemCodeName(problem.code)) + QStringLiteral(": ")
                 + translatedText(problemMessage(problem)));
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
    const auto choose = [this](QListWidgetItem* item) {
        if (item)
            emit blockChosen(item->data(kBlockRole).toInt());
    };
    // A click on the line already current changes no current line, yet the user may have
    // selected another block on the canvas since.
    connect(list_, &QListWidget::currentItemChanged, this, choose);
    connect(list_, &QListWidget::itemClicked, this, choose);
    connect(list_, &QListWidget::itemActivated, this, choose);

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

// Rebuilt only when the lines differ, so that a repaint keeps the user's place in the list;
// rebuilding takes no one to a block.
void ProblemsPanel::refresh()
{
    const std::vector<Problem> problems = checkFlowchart(state_);
    QStringList lines;
    for (const Problem& problem : problems)
        lines << problemLine(state_, problem);
    if (lines == shown_)
        return;
    shown_ = std::move(lines);
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (size_t i = 0; i < problems.size(); ++i) {
        auto* item = new QListWidgetItem(shown_[qsizetype(i)], list_);
        item->setData(kBlockRole, problems[i].block);
    }
}

} // namespace corvix
