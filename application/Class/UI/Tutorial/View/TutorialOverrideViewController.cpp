#include "Class/UI/Tutorial/View/TutorialOverrideViewController.h"

#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Tutorial/View/Outlet.h"
#include "Class/UI/Tutorial/View/TutorialScenes.h"

#include "R.h"

#include "ui/Label.h"

namespace tolvane::app {

void TutorialOverrideViewController::loadView()
{
    TutorialScenes::build(*this);
}

void FirstTutorialOverrideViewController::loadView()
{
    TutorialScenes::build(*this);
}

void TutorialOverrideViewController::viewDidLoad()
{
    ui::ViewController::viewDidLoad();
    setupLabels();
}

void TutorialOverrideViewController::setupLabels()
{
    const auto languages = textLanguages();
    outlet(titleLabel).setText(R::string::localizable::FirstTutorialOverride_Title(languages));
    outlet(messageLabel).setText(R::string::localizable::FirstTutorialOverride_Message(languages));
    outlet(openDoorLabel).setText(R::string::localizable::FirstTutorialOverride_OpenDoor(languages));
    outlet(phoneLabel).setText(R::string::localizable::FirstTutorialOverride_Override(languages));
}

void FirstTutorialOverrideViewController::setupLabels()
{
    outlet(tutorialLabel).setText(R::string::localizable::FirstTutorialOverride_HeaderTitle(textLanguages()));
    TutorialOverrideViewController::setupLabels();
}

} // namespace tolvane::app
