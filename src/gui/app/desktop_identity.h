#pragma once

class QGuiApplication;

namespace corvix {

// The name of the installed desktop entry (without .desktop), by which the desktop matches
// Corvix's windows to their menu entry and icon.
inline constexpr char kDesktopEntryId[] = "org.corvix.Corvix";

// Gives every window of the application Corvix's icon and ties them to the desktop entry.
void applyDesktopIdentity(QGuiApplication& app);

} // namespace corvix
