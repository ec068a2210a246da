#pragma once

#include "rx/Publisher.h"

#include <optional>
#include <string>
#include <variant>

namespace tolvane::app {

// A command of the park-in completed view model to its screen.
struct ParkInCompletedAction {
    struct setCarImage {
        std::optional<std::string> carImagePath;
    };
    struct setIsHiddenActionLabel {
        bool isHidden;
    };
    struct none {};
    struct displayCompletedView {};

    using Case = std::variant<setCarImage, setIsHiddenActionLabel, none, displayCompletedView>;

    template <class C>
        requires std::is_constructible_v<Case, C>
    ParkInCompletedAction(C value) : value(std::move(value))
    {
    }

    Case value;
};

// The park-in completed view model as its screen sees it.
class IParkInCompletedViewModel {
public:
    virtual ~IParkInCompletedViewModel() = default;
    virtual rx::Publisher<ParkInCompletedAction> action() const = 0;
    // Shows the car, then waits for the vehicle to end the session, or finishes at once without a link.
    virtual void viewDidLoad() = 0;
};

} // namespace tolvane::app
