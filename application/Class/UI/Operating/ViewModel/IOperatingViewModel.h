#pragma once

namespace tolvane::app {

// The operating screen's view model as other screens' code reaches it.
class IOperatingViewModel {
public:
    virtual ~IOperatingViewModel() = default;
    // Opens the screen's end-halfway confirmation.
    virtual void didRequestEndHalfway() = 0;
};

} // namespace tolvane::app
