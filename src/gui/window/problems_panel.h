#pragma once

#include "checks/flowchart_checks.h"
#include "model/editor_state.h"

#include <QDockWidget>
#include <QStringList>
#include <QTimer>

class QListWidget;

namespace corvix {

// "Problems": the flowchart checks' findings, one line a problem, docked below the canvas.
// Making a line current (a click, the arrows) or activating it asks for its block.
class ProblemsPanel final : public QDockWidget {
    Q_OBJECT
public:
    // state is the drawing checked; it outlives the panel.
    ProblemsPanel(const EditorState& state, QWidget* parent);

    // The drawing may have changed: the list follows within kFollowDelayMs while shown.
    void drawingMayHaveChanged();

    static constexpr int kFollowDelayMs = 100;

signals:
    void blockChosen(int index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();

    const EditorState& state_;
    QListWidget* list_;
    QTimer followTimer_;
    QStringList shown_;
};

} // namespace corvix
