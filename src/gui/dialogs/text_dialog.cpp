#include "dialogs/text_dialog.h"

#include "dialogs/unstorable_text.h"
#include "storage/diagram_codec.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

namespace corvix {

int textByteCount(const QString& text)
{
    int bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate())
            continue;  // a surrogate pair is one character, saved as one '?'
        bytes += (c == QLatin1Char('\n')) ? 2 : 1;
    }
    return bytes;
}

TextDialog::TextDialog(DesktopDialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , dialogs_(dialogs)
    , edit_(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Modify the text"));
    // Shown without blocking the caller; the editor window takes no input meanwhile.
    setWindowModality(Qt::WindowModal);

    edit_->setObjectName(QStringLiteral("Entrada_texto"));
    edit_->setFont(QFont(QStringLiteral("Courier New"), 10));
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->setTabChangesFocus(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("Command1"));
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Command2"));
    // Enter makes a new line in the text; Ctrl+Enter, a click or Space presses OK.
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)})
        connect(new QShortcut(keys, this), &QShortcut::activated, ok, &QPushButton::click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    resize(440, 260);

    connect(buttons, &QDialogButtonBox::accepted, this, &TextDialog::okPressed);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(edit_->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int charsAdded) { keepWithinLimit(position, charsAdded); });
}

void TextDialog::editText(const QString& text)
{
    edit_->setPlainText(text);
    edit_->selectAll();
    edit_->setFocus();
    open();
}

QString TextDialog::text() const
{
    return edit_->toPlainText();
}

void TextDialog::okPressed()
{
    if (!acceptUnstorableCharacters(dialogs_, this, text(), TextEntry::DialogOk)) {
        edit_->setFocus();
        return;
    }
    emit textAccepted(text());
    accept();
}

// Cuts what was just typed or pasted back to the limit, keeping the rest of the text;
// a text that already was too long can still be shortened.
void TextDialog::keepWithinLimit(int position, int charsAdded)
{
    if (trimming_ || charsAdded <= 0)
        return;
    QTextDocument* doc = edit_->document();
    int excess = textByteCount(doc->toPlainText()) - kMaxTextBytes;
    if (excess <= 0)
        return;

    const int end = position + charsAdded;
    int start = end;
    while (excess > 0 && start > position) {
        const QChar c = doc->characterAt(start - 1);
        if (c.isLowSurrogate() && start - 2 >= position) {
            start -= 2;
            excess -= 1;
        } else {
            start -= 1;
            excess -= (c == QChar::ParagraphSeparator) ? 2 : 1;
        }
    }
    QTextCursor cursor(doc);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    trimming_ = true;
    cursor.removeSelectedText();
    trimming_ = false;
}

} // namespace corvix
