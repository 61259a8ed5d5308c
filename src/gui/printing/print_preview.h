#pragma once

#include "model/editor_state.h"

#include <QDialog>
#include <QImage>
#include <functional>

class QLabel;

namespace corvix {

// FormPreview: the whole sheet, drawn by the render pass into a picture 409 pixels wide
// with the sheet's proportions. A click on the picture closes it; its "&Print" prints
// and leaves it open.
class PrintPreview final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPictureWidth = 409;

    // Highlighted as the canvas is (highlightsOf). print runs the print job (with its
    // message on failure); the window stays open.
    PrintPreview(const EditorState& state, const QString& executableBaseName, std::function<void()> print,
                 QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }

protected:
    // Centred on the screen, whatever window it stands in for.
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QImage picture_;
    QLabel* pictureLabel_ = nullptr;
    std::function<void()> print_;
};

} // namespace corvix
