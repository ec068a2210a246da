#pragma once

#include "rx/Publisher.h"

#include <optional>
#include <string>
#include <variant>

namespace tolvane::app {

struct ArrivalAction {
    // The car's picture path relative to the home folder; none when no car is selected.
    struct setCarImage {
        std::optional<std::string> carImagePath;
    };
    struct none {};
    using Case = std::variant<setCarImage, none>;
};

// The arrival view model as its screen sees it. Main thread only.
class IArrivalViewModel {
public:
    using Action = ArrivalAction::Case;

    virtual ~IArrivalViewModel() = default;
    virtual rx::Publisher<Action> actionPublisher() const = 0;
    virtual void setAction(Action action) = 0;
    // The stop confirmation, from the navigation bar's exit button.
    virtual void confirmExit() = 0;
};

} // namespace tolvane::app
