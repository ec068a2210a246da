#pragma once

#include "Internal/Model/CauseId.h"
#include "rx/Publisher.h"

namespace tolvane {

// The cause of the current halt or stop, as the application sees it.
class ICautionData {
public:
    virtual ~ICautionData() = default;
    // Ids sent after subscribing, never the same one twice in a row.
    virtual rx::Publisher<CauseId> cause() const = 0;
};

} // namespace tolvane
