#include "Class/UI/Tutorial/View/FirstTutorialPageViewControllers.h"

#include "Class/UI/Tutorial/View/TutorialScenes.h"

namespace tolvane::app {

void FirstTutorialTitleViewController::loadView()
{
    TutorialScenes::build(*this);
}

void FirstTutorialDisclaimerViewController::loadView()
{
    TutorialScenes::build(*this);
}

void FirstTutorialConnectingViewController::loadView()
{
    TutorialScenes::build(*this);
}

void FirstTutorialInsideVehicleViewController::loadView()
{
    TutorialScenes::build(*this);
}

void FirstTutorialPlanConfirmationViewController::loadView()
{
    TutorialScenes::build(*this);
}

void FirstTutorialControllingViewController::loadView()
{
    TutorialScenes::build(*this);
}

void FirstTutorialOutsideVehicleViewController::loadView()
{
    TutorialScenes::build(*this);
}

} // namespace tolvane::app
