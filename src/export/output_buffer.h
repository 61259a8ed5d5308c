#pragma once

#include "export/byte_sink.h"
#include "render/text_buffer.h"

#include <cstdint>
#include <string_view>

namespace corvix {

// Bytes on their way to a sink, gathered and written in large blocks; it counts them
// and remembers a write the device did not take.
class OutputBuffer {
public:
    explicit OutputBuffer(ByteSink& sink);

    // Where the writer appends; emptied by the writes.
    TextBuffer& text() { return text_; }
    void put(std::string_view bytes) { text_.put(bytes); }
    void putNumber(int64_t value) { text_.putNumber(value); }
    void putNumber(double value) { text_.putNumber(value); }

    // Writes what is gathered once it fills a block.
    void flushIfFull();
    // Writes all that is gathered; false when some write so far failed.
    bool flush();
    // Bytes put so far, written or not: the offset of the next one in the output.
    int64_t offset() const { return written_ + int64_t(text_.size()); }

private:
    ByteSink& sink_;
    TextBuffer text_;
    int64_t written_ = 0;
    bool failed_ = false;
};

} // namespace corvix
