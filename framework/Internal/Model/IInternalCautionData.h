#pragma once

#include "Internal/Model/CauseId.h"
#include "Internal/Model/InternalCause.h"
#include "rx/Publisher.h"

#include <optional>

namespace tolvane {

// The framework's list of held causes and its ranking. `topCause` may be read from any thread.
class IInternalCautionData {
public:
    virtual ~IInternalCautionData() = default;
    virtual std::optional<InternalCause> topCause() const = 0;
    // Does not publish the cause id; the caller does with updateCauseId() when the application should see it.
    virtual void addCause(InternalCause cause) = 0;
    // Each cause once addCause() has taken it, on the thread that added it.
    virtual rx::Publisher<InternalCause> raisedCause() const = 0;
    // STOP causes stay held until initParam().
    virtual void removeCause(InternalCause cause) = 0;
    virtual void updateCauseId() = 0;
    virtual bool hasCause(CauseId causeID) const = 0;
    // Hides the cause from the application without forgetting it.
    virtual void resetCauseId() = 0;
    virtual void initParam() = 0;
};

} // namespace tolvane
