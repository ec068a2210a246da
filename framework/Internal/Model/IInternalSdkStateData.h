#pragma once

#include "Internal/Model/SdkState.h"
#include "foundation/Clock.h"
#include "rx/Subject.h"

#include <optional>

namespace tolvane {

class IInternalSdkStateData {
public:
    virtual ~IInternalSdkStateData() = default;
    // Whether the application is in the background; callers read it and send new values into it.
    virtual rx::CurrentValueSubject<bool>& isBackground() = 0;
    // When the application went to the background, on the main loop's clock: elapsed time, counting
    // while the machine sleeps, not a wall-clock date.
    virtual std::optional<foundation::Seconds> toBackgroundDate() const = 0;
    virtual void setToBackgroundDate(std::optional<foundation::Seconds> date) = 0;
    // Has no effect once the state is TIMEOUT.
    virtual void setSdkState(SdkState sdkState) = 0;
    // Back to NOT_OPERATING, also from TIMEOUT; the background flag and date stay.
    virtual void initParam() = 0;
};

} // namespace tolvane
