#pragma once

namespace tolvane::app {

// What every tutorial flow's view model is to its screen; the flows ask nothing of it themselves.
class ITutorialFlowViewModel {
public:
    virtual ~ITutorialFlowViewModel() = default;
};

} // namespace tolvane::app
