#pragma once

#include "Internal/Model/RequiredDisplayId.h"
#include "rx/Publisher.h"

namespace tolvane {

// The screen the application must show.
class IDisplayData {
public:
    virtual ~IDisplayData() = default;
    // Ids sent after subscribing, never the same one twice in a row.
    virtual rx::Publisher<RequiredDisplayId> reqDisplayId() const = 0;
};

} // namespace tolvane
