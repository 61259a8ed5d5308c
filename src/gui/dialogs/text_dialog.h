#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace corvix {

class DesktopDialogs;

// "Modify the text": edits one block's text. Texts are limited to what a block record
// can hold (kMaxTextBytes), counted in Windows-1252 bytes with each line break as CR LF.
// OK on a text with characters Windows-1252 cannot hold asks first through dialogs.
class TextDialog final : public QDialog {
    Q_OBJECT
public:
    explicit TextDialog(DesktopDialogs& dialogs, QWidget* parent = nullptr);

    // Shows text, all of it selected. Line breaks are '\n'.
    void editText(const QString& text);
    QString text() const;

signals:
    // OK was pressed; the dialog closes right after (and emits finished()).
    void textAccepted(const QString& text);

private:
    void keepWithinLimit(int position, int charsAdded);
    void okPressed();

    DesktopDialogs& dialogs_;
    QPlainTextEdit* edit_;
    bool trimming_ = false;
};

// Bytes text takes in a block record.
int textByteCount(const QString& text);

} // namespace corvix
