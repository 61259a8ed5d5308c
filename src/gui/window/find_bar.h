#pragma once

#include <QToolBar>

class QLineEdit;

namespace corvix {

// The find field, in a bar below the canvas: Enter asks for the next block with its text,
// Esc closes the bar.
class FindBar final : public QToolBar {
    Q_OBJECT
public:
    explicit FindBar(QWidget* parent);

    // Shows the bar with the field's text selected, ready to be typed over.
    void open();
    QString text() const;

signals:
    void findRequested();
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* field_;
};

} // namespace corvix
