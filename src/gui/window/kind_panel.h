#pragma once

#include <QGroupBox>

#include <array>

class QToolButton;

namespace corvix {

// "Select Block": one picture button per kind that can be inserted. Button i inserts
// the kind i + 1.
class KindPanel final : public QGroupBox {
    Q_OBJECT
public:
    explicit KindPanel(QWidget* parent = nullptr);

    static constexpr int kButtonCount = 5;

    // The first kind's button takes the keyboard focus. From then on Return picks the
    // focused kind, 1 to 5 pick a kind, the arrows move between the buttons and Esc
    // cancels.
    void takeKeys();

signals:
    void kindChosen(int index);
    void cancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QToolButton*, kButtonCount> buttons_{};
};

} // namespace corvix
