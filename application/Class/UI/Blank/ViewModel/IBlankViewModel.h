#pragma once

namespace tolvane::app {

// The blank screen's view model as its screen sees it.
class IBlankViewModel {
public:
    virtual ~IBlankViewModel() = default;
    // Follows the application's activation and the framework's time-out.
    virtual void setBindings() = 0;
    // Ends the subscriptions that setBindings() made.
    virtual void clearMyCancellables() = 0;
};

} // namespace tolvane::app
