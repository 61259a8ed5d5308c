#include "printing/print_preview.h"

#include "render/render_pass.h"
#include "render/render_target.h"
#include "surfaces/painter_target.h"
#include "view/print_layout.h"

#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

namespace corvix {

namespace {
constexpr double kEditorFontPointSize = 8.25;
}

PrintPreview::PrintPreview(const EditorState& state, const QString& executableBaseName, std::function<void()> print,
                           QWidget* parent)
    : QDialog(parent)
    , print_(std::move(print))
{
    setWindowTitle(tr("%1 PrintPreview - click on the form to dismiss").arg(executableBaseName));
    setModal(true);

    const Paper& paper = state.paper;
    const PreviewLayout layout = previewLayout(paper.pageWidth, paper.pageHeight, kPictureWidth, kEditorFontPointSize);
    picture_ = QImage(kPictureWidth, layout.pictureHeight, QImage::Format_RGB32);
    {
        // The surface spans the sheet in its own units, so the font shrinks with the drawing.
        const Color cream = colors::Cream;
        PainterTarget target(picture_, QColor(cream.r, cream.g, cream.b), QSize(paper.pageWidth, paper.pageHeight));
        RenderPass().desenha_diagrama(target, state, 0, 0);
    }

    auto* menuBar = new QMenuBar(this);
    QAction* printAction = menuBar->addAction(tr("&Print"));
    printAction->setObjectName(QStringLiteral("mprint"));
    connect(printAction, &QAction::triggered, this, [this] {
        if (print_)
            print_();
    });

    pictureLabel_ = new QLabel(this);
    pictureLabel_->setObjectName(QStringLiteral("Impressao"));
    pictureLabel_->setPixmap(QPixmap::fromImage(picture_));
    pictureLabel_->setFixedSize(picture_.size());
    pictureLabel_->setCursor(Qt::PointingHandCursor);
    pictureLabel_->installEventFilter(this);

    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->setContentsMargins(0, 0, 0, 0);
    layoutBox->setSpacing(0);
    layoutBox->setMenuBar(menuBar);
    layoutBox->addWidget(pictureLabel_);
    layoutBox->setSizeConstraint(QLayout::SetFixedSize);
}

void PrintPreview::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) {
        const QRect area = shown->geometry();
        const QSize outer = frameGeometry().size();
        move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
    }
}

bool PrintPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pictureLabel_ && event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace corvix
