#pragma once

#include "rx/Publisher.h"

#include <optional>
#include <string>
#include <variant>

namespace tolvane::app {

// A command of the park-out completed view model to its screen.
struct ParkOutCompletedAction {
    struct setCarImage {
        std::optional<std::string> carImagePath;
    };
    struct none {};

    using Case = std::variant<setCarImage, none>;

    template <class C>
        requires std::is_constructible_v<Case, C>
    ParkOutCompletedAction(C value) : value(std::move(value))
    {
    }

    Case value;
};

// The park-out completed view model as its screen sees it.
class IParkOutCompletedViewModel {
public:
    virtual ~IParkOutCompletedViewModel() = default;
    virtual rx::Publisher<ParkOutCompletedAction> action() const = 0;
    // Shows the car and closes the link shortly after.
    virtual void viewDidLoad() = 0;
    // Records the user's leaving and hands control back to the host.
    virtual void exit() = 0;
};

} // namespace tolvane::app
