#include "export/output_buffer.h"

namespace corvix {

namespace {

// Large enough that a file takes few writes, small enough to stay in the cache.
constexpr size_t kBlockSize = size_t(1) << 16;

} // namespace

OutputBuffer::OutputBuffer(ByteSink& sink)
    : sink_(sink)
    , text_(kBlockSize + 4096)
{
}

void OutputBuffer::flushIfFull()
{
    if (text_.size() >= kBlockSize)
        flush();
}

bool OutputBuffer::flush()
{
    const std::string_view bytes = text_.view();
    if (!failed_ && !bytes.empty())
        failed_ = !sink_.write(bytes);
    written_ += int64_t(bytes.size());
    text_.clear();
    return !failed_;
}

} // namespace corvix
