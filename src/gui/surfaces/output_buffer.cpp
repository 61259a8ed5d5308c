#include "surfaces/output_buffer.h"

#include <QIODevice>

namespace corvix {

namespace {

// Large enough that a file takes few writes, small enough to stay in the cache.
constexpr size_t kBlockSize = size_t(1) << 16;

} // namespace

OutputBuffer::OutputBuffer(QIODevice& device)
    : device_(device)
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
        failed_ = device_.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size());
    written_ += int64_t(bytes.size());
    text_.clear();
    return !failed_;
}

} // namespace corvix
