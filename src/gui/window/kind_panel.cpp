#include "window/kind_panel.h"

#include "window/kind_pictures.h"

#include <QHBoxLayout>
#include <QToolButton>

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
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, i] { emit kindChosen(i); });
        row->addWidget(button);
    }
    adjustSize();
}

} // namespace corvix
