#pragma once

#include <memory>

namespace tolvane::app {

class ITransitionManager;

// The geofence screens' view model as the check screen and its pop-ups see it.
class IGeofenceViewModel {
public:
    virtual ~IGeofenceViewModel() = default;

    virtual std::shared_ptr<ITransitionManager> router() const = 0;
    // Ends the use of the feature: the run's history row closes with E003 and the host is dismissed.
    virtual void closeHistoryAndDismiss() = 0;
};

} // namespace tolvane::app
