#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/Tutorial/ViewModel/ITutorialFlowViewModel.h"

namespace tolvane::app {

// The base of every tutorial flow's view model: a leave button and the settings button, and no
// vehicle request ever changes the screen; a request that ends the run only closes the link.
class TutorialFlowViewModel : public BaseViewModel, public virtual ITutorialFlowViewModel {
public:
    using BaseViewModel::BaseViewModel;

    bool showsLeaveButton() const override { return true; }
    bool showsSettingButton() const override { return true; }
    bool showsExitButton() const override { return false; }
    bool transition(RequiredDisplayId reqDisplayId, CauseId causeId) override;
};

} // namespace tolvane::app
