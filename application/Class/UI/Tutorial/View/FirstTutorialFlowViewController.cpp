#include "Class/UI/Tutorial/View/FirstTutorialFlowViewController.h"

#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Base/ViewModel/IBaseViewModel.h"
#include "Class/UI/Tutorial/View/Outlet.h"
#include "Class/UI/Tutorial/View/TutorialScenes.h"
#include "Class/UI/Tutorial/View/TutorialStepIndicator.h"

#include "R.h"

#include "ui/Button.h"
#include "ui/NavigationController.h"

namespace tolvane::app {

FirstTutorialFlowViewController::FirstTutorialFlowViewController()
    : TutorialStoryboardFlowViewController({
          R::storyboard::firstTutorialTitle.name,
          R::storyboard::firstTutorialDisclaimer.name,
          R::storyboard::firstTutorialConnecting.name,
          R::storyboard::firstTutorialInsideVehicle.name,
          R::storyboard::firstTutorialPlanConfirmation.name,
          R::storyboard::firstTutorialControlling.name,
          R::storyboard::firstTutorialOutsideVehicle.name,
          R::storyboard::firstTutorialOverrideView.name,
          R::storyboard::firstTutorialMovie.name,
      })
{
}

void FirstTutorialFlowViewController::loadView()
{
    TutorialScenes::build(*this);
}

void FirstTutorialFlowViewController::viewDidLoad()
{
    TutorialStoryboardFlowViewController::viewDidLoad();
    setupButtonTitles();
}

void FirstTutorialFlowViewController::setupButtonTitles()
{
    ui::Button& skip = outlet(skipButton);
    skip.setTitle(R::string::localizable::FirstTutorialFlow_Skip(textLanguages()), skip.state());
    ui::Button& start = outlet(startButton);
    start.setTitle(R::string::localizable::FirstTutorialFlow_Start(textLanguages()), start.state());
}

void FirstTutorialFlowViewController::pageDidChange(int, int to)
{
    const int last = static_cast<int>(pageControllers.size()) - 1;
    ui::Button& start = outlet(startButton);
    ui::Button& skip = outlet(skipButton);
    if (to == 0) {
        start.setHidden(true);
        skip.setHidden(true);
        setNavigationBarLeftButton();
    } else if (to < last) {
        start.setHidden(true);
        stepIndicator().setHidden(false);
        navigationItem().setLeftBarButtonItems({});
    } else {
        start.setHidden(false);
        skip.setHidden(true);
        stepIndicator().setHidden(true);
        setNavigationBarLeftButton();
    }
}

void FirstTutorialFlowViewController::skipTutorial()
{
    outlet(viewModel).showScreenAfterTutorial();
}

void FirstTutorialFlowViewController::tapSkipButton()
{
    skipTutorial();
}

void FirstTutorialFlowViewController::tapStartButton()
{
    outlet(viewModel).onTapStartButton();
}

void FirstTutorialFlowViewController::tapNavigationButtonLeave()
{
    if (isFromSetting) {
        if (ui::NavigationController* navigation = navigationController())
            navigation->popViewController(true);
        return;
    }
    const auto& host = TolvaneIntegrationAppHelper::shared().superViewController;
    if (!host)
        return;
    std::weak_ptr<ui::ViewController> weakSelf = weak_from_this();
    host->dismiss(true, [weakSelf] {
        if (auto self = weakSelf.lock())
            static_cast<FirstTutorialFlowViewController&>(*self).baseViewModel->exitAppCycle();
    });
}

} // namespace tolvane::app
