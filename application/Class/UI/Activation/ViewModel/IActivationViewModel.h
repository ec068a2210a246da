#pragma once

#include "rx/Publisher.h"

#include <string>
#include <variant>

namespace tolvane::app {

struct ActivationAction {
    struct setConnectionSuccessLabel {
        std::string carName;
    };
    struct setCarImage {
        std::string carImagePath;
    };
    // Which start button applies: power-on for park-out, "Continue" for park-in.
    struct setButtonImage {
        bool isReceivedParkOut;
    };
    struct none {};
    using Case = std::variant<setConnectionSuccessLabel, setCarImage, setButtonImage, none>;
};

// The activation view model as its screen sees it. Main thread only.
class IActivationViewModel {
public:
    using Action = ActivationAction::Case;

    virtual ~IActivationViewModel() = default;
    virtual rx::Publisher<Action> actionPublisher() const = 0;
    virtual void setAction(Action action) = 0;
    // Starts the 180 s time-out, once, when the screen loads.
    virtual void startTimeoutCheck() = 0;
    virtual void stopTimeoutCheck() = 0;
    // The selected car's name and picture, then the vehicle's start requests.
    virtual void loadScreenContents() = 0;
    // A start button: the vehicle is asked to start the function.
    virtual void requestStart() = 0;
    // Another car: the link closes and the choice of a car follows.
    virtual void changeVehicle() = 0;
};

} // namespace tolvane::app
