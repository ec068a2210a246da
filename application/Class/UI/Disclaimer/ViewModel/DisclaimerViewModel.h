#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/Disclaimer/ViewModel/IDisclaimerViewModel.h"

#include "rx/Subject.h"

namespace tolvane::app {

// The terms of use for the selected car, accepted before every operation. The link opens while
// they are read; a failed opening starts again instead of warning, and the vehicle's display
// requests never move the user away. Main thread only.
class DisclaimerViewModel final : public BaseViewModel, public IDisclaimerViewModel {
public:
    explicit DisclaimerViewModel(BaseViewModelInjection injection);

    rx::Published<Action> action{DisclaimerAction::none{}};

    std::string screenName() const override { return "Disclaimer"; }
    bool showsExitButton() const override { return false; }
    bool showsIndicatorOnOpening() const override { return false; }
    bool transitionEnabled(RequiredDisplayId) override { return false; }
    void onConnectionFailure() override;

    rx::Publisher<Action> actionPublisher() const override { return action.publisher(); }
    void setAction(Action newAction) override { action.send(std::move(newAction)); }
    void onViewDidAppear() override;
    void agree() override;
    void exitFeature() override;
};

} // namespace tolvane::app
