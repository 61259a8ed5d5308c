#pragma once

#include <QString>

class QMainWindow;

namespace corvix {

// What the editor window keeps from one run to the next: its size and place on the
// screen (maximized or not) and the problems panel's state (shown, docked where, how
// big), in a settings file of its own. The find bar always starts hidden.
class RememberedLayout {
public:
    // An empty file name remembers nothing.
    explicit RememberedLayout(QString settingsFile = QString());

    // Puts the window back as it was last saved; false, changing nothing, when nothing
    // usable was saved (the first run).
    bool restore(QMainWindow& window) const;
    void save(const QMainWindow& window) const;

private:
    QString file_;
};

// The settings file of the user's Corvix: corvix/window.conf in the desktop's folder of
// configuration files.
QString userLayoutFile();

} // namespace corvix
