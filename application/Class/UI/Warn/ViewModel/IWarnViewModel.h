#pragma once

#include "Class/UI/Base/View/InAppWarningKind.h"

#include "Internal/Model/CauseId.h"
#include "rx/Publisher.h"

#include <cstdint>
#include <optional>

namespace tolvane::app {

// The link store's reports, as the end screen hears them.
enum class WarnViewModelAction : uint8_t { none, sessionDidEndEncounter, sessionCloseTimeout };

// The end screen's view model as its screen sees it.
class IWarnViewModel {
public:
    using Action = WarnViewModelAction;

    virtual ~IWarnViewModel() = default;

    // Hands its current value to each new subscriber.
    virtual rx::Publisher<Action> actionPublisher() const = 0;
    virtual CauseId causeid() const = 0;
    virtual void setCauseid(CauseId causeid) = 0;
    // The warning the screen was opened for, if any; it decides the navigation bar's leave button.
    virtual void setInAppWarningKind(std::optional<InAppWarningKind> kind) = 0;
    // The end button: leaves the feature once the host has dismissed it.
    virtual void stopSending() = 0;
};

} // namespace tolvane::app
