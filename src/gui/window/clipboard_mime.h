#pragma once

#include "editor/clipboard_commands.h"

#include <QString>

class QMimeData;

namespace corvix {

// Corvix's own clipboard format: the records of the copied blocks and their links.
inline const QString kBlocksMimeType = QStringLiteral("application/x-corvix-blocks");

// The blocks in Corvix's format and their texts as text/plain (UTF-8); the caller owns
// the result until it hands it to the clipboard.
QMimeData* toMimeData(const ClipboardContent& content);
// Corvix's format and the plain text, whichever the data holds; empty for no data.
ClipboardContent fromMimeData(const QMimeData* data);
// Whether a paste of the data would add anything: blocks, or a text.
bool holdsPastable(const QMimeData* data);

} // namespace corvix
