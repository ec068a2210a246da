#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/ParkInCompleted/ViewModel/IParkInCompletedViewModel.h"

namespace tolvane::app {

// After parking in: while the link is up it waits (at most the link store's close time) for the
// vehicle to end the session, then shows the finished state and records the normal end. Follows
// the vehicle's wish to show the hazard-lamp note. Main thread only.
class ParkInCompletedViewModel final : public BaseViewModel, public IParkInCompletedViewModel {
public:
    explicit ParkInCompletedViewModel(BaseViewModelInjection injection);

    rx::Published<ParkInCompletedAction> actionSubject{ParkInCompletedAction::none{}};
    // Stays false: nothing on this screen changes it.
    bool isViewCompleted = false;
    bool isForgetHazard = false;

    // BaseViewModel
    std::string screenName() const override { return "ParkInCompleted"; }
    bool showsExitButton() const override { return false; }
    void onSessionDidEndEncounter() override;
    void onSessionCloseTimeout() override;
    void transitionToWarn(bool isIGONWarn, CauseId causeId) override;

    // IParkInCompletedViewModel
    rx::Publisher<ParkInCompletedAction> action() const override { return actionSubject.publisher(); }
    void viewDidLoad() override;

private:
    void displayCompletedView();
    void applyRequiredDisplay(RequiredDisplayId reqDisplayId);
};

} // namespace tolvane::app
