#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/Disclaimer/ViewModel/IDisclaimerViewModel.h"

#include <memory>

namespace tolvane::app {

class DisclaimerPopViewController;
class PopupTransition;

// An empty backdrop under the terms-of-use pop-up; the run's history row gets the selected car.
// Main thread only.
class DisclaimerViewController final : public ScreenViewController<IDisclaimerViewModel> {
public:
    DisclaimerViewController();
    ~DisclaimerViewController() override;

    std::weak_ptr<DisclaimerPopViewController> popupVc;

    void loadView() override;
    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;

private:
    void apply(const IDisclaimerViewModel::Action& action);
    void showDisclaimerPop();

    std::shared_ptr<PopupTransition> popupTransition_;
};

} // namespace tolvane::app
