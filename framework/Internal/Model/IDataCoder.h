#pragma once

#include "foundation/Bytes.h"

namespace tolvane {

// The codec between the framework's state and the vehicle link.
class IDataCoder {
public:
    virtual ~IDataCoder() = default;
    // The next framed operation message; called on the send thread once per send cycle.
    virtual foundation::Bytes encode() = 0;
    // Bytes as the link delivered them, in chunks of any size; called on the receive thread, one
    // call at a time.
    virtual void decode(const foundation::Bytes& data) = 0;
};

} // namespace tolvane
