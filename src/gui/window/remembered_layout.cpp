#include "window/remembered_layout.h"

#include <QMainWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QToolBar>

#include <utility>

namespace corvix {

namespace {

const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kStateKey = QStringLiteral("window/state");

// Bumped when the window's docks and bars change in a way an old state would misplace.
constexpr int kStateVersion = 1;

} // namespace

RememberedLayout::RememberedLayout(QString settingsFile)
    : file_(std::move(settingsFile))
{
}

bool RememberedLayout::restore(QMainWindow& window) const
{
    if (file_.isEmpty())
        return false;
    const QSettings settings(file_, QSettings::IniFormat);
    // Qt moves a window saved on a screen that is gone back onto one that is there.
    if (!window.restoreGeometry(settings.value(kGeometryKey).toByteArray()))
        return false;
    window.restoreState(settings.value(kStateKey).toByteArray(), kStateVersion);
    for (QToolBar* bar : window.findChildren<QToolBar*>())
        bar->hide();
    return true;
}

void RememberedLayout::save(const QMainWindow& window) const
{
    if (file_.isEmpty())
        return;
    QSettings settings(file_, QSettings::IniFormat);
    settings.setValue(kGeometryKey, window.saveGeometry());
    settings.setValue(kStateKey, window.saveState(kStateVersion));
}

QString userLayoutFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/corvix/window.conf");
}

} // namespace corvix
