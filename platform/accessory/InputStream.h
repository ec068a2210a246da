#pragma once

#include "accessory/Stream.h"

#include <cstddef>
#include <cstdint>

namespace accessory {

class InputStream : public Stream {
public:
    // True while a read would return data or report the end.
    virtual bool hasBytesAvailable() const = 0;
    // Up to `maxLength` bytes: their count, 0 when none are there (or at the end), -1 on an error.
    virtual long read(uint8_t* buffer, size_t maxLength) = 0;

protected:
    InputStream() : Stream(Direction::input) {}
};

} // namespace accessory
