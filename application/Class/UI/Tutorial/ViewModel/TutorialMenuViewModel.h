#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/Tutorial/ViewModel/ITutorialMenuViewModel.h"

namespace tolvane::app {

// The tutorial menu, a screen of the settings' stack: its own leave button, no settings button and
// no indicator while the link opens; no vehicle request changes the screen, and a failed link is
// opened again to the selected car.
class TutorialMenuViewModel final : public BaseViewModel, public ITutorialMenuViewModel {
public:
    using BaseViewModel::BaseViewModel;

    bool showsLeaveButton() const override { return true; }
    bool showsSettingButton() const override { return false; }
    bool showsIndicatorOnOpening() const override { return false; }
    bool transition(RequiredDisplayId reqDisplayId, CauseId causeId) override;
    void onConnectionFailure() override;

    void onSelectMenuItem(TutorialMenuItem item) override;
};

} // namespace tolvane::app
