#include "window/find_bar.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace corvix {

FindBar::FindBar(QWidget* parent)
    : QToolBar(tr("Find"), parent)
    , field_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("findBar"));
    setMovable(false);
    setFloatable(false);
    auto* label = new QLabel(tr("&Find:"), this);
    label->setBuddy(field_);
    addWidget(label);
    field_->setObjectName(QStringLiteral("findField"));
    field_->setAccessibleName(tr("Find"));
    field_->installEventFilter(this);
    addWidget(field_);
    connect(field_, &QLineEdit::returnPressed, this, &FindBar::findRequested);
}

void FindBar::open()
{
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
