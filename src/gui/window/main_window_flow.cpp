// The keyboard's way through the flow in the Edit menu, so that its keys can be found,
// and the blocks as a screen reader reads them.
#include "window/main_window.h"

#include "app/core_messages.h"
#include "editor/block_words.h"
#include "surfaces/text_convert.h"
#include "window/find_bar.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace corvix {

void MainWindow::createFlowActions()
{
    struct Item {
        const char* name;
        const char* text;
        QKeySequence keys;
        std::function<void()> run;
    };
    const Item items[] = {
        {"medittext", QT_TR_NOOP("Edit Te&xt"), QKeySequence(Qt::Key_F2), [this] { editor_.flowKeys().editSelectedText(); }},
        {"mflowdown", QT_TR_NOOP("Follow or Insert &Below"), QKeySequence(Qt::ALT | Qt::Key_Down),
         [this] { editor_.flowKeys().followExit(FlowSide::Down); }},
        {"mflowleft", QT_TR_NOOP("Follow or Insert L&eft"), QKeySequence(Qt::ALT | Qt::Key_Left),
         [this] { editor_.flowKeys().followExit(FlowSide::Left); }},
        {"mflowright", QT_TR_NOOP("Follow or Insert Rig&ht"), QKeySequence(Qt::ALT | Qt::Key_Right),
         [this] { editor_.flowKeys().followExit(FlowSide::Right); }},
        {"mflowup", QT_TR_NOOP("Go Up the Fl&ow"), QKeySequence(Qt::ALT | Qt::Key_Up), [this] { editor_.flowKeys().followEntry(); }},
        {"mlinkto", QT_TR_NOOP("&Link to Block..."), QKeySequence(Qt::CTRL | Qt::Key_K), [this] { linkToBlock(); }},
    };
    medit_->addSeparator();
    for (size_t i = 0; i < mflow_.size(); ++i) {
        QAction* action = medit_->addAction(tr(items[i].text), this, items[i].run);
        action->setObjectName(QString::fromLatin1(items[i].name));
        action->setShortcut(items[i].keys);
        mflow_[i] = action;
    }
    connect(findBar_, &FindBar::linkRequested, this, [this] {
        findBar_->hide();
        canvas_->setFocus();
        editor_.flowKeys().linkToBlockWithText(toCp1252(findBar_->text()));
    });
}

void MainWindow::setFlowCommands(bool enabled)
{
    for (QAction* action : mflow_)
        action->setEnabled(enabled);
}

void MainWindow::linkToBlock()
{
    if (editor_.flowKeys().startLinkByText())
        findBar_->openForLink();
}

int MainWindow::blockCount() const
{
    return state_.blockCount;
}

int MainWindow::selectedBlock() const
{
    return state_.selectedBlock();
}

QString MainWindow::blockName(int index) const
{
    return fromCp1252(blockSpokenName(state_, index, translatedUtf8));
}

QString MainWindow::blockDescription(int index) const
{
    return QString::fromStdString(blockSpokenDescription(state_, index, translatedUtf8));
}

QRect MainWindow::blockRect(int index) const
{
    const std::optional<CanvasBox> box = editor_.blockOnCanvas(index);
    return box ? QRect(box->left, box->top, box->width, box->height) : QRect();
}

} // namespace corvix
