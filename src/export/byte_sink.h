#pragma once

#include <string_view>

namespace corvix {

// Where an exported document's bytes go, a block at a time: a file, a device of the shell.
class ByteSink {
public:
    // False when it did not take all of them.
    virtual bool write(std::string_view bytes) = 0;

protected:
    ~ByteSink() = default;
};

} // namespace corvix
