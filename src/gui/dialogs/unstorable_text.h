#pragma once

#include <QString>

class QWidget;

namespace corvix {

class DesktopDialogs;

// Where a text from the user goes into a block.
enum class TextEntry { DialogOk, Paste };

// The characters of text that Windows-1252 cannot hold, each once, in their order: a
// diagram file stores "?" for each.
QList<char32_t> unstorableCharacters(const QString& text);

// When text holds such characters, names them, says that each will be stored as "?" and
// asks whether to go on; true when it holds none or the user answered Yes. No goes back
// to the text (the dialog stays open; a paste adds nothing).
bool acceptUnstorableCharacters(DesktopDialogs& dialogs, QWidget* parent, const QString& text, TextEntry entry);

} // namespace corvix
