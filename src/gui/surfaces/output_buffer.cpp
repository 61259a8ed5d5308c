#include "surfaces/output_buffer.h"

#include <QIODevice>

namespace corvix {

namespace {

// Large enough that a file takes few writes, small enough to stay in the cache.
constexpr size_t kBlockSize = size_t(1) << 16;

} // namespace

OutputBuffer::OutputBuffer(QIODevice& device)
    : device_(device)
{
    text_.reserve(kBlockSize + 4096);
}

void OutputBuffer::flushIfFull()
{
    if (text_.size() >= kBlockSize)
        flush();
}

bool OutputBuffer::flush()
{
    if (!failed_ && !text_.empty())
        failed_ = device_.write(text_.data(), qint64(text_.size())) != qint64(text_.size());
    written_ += int64_t(text_.size());
    text_.clear();
    return !failed_;
}

} // namespace corvix
