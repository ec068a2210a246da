#pragma once

#include <memory>

namespace tolvane {
class ICautionData;
class IDisplayData;
class IDisplayModel;
class ISdkModel;
class IUserOperationModel;
} // namespace tolvane

namespace tolvane::app {

class ITransitionManager;

// The six services every screen's view model needs, resolved once by the container.
struct BaseViewModelInjection {
    std::shared_ptr<ITransitionManager> transitionManager;
    std::shared_ptr<IDisplayData> displayData;
    std::shared_ptr<ICautionData> cautionData;
    std::shared_ptr<IUserOperationModel> userOperationModel;
    std::shared_ptr<ISdkModel> sdkModel;
    std::shared_ptr<IDisplayModel> displayModel;
};

} // namespace tolvane::app
