#include "export/deflate_stream.h"

#include <array>
#include <string_view>

namespace corvix {

namespace {

constexpr size_t kBlockSize = size_t(1) << 16;

} // namespace

DeflateStream::DeflateStream(OutputBuffer& out)
    : out_(out)
    , text_(kBlockSize + 4096)
{
    // The fastest level: drawings are repetitive enough that it keeps most of what the
    // slower levels gain, at a fraction of their time.
    ok_ = deflateInit(&zlib_, Z_BEST_SPEED) == Z_OK;
}

DeflateStream::~DeflateStream()
{
    deflateEnd(&zlib_);
}

void DeflateStream::deflateIfFull()
{
    if (text_.size() >= kBlockSize)
        deflateText(Z_NO_FLUSH);
}

bool DeflateStream::finish()
{
    deflateText(Z_FINISH);
    return ok_;
}

void DeflateStream::deflateText(int flush)
{
    if (!ok_) {
        text_.clear();
        return;
    }
    const std::string_view text = text_.view();
    zlib_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    zlib_.avail_in = uInt(text.size());
    std::array<Bytef, 1 << 14> chunk{};
    int status = Z_OK;
    do {
        zlib_.next_out = chunk.data();
        zlib_.avail_out = uInt(chunk.size());
        status = deflate(&zlib_, flush);
        out_.put(std::string_view(reinterpret_cast<const char*>(chunk.data()), chunk.size() - zlib_.avail_out));
        out_.flushIfFull();
    } while (zlib_.avail_out == 0 && status == Z_OK);
    ok_ = flush == Z_FINISH ? status == Z_STREAM_END : status != Z_STREAM_ERROR;
    text_.clear();
}

} // namespace corvix
