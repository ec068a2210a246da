#pragma once

#include "Internal/Model/CauseId.h"
#include "rx/Publisher.h"

#include <cstdint>

namespace tolvane::app {

// The ignition-on warning's view model as its screen sees it.
class IIGONWarnViewModel {
public:
    enum class Action : uint8_t { none };

    virtual ~IIGONWarnViewModel() = default;

    virtual rx::Publisher<Action> actionPublisher() const = 0;
    virtual CauseId causeId() const = 0;
    virtual void setCauseId(CauseId causeId) = 0;
    // Lays the activity indicator over the screen while the feature ends.
    virtual void setIndicator() = 0;
};

} // namespace tolvane::app
