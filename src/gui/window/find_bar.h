#pragma once

#include <QToolBar>

class QLabel;
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
    // The same, the field asking for the text of the block to link to.
    void openForLink();
    QString text() const;

signals:
    void findRequested();
    // Enter in the field opened for a link.
    void linkRequested();
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openFor(bool linking);

    QLabel* label_;
    QLineEdit* field_;
    bool linking_ = false;
};

} // namespace corvix
