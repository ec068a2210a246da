#pragma once

#include "rx/Publisher.h"

#include <string>
#include <variant>

namespace tolvane::app {

// The registration completed screen's view model as its screen sees it.
class IConnectionCompletionForRegistrationViewModel {
public:
    struct Action {
        struct setDeviceView {
            std::string deviceName;
        };
        struct none {};
        std::variant<setDeviceView, none> value;
    };

    virtual ~IConnectionCompletionForRegistrationViewModel() = default;
    virtual rx::Publisher<Action> actionPublisher() const = 0;
    // Shows the connected unit and clears the failed attempts' close reasons.
    virtual void loadDevice() = 0;
    // On to naming the car ("register" is a C++ keyword).
    virtual void registerCar() = 0;
    virtual void disconnectTerminal() = 0;
};

} // namespace tolvane::app
