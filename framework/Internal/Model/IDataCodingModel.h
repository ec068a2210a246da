#pragma once

#include "foundation/Bytes.h"

namespace tolvane {

// The application's entry to the message codec.
class IDataCodingModel {
public:
    virtual ~IDataCodingModel() = default;
    // The next complete outgoing frame; called on the send thread.
    virtual foundation::Bytes encode() = 0;
    // Received bytes, one chunk per read; called on the receive thread.
    virtual void decode(const foundation::Bytes& data) = 0;
};

} // namespace tolvane
