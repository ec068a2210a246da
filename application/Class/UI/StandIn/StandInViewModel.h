#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"

#include <string>

namespace tolvane::app {

// How a screen not built yet answers the base view model's overridable members.
struct StandInOverrides {
    // What the screen's routing decision is.
    enum class Routing {
        base,
        // Never changes the screen; ends the link when the request ends the run.
        withoutScreenChange,
        // The arrival screen is already shown for REACH_POINT.
        dropsReachPoint,
    };
    // What a failed opening of the link leads to.
    enum class ConnectionFailure { warn, nothing, reconnect, restart };

    bool showsLeaveButton = false;
    bool showsSettingButton = true;
    bool showsExitButton = false;
    bool isNavigationBarHidden = false;
    std::string screenName = {};
    bool showsIndicatorOnOpening = true;
    bool showsStackedAlerts = false;
    bool skipsKeyHaltPopup = false;
    // False for the screens on which no vehicle request is routed.
    bool followsVehicle = true;
    Routing routing = Routing::base;
    ConnectionFailure connectionFailure = ConnectionFailure::warn;
};

// The view model of a screen that is not built yet: the base view model with the screen's answers
// to the overridable members, so that routing to and from it works.
class StandInViewModel : public BaseViewModel {
public:
    StandInViewModel(BaseViewModelInjection injection, StandInOverrides overrides);

    bool showsLeaveButton() const override { return overrides_.showsLeaveButton; }
    bool showsSettingButton() const override { return overrides_.showsSettingButton; }
    bool showsExitButton() const override { return overrides_.showsExitButton; }
    bool isNavigationBarHidden() const override { return overrides_.isNavigationBarHidden; }
    std::string screenName() const override { return overrides_.screenName; }
    bool showsIndicatorOnOpening() const override { return overrides_.showsIndicatorOnOpening; }
    bool showsStackedAlerts() const override { return overrides_.showsStackedAlerts; }
    bool skipsKeyHaltPopup() const override { return overrides_.skipsKeyHaltPopup; }
    bool transitionEnabled(RequiredDisplayId reqDisplayId) override;
    bool transition(RequiredDisplayId reqDisplayId, CauseId causeId) override;
    void onConnectionFailure() override;

private:
    const StandInOverrides overrides_;
};

} // namespace tolvane::app
