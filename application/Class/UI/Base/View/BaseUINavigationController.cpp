#include "BaseUINavigationController.h"

namespace tolvane::app {

void BaseUINavigationController::viewDidLoad()
{
    ui::NavigationController::viewDidLoad();
    setOverrideUserInterfaceStyle(ui::UserInterfaceStyle::light);
}

bool BaseUINavigationController::shouldAutorotate() const
{
    const auto& stack = viewControllers();
    return stack.empty() || stack.back()->shouldAutorotate();
}

} // namespace tolvane::app
