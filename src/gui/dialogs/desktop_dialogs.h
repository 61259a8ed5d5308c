#pragma once

#include "model/ui_port.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace corvix {

// Every message box and file dialog of the editor goes through here, so tests can answer
// them without a box ever blocking. Boxes carry the program's title.
class DesktopDialogs {
public:
    virtual ~DesktopDialogs() = default;

    virtual void message(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    // Yes/No with the question icon, defaultAnswer the button Enter presses; true for Yes.
    virtual bool question(QWidget* parent, const QString& text, DefaultAnswer defaultAnswer = DefaultAnswer::Yes) = 0;
    // The chosen path, or an empty string when cancelled. Filter "FXG(*.FXG)", no
    // default extension; saving asks before replacing an existing file.
    virtual QString openFileName(QWidget* parent, const QString& initialPath) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& initialPath) = 0;
    // The save dialog for a picture of the page: the chosen path, or empty when cancelled.
    // selectedFilter, one of filters, comes in as the one to offer first and goes out as
    // the one the user left chosen. The name typed takes the chosen filter's extension when
    // it has none; replacing a file is left for the caller to ask about.
    virtual QString exportFileName(QWidget* parent, const QString& initialPath, const QStringList& filters,
                                   QString& selectedFilter) = 0;
};

// The real boxes and dialogs of the desktop.
class StandardDialogs final : public DesktopDialogs {
public:
    void message(QWidget* parent, const QString& text, MessageIcon icon) override;
    bool question(QWidget* parent, const QString& text, DefaultAnswer defaultAnswer = DefaultAnswer::Yes) override;
    QString openFileName(QWidget* parent, const QString& initialPath) override;
    QString saveFileName(QWidget* parent, const QString& initialPath) override;
    QString exportFileName(QWidget* parent, const QString& initialPath, const QStringList& filters,
                           QString& selectedFilter) override;
};

} // namespace corvix
