#pragma once

#include <QGroupBox>

namespace corvix {

// "Select Block": one picture button per kind that can be inserted. Button i inserts
// the kind i + 1.
class KindPanel final : public QGroupBox {
    Q_OBJECT
public:
    explicit KindPanel(QWidget* parent = nullptr);

    static constexpr int kButtonCount = 5;

signals:
    void kindChosen(int index);
};

} // namespace corvix
