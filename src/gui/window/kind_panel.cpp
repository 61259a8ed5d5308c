#include "window/kind_panel.h"

#include "window/kind_pictures.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QToolButton>

#include <algorithm>
#include <array>

namespace corvix {

KindPanel::KindPanel(QWidget* parent)
    : QGroupBox(tr("Select Block"), parent)
{
    setObjectName(QStringLiteral("FrameSelObj"));
    setAutoFillBackground(true);

    static const std::array<const char*, kButtonCount> toolTips = {
        QT_TR_NOOP("Actions"), QT_TR_NOOP("Decision"), QT_TR_NOOP("Goto jumps"), QT_TR_NOOP("goto targets"),
        QT_TR_NOOP("Explanations"),
    };
    auto* row = new QHBoxLayout(this);
    for (int i = 0; i < kButtonCount; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("SelBloco%1").arg(i));
        button->setIcon(kindPicture(kindFromCode(i + 1)));
        button->setIconSize(QSize(32, 32));
        // A picture has no text, so without a name a screen reader says the panel's title.
        button->setToolTip(tr(toolTips[size_t(i)]));
        button->setAccessibleName(button->toolTip());
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(this);
        connect(button, &QToolButton::clicked, this, [this, i] { emit kindChosen(i); });
        row->addWidget(button);
        buttons_[size_t(i)] = button;
    }
    adjustSize();
}

void KindPanel::takeKeys()
{
    buttons_[0]->setFocus(Qt::OtherFocusReason);
}

bool KindPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QGroupBox::eventFilter(watched, event);
    const auto at = std::find(buttons_.begin(), buttons_.end(), watched);
    if (at == buttons_.end())
        return QGroupBox::eventFilter(watched, event);
    const int index = int(at - buttons_.begin());
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key >= Qt::Key_1 && key < Qt::Key_1 + kButtonCount) {
        emit kindChosen(key - Qt::Key_1);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        emit kindChosen(index);
    } else if (key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down) {
        const int step = key == Qt::Key_Left || key == Qt::Key_Up ? kButtonCount - 1 : 1;
        buttons_[size_t((index + step) % kButtonCount)]->setFocus(Qt::TabFocusReason);
    } else if (key == Qt::Key_Escape) {
        emit cancelled();
    } else {
        return QGroupBox::eventFilter(watched, event);
    }
    return true;
}

} // namespace corvix
