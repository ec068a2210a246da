#pragma once

#include "Class/UI/Tutorial/ViewModel/IFirstTutorialFlowViewModel.h"
#include "Class/UI/Tutorial/ViewModel/TutorialFlowViewModel.h"

namespace tolvane::app {

// The first-run tutorial: the one tutorial without the settings button, whose start button clears
// the flags that open it at start-up.
class FirstTutorialFlowViewModel final : public TutorialFlowViewModel, public IFirstTutorialFlowViewModel {
public:
    static constexpr const char* START_STATISTICS_KEY = "tirmalunesko/caozuozhinan/kaishitiyan";

    using TutorialFlowViewModel::TutorialFlowViewModel;

    bool showsSettingButton() const override { return false; }
    bool isNavigationBarHidden() const override { return false; }
    std::string screenName() const override { return "FirstTutorialFlow"; }

    void onTapStartButton() override;
    void showScreenAfterTutorial() override;
};

} // namespace tolvane::app
