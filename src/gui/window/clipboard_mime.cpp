#include "window/clipboard_mime.h"

#include "surfaces/text_convert.h"

#include <QByteArray>
#include <QMimeData>

namespace corvix {

QMimeData* toMimeData(const ClipboardContent& content)
{
    auto* data = new QMimeData;
    data->setData(kBlocksMimeType, QByteArray(reinterpret_cast<const char*>(content.blocks.data()),
                                              qsizetype(content.blocks.size())));
    data->setText(fromCp1252Lines(content.text));
    return data;
}

ClipboardContent fromMimeData(const QMimeData* data)
{
    ClipboardContent content;
    if (!data)
        return content;
    const QByteArray blocks = data->data(kBlocksMimeType);
    content.blocks.assign(blocks.begin(), blocks.end());
    if (data->hasText()) {
        content.text = toCp1252Lines(data->text());
        content.utf8Text = data->text().toStdString();
    }
    return content;
}

bool holdsPastable(const QMimeData* data)
{
    return data && (data->hasFormat(kBlocksMimeType) || !data->text().trimmed().isEmpty());
}

} // namespace corvix
