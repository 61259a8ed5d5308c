#pragma once

#include <QWidget>

class QTextBrowser;

namespace corvix {

// The help page in a window of Corvix's own, so that F1 opens it on a desktop that has no
// browser; links to other sites still go to the desktop's browser. One window serves every
// request, owned by the editor window so that it closes with it.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* owner);

    // Shows the page at path (or says that it is missing), raised and given the focus.
    void showPage(const QString& path);
    QTextBrowser& browser() { return *browser_; }

protected:
    // Esc closes the window, as it does a dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* browser_;
    QString path_;
};

// Opens the help page (helpPagePath) in owner's help window, made on first use.
void openHelpPage(QWidget& owner);

} // namespace corvix
