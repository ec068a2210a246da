#pragma once

#include "rx/Publisher.h"

#include <string>
#include <variant>

namespace tolvane::app {

// The connecting-for-registration screen's view model as its screen sees it.
class IConnectingForRegistrationViewModel {
public:
    struct Action {
        struct setDeviceName {
            std::string name;
        };
        struct none {};
        struct showConnectionFailure {};
        std::variant<setDeviceName, none, showConnectionFailure> value;
    };

    virtual ~IConnectingForRegistrationViewModel() = default;
    virtual rx::Publisher<Action> actionPublisher() const = 0;
    // Opens the link to the unit chosen in the list and asks the vehicle whether it may be registered.
    virtual void setTerminalInfo() = 0;
    // The screen goes away, or the application returns to its first screen.
    virtual void stopResponseWaitingTimer() = 0;
};

} // namespace tolvane::app
