#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/Geofence/ViewModel/IGeofenceViewModel.h"

namespace tolvane::app {

// The view model of the geofence check and of each of its pop-ups: while the check runs no request
// of the vehicle moves the application away.
class GeofenceViewModel final : public BaseViewModel, public IGeofenceViewModel {
public:
    explicit GeofenceViewModel(BaseViewModelInjection injection);

    std::string screenName() const override { return "Geofence"; }
    bool showsStackedAlerts() const override { return true; }
    bool skipsKeyHaltPopup() const override { return true; }
    bool transitionEnabled(RequiredDisplayId) override { return false; }

    std::shared_ptr<ITransitionManager> router() const override { return transitionManager; }
    void closeHistoryAndDismiss() override;
};

} // namespace tolvane::app
