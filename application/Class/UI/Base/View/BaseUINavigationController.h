#pragma once

#include "ui/NavigationController.h"

namespace tolvane::app {

// The navigation stack of every screen flow the application makes: light appearance, portrait
// only, rotating only when its top screen agrees.
class BaseUINavigationController : public ui::NavigationController {
public:
    using ui::NavigationController::NavigationController;

    void viewDidLoad() override;
    bool shouldAutorotate() const override;
    unsigned supportedInterfaceOrientations() const override { return ui::InterfaceOrientationMask::portrait; }
};

} // namespace tolvane::app
