#pragma once

#include "rx/Publisher.h"

#include <variant>

namespace tolvane::app {

struct FirstRegistrationAction {
    struct setButtonLayout {
        bool hasCarRecord;
    };
    struct none {};
    using Case = std::variant<setButtonLayout, none>;
};

// The first registration view model as its screen sees it.
class IFirstRegistrationViewModel {
public:
    using Action = FirstRegistrationAction::Case;

    virtual ~IFirstRegistrationViewModel() = default;
    virtual rx::Publisher<Action> actionPublisher() const = 0;
    // Tells the screen whether any car is registered.
    virtual void updateButtonLayout() = 0;
    // The list of units to register a new vehicle from.
    virtual void addVehicle() = 0;
    // On to the choice among the registered cars.
    virtual void finishRegistration() = 0;
};

} // namespace tolvane::app
