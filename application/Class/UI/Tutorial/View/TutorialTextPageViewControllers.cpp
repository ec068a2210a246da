#include "Class/UI/Tutorial/View/TutorialTextPageViewControllers.h"

#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Tutorial/View/Outlet.h"
#include "Class/UI/Tutorial/View/TutorialScenes.h"

#include "R.h"

#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"

namespace tolvane::app {

namespace text = R::string::localizable;

void TutorialConnectingViewController::loadView()
{
    TutorialScenes::build(*this);
}

void TutorialParkInStartViewController::loadView()
{
    TutorialScenes::build(*this);
}

void TutorialParkOutStartViewController::loadView()
{
    TutorialScenes::build(*this);
}

void TutorialParkOutDetailViewController::loadView()
{
    TutorialScenes::build(*this);
}

void TutorialConnectingViewController::viewDidLoad()
{
    ui::ViewController::viewDidLoad();
    const auto languages = textLanguages();
    outlet(tutorialConnectingTitle).setText(text::TutorialConnecting_Title(languages));
    outlet(tutorialConnectingText).setText(text::TutorialConnecting_Message(languages));
    outlet(tutorialConnectingText2).setText(text::TutorialConnecting_Description(languages));
}

void TutorialParkInStartViewController::viewDidLoad()
{
    ui::ViewController::viewDidLoad();
    const auto languages = textLanguages();
    outlet(tutorialInStartTitle).setText(text::TutorialParkInStart_Title(languages));
    outlet(tutorialInStartText).setText(text::TutorialParkInStart_Description(languages));
    outlet(tutorialInStartText2).setText(text::TutorialParkInStart_StellonSwitchOn(languages));
    outlet(tutorialInStartText3).setText(text::TutorialParkInStart_SwitchOn(languages));
}

void TutorialParkOutStartViewController::viewDidLoad()
{
    ui::ViewController::viewDidLoad();
    const auto languages = textLanguages();
    outlet(tutorialOutStartTitle).setText(text::TutorialParkOutStart_Title(languages));
    outlet(tutorialOutStartText).setText(text::TutorialParkOutStart_Description(languages));
}

void TutorialParkOutDetailViewController::viewDidLoad()
{
    ui::ViewController::viewDidLoad();
    const auto languages = textLanguages();
    outlet(tutorialOutDetailTitle).setText(text::TutorialParkOutDetail_Title(languages));
    outlet(tutorialOutDetailText).setText(text::TutorialParkOutDetail_Description(languages));
    outlet(tutorialOutDetailText2).setText(text::TutorialParkOutDetail_Supplementation(languages));
    ui::Button& power = outlet(powerButton);
    power.imageView().setContentMode(ui::ContentMode::scaleAspectFit);
    power.setContentHorizontalAlignment(ui::ContentAlignment::fill);
    power.setContentVerticalAlignment(ui::ContentAlignment::fill);
}

} // namespace tolvane::app
