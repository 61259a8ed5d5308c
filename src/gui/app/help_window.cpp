#include "app/help_window.h"

#include "app/program_folders.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace corvix {

namespace {

constexpr QSize kPreferredSize(760, 820);

} // namespace

HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window)
    , browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("helpWindow"));
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    const QSize room = owner && owner->screen() ? owner->screen()->availableGeometry().size() : kPreferredSize;
    resize(kPreferredSize.boundedTo(room));
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(browser_->documentTitle()); });
}

void HelpWindow::showPage(const QString& path)
{
    // A page already shown keeps where the reader had got to.
    if (path != path_ || browser_->document()->isEmpty()) {
        path_ = path;
        if (QFileInfo(path).isReadable()) {
            browser_->setSource(QUrl::fromLocalFile(path));
        } else {
            browser_->setHtml(tr("<p>The help page <b>%1</b> could not be found.</p>").arg(path.toHtmlEscaped()));
            setWindowTitle(tr("Corvix Help"));
        }
    }
    show();
    raise();
    activateWindow();
    browser_->setFocus();
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void openHelpPage(QWidget& owner)
{
    auto* window = owner.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new HelpWindow(&owner);
    window->showPage(helpPagePath());
}

} // namespace corvix
