#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace corvix {

// "Modify the text": edits one block's text. Texts are limited to what a block record
// can hold (kMaxTextBytes), counted in Windows-1252 bytes with each line break as CR LF.
class TextDialog final : public QDialog {
    Q_OBJECT
public:
    explicit TextDialog(QWidget* parent = nullptr);

    // Shows text, all of it selected. Line breaks are '\n'.
    void editText(const QString& text);
    QString text() const;

signals:
    // OK was pressed; the dialog closes right after (and emits finished()).
    void textAccepted(const QString& text);

private:
    void keepWithinLimit(int position, int charsAdded);

    QPlainTextEdit* edit_;
    bool trimming_ = false;
};

// Bytes text takes in a block record.
int textByteCount(const QString& text);

} // namespace corvix
