#pragma once

#include "accessory/StreamEvent.h"

namespace accessory {

class Stream;

class StreamDelegate {
public:
    virtual ~StreamDelegate() = default;
    // Called on the thread of the run loop the stream is scheduled on.
    virtual void stream(Stream& stream, StreamEvent event) = 0;
};

} // namespace accessory
