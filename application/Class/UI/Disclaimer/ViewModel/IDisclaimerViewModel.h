#pragma once

#include "rx/Publisher.h"

#include <functional>
#include <variant>

namespace tolvane::app {

struct DisclaimerAction {
    // Close the pop-up, then run the closure.
    struct dismissPopup {
        std::function<void()> completion;
    };
    // Close whatever the screen presents, then run the closure.
    struct dismiss {
        std::function<void()> completion;
    };
    struct none {};
    struct showDisclaimerPop {};
    using Case = std::variant<dismissPopup, dismiss, none, showDisclaimerPop>;
};

// The disclaimer view model as its screen and its pop-up see it. Main thread only.
class IDisclaimerViewModel {
public:
    using Action = DisclaimerAction::Case;

    virtual ~IDisclaimerViewModel() = default;
    virtual rx::Publisher<Action> actionPublisher() const = 0;
    virtual void setAction(Action action) = 0;
    // The screen is up: the terms come up and the link to the selected car opens meanwhile.
    virtual void onViewDidAppear() = 0;
    // The user agreed: the pop-up closes, then the touch test follows.
    virtual void agree() = 0;
    // The user declined: the run closes with E003 and the feature ends.
    virtual void exitFeature() = 0;
};

} // namespace tolvane::app
