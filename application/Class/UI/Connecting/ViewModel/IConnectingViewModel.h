#pragma once

#include "rx/Publisher.h"

#include <string>
#include <variant>

namespace tolvane::app {

struct ConnectingAction {
    struct setConnectingLabel {
        std::string text;
    };
    struct setGuideLabel {
        std::string text;
    };
    struct none {};
    // The wait ran out: the screen turns into its time-out state.
    struct changeViewAlert {};
    using Case = std::variant<setConnectingLabel, setGuideLabel, none, changeViewAlert>;
};

// The connecting view model as its screen sees it. Main thread only.
class IConnectingViewModel {
public:
    using Action = ConnectingAction::Case;

    virtual ~IConnectingViewModel() = default;
    virtual rx::Publisher<Action> actionPublisher() const = 0;
    // A newly shown connecting screen waits afresh, even after an earlier screen timed out.
    virtual void beginNewScreen() = 0;
    // Begins a wait, or shows the time-out again; on every appearance.
    virtual void startConnecting() = 0;
    // Back to the choice of a car.
    virtual void cancelConnecting() = 0;
    // The user ends: the run closes with E005 and the feature ends.
    virtual void endConnecting() = 0;
    virtual void releaseTimer() = 0;
    // An open stop confirmation goes away with the screen.
    virtual void removeStopConfirmation() = 0;
};

} // namespace tolvane::app
