#pragma once

#include "Internal/Model/SdkState.h"
#include "rx/Publisher.h"

namespace tolvane {

class ISdkStateData {
public:
    virtual ~ISdkStateData() = default;
    // States set after subscribing, never the same one twice in a row.
    virtual rx::Publisher<SdkState> sdkState() const = 0;
};

} // namespace tolvane
