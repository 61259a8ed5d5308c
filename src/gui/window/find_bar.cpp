#include "window/find_bar.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace corvix {

FindBar::FindBar(QWidget* parent)
    : QToolBar(tr("Find"), parent)
    , label_(new QLabel(tr("&Find:"), this))
    , field_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("findBar"));
    setMovable(false);
    setFloatable(false);
    label_->setBuddy(field_);
    addWidget(label_);
    field_->setObjectName(QStringLiteral("findField"));
    field_->setAccessibleName(tr("Find"));
    field_->installEventFilter(this);
    addWidget(field_);
    connect(field_, &QLineEdit::returnPressed, this, [this] {
        if (linking_)
            emit linkRequested();
        else
            emit findRequested();
    });
}

void FindBar::open()
{
    openFor(false);
}

void FindBar::openForLink()
{
    openFor(true);
}

void FindBar::openFor(bool linking)
{
    linking_ = linking;
    label_->setText(linking ? tr("&Link to:") : tr("&Find:"));
    field_->setAccessibleName(linking ? tr("Link to") : tr("Find"));
    show();
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
}

QString FindBar::text() const
{
    return field_->text();
}

bool FindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == field_ && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        hide();
        emit closed();
        return true;
    }
    return QToolBar::eventFilter(watched, event);
}

} // namespace corvix
