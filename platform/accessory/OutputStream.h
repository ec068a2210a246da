#pragma once

#include "accessory/Stream.h"

#include <cstddef>
#include <cstdint>

namespace accessory {

class OutputStream : public Stream {
public:
    // True while a write would take at least one byte.
    virtual bool hasSpaceAvailable() const = 0;
    // Takes what fits without waiting: the count taken, 0 when nothing fits, -1 on an error.
    virtual long write(const uint8_t* buffer, size_t length) = 0;

protected:
    OutputStream() : Stream(Direction::output) {}
};

} // namespace accessory
