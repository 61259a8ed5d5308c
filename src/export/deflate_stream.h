#pragma once

#include "render/text_buffer.h"
#include "export/output_buffer.h"

#include <zlib.h>

namespace corvix {

// Text compressed in the zlib format (a PDF stream's FlateDecode) on its way into an
// output buffer: appended here, deflated a block at a time, so that the whole text is
// never held.
class DeflateStream {
public:
    explicit DeflateStream(OutputBuffer& out);
    ~DeflateStream();
    DeflateStream(const DeflateStream&) = delete;
    DeflateStream& operator=(const DeflateStream&) = delete;

    // Where the writer appends.
    TextBuffer& text() { return text_; }
    // Deflates what is gathered once it fills a block.
    void deflateIfFull();
    // Deflates the rest and ends the compressed data; false when zlib failed.
    bool finish();

private:
    void deflateText(int flush);

    OutputBuffer& out_;
    TextBuffer text_;
    z_stream zlib_{};
    bool ok_ = false;
};

} // namespace corvix
