// The menu bar of the editor window and the enabled state of its commands.
#include "window/main_window.h"

#include "app/help_window.h"

#include <QKeySequence>
#include <QMenuBar>

namespace corvix {

namespace {

QAction* namedAction(QObject* parent, const QString& name, const QString& text)
{
    auto* action = new QAction(text, parent);
    action->setObjectName(name);
    return action;
}

// The caption's leading "&" marks its digit as the access key; an ampersand in the path
// must show as itself.
QString recentCaption(const std::string& caption)
{
    const QString text = QString::fromStdString(caption);
    if (!text.startsWith(QLatin1Char('&')))
        return text;
    return QLatin1Char('&') + text.mid(1).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

void MainWindow::createActions()
{
    mnew_ = namedAction(this, QStringLiteral("mnew"), tr("&New"));
    connect(mnew_, &QAction::triggered, this, [this] { files_.mnew_Click(); });
    mload_ = namedAction(this, QStringLiteral("mload"), tr("&Open"));
    connect(mload_, &QAction::triggered, this, [this] { files_.mload_Click(); });
    msave_ = namedAction(this, QStringLiteral("msave"), tr("&Save"));
    connect(msave_, &QAction::triggered, this, [this] { files_.msave_Click(); });
    msaveas_ = namedAction(this, QStringLiteral("msaveas"), tr("Save &As"));
    connect(msaveas_, &QAction::triggered, this, [this] { files_.msaveas_Click(); });
    mprintprev_ = namedAction(this, QStringLiteral("mprintprev"), tr("print previe&W ..."));
    connect(mprintprev_, &QAction::triggered, this, &MainWindow::mprintprev_Click);
    mprint_ = namedAction(this, QStringLiteral("mprint"), tr("&Print"));
    connect(mprint_, &QAction::triggered, this, &MainWindow::mprint_Click);
    mexit_ = namedAction(this, QStringLiteral("mexit"), tr("&Exit"));
    connect(mexit_, &QAction::triggered, this, &QWidget::close);
    // The desktop's usual keys for the file commands; each still obeys its item's state.
    mnew_->setShortcut(QKeySequence::New);
    mload_->setShortcut(QKeySequence::Open);
    msave_->setShortcut(QKeySequence::Save);
    // Desktops without a scheme of keys (no KDE, no GNOME) give Save As none.
    QList<QKeySequence> saveAsKeys = QKeySequence::keyBindings(QKeySequence::SaveAs);
    if (saveAsKeys.isEmpty())
        saveAsKeys = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)};
    msaveas_->setShortcuts(saveAsKeys);
    mprint_->setShortcut(QKeySequence::Print);
    mexit_->setShortcut(QKeySequence::Quit);
    for (int i = 0; i < kRecentFileCount; ++i) {
        mhist_[size_t(i)] = namedAction(this, QStringLiteral("mhist%1").arg(i), QString());
        mhist_[size_t(i)]->setVisible(false);
        connect(mhist_[size_t(i)], &QAction::triggered, this, [this, i] { files_.mhist_Click(int16_t(i)); });
    }

    static const std::array<const char*, kPaperTypeCount> paperCaptions = {QT_TR_NOOP("A&4"), QT_TR_NOOP("&Letter")};
    for (int i = 0; i < kPaperTypeCount; ++i) {
        QAction* item = namedAction(this, QStringLiteral("mtippapel%1").arg(i), tr(paperCaptions[size_t(i)]));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { editor_.mtippapel_Click(int16_t(i)); });
        mtippapel_[size_t(i)] = item;
    }

    minserebloco_ = namedAction(this, QStringLiteral("minserebloco"), tr("&Insert Block"));
    connect(minserebloco_, &QAction::triggered, this, [this] { editor_.minserebloco_Click(); });
    mapagabloco_ = namedAction(this, QStringLiteral("mapagabloco"), tr("&Delete block or link"));
    connect(mapagabloco_, &QAction::triggered, this, [this] { editor_.mapagabloco_Click(); });
    mhelp_ = namedAction(this, QStringLiteral("mhelp"), tr("&Help"));
    connect(mhelp_, &QAction::triggered, this, [this] { openHelpPage(*this); });
    createEditMenu();
    createViewMenu();
    createExportAction();
}

// File, Edit, View, Options, Insert Block, Delete and Help.
void MainWindow::createMenus()
{
    mfile_ = menuBar()->addMenu(tr("&File"));
    mfile_->setObjectName(QStringLiteral("mfile"));
    mfile_->addAction(mnew_);
    mfile_->addAction(mload_);
    mfile_->addAction(msave_);
    mfile_->addAction(msaveas_);
    mfile_->addAction(mexport_);
    mfile_->addSeparator()->setObjectName(QStringLiteral("msep1"));
    mfile_->addAction(mprintprev_);
    mfile_->addAction(mprint_);
    mfile_->addSeparator()->setObjectName(QStringLiteral("msep3"));
    mfile_->addAction(mexit_);
    msephist_ = mfile_->addSeparator();
    msephist_->setObjectName(QStringLiteral("msephist"));
    msephist_->setVisible(false);
    for (QAction* entry : mhist_)
        mfile_->addAction(entry);

    menuBar()->addMenu(medit_);
    menuBar()->addMenu(mview_);

    moptions_ = menuBar()->addMenu(tr("&Options"));
    moptions_->setObjectName(QStringLiteral("moptions"));
    mtampapel_ = moptions_->addMenu(tr("&Paper Size"));
    mtampapel_->setObjectName(QStringLiteral("mtampapel"));
    for (QAction* item : mtippapel_)
        mtampapel_->addAction(item);

    menuBar()->addAction(minserebloco_);
    menuBar()->addAction(mapagabloco_);
    menuBar()->addAction(mhelp_);
}

void MainWindow::setMainMenusEnabled(bool enabled)
{
    mfile_->menuAction()->setEnabled(enabled);
    moptions_->menuAction()->setEnabled(enabled);
    minserebloco_->setEnabled(enabled);
    mapagabloco_->setEnabled(enabled);
    switchEditAndView();
    refreshEditCommands();
}

// Edit and View go with the four, and stay off while an operation waits for a press
// even where the four come back on during it (a Shift-held pan, a deletion answered No):
// nothing may be undone then, only the wheel zooms, and the problems panel coming or
// going would resize the canvas under the operation. The View items too, for their keys.
void MainWindow::switchEditAndView()
{
    const bool enabled = mfile_->menuAction()->isEnabled() && editor_.canGoToBlock();
    medit_->menuAction()->setEnabled(enabled);
    mview_->menuAction()->setEnabled(enabled);
    for (QAction* item : mview_->actions())
        item->setEnabled(enabled);
}

void MainWindow::setCommandStates(const CommandStates& states)
{
    msaveas_->setEnabled(states.saveAs);
    mapagabloco_->setEnabled(states.deleteItem);
    msave_->setEnabled(states.save);
    canvas_->setEnabled(states.canvas);
    switchEditAndView();
    setEditCommands(states.undo, states.redo, states.goToBlock);
}

void MainWindow::setPaperChecked(int32_t index)
{
    for (int i = 0; i < kPaperTypeCount; ++i)
        mtippapel_[size_t(i)]->setChecked(i == index);
}

void MainWindow::showRecentFiles(const HistoryMenu& menu)
{
    for (size_t i = 0; i < menu.entries.size(); ++i) {
        mhist_[i]->setText(recentCaption(menu.entries[i].caption));
        mhist_[i]->setVisible(menu.entries[i].visible);
    }
    msephist_->setVisible(menu.separatorVisible);
}

void MainWindow::setCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

} // namespace corvix
