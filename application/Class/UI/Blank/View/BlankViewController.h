#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/Blank/ViewModel/IBlankViewModel.h"

namespace tolvane::app {

// Shows nothing of its own; its view model keeps the vehicle's request while the application is away.
class BlankViewController final : public ScreenViewController<IBlankViewModel> {
public:
    void viewDidLoad() override;
    void viewWillDisappear(bool animated) override;

private:
    void endViewModelSubscriptions();
};

} // namespace tolvane::app
