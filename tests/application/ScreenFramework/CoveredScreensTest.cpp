#include "ApplicationTest.h"

#include "Class/UI/Activation/View/ActivationViewController.h"
#include "Class/UI/Activation/ViewModel/ActivationViewModel.h"
#include "Class/UI/Arrival/View/ArrivalViewController.h"
#include "Class/UI/Arrival/ViewModel/ArrivalViewModel.h"
#include "Class/UI/ConnectingForRegistration/View/ConnectingForRegistrationViewController.h"
#include "Class/UI/ConnectingForRegistration/ViewModel/ConnectingForRegistrationViewModel.h"
#include "Class/UI/ConnectionCompletionForRegistration/View/ConnectionCompletionForRegistrationViewController.h"
#include "Class/UI/ConnectionCompletionForRegistration/ViewModel/ConnectionCompletionForRegistrationViewModel.h"
#include "Class/UI/Disclaimer/View/DisclaimerPopViewController.h"
#include "Class/UI/Disclaimer/View/DisclaimerViewController.h"
#include "Class/UI/Disclaimer/ViewModel/DisclaimerViewModel.h"
#include "Class/UI/FirstRegistration/View/FirstRegistrationViewController.h"
#include "Class/UI/FirstRegistration/ViewModel/FirstRegistrationViewModel.h"
#include "Class/UI/Registration/View/RegistrationViewController.h"
#include "Class/UI/Registration/ViewModel/RegistrationViewModel.h"

#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/NavigationController.h"
#include "ui/TextField.h"

#include <functional>
#include <string>

namespace screen_testing {
namespace {

// Each screen that binds its view model when it loads, as the only screen of the stack.
class CoveredScreensTest : public ApplicationTest {
protected:
    std::shared_ptr<TolvaneBaseViewController> show(const std::string& storyboard)
    {
        auto screen = std::dynamic_pointer_cast<TolvaneBaseViewController>(
            ui::StoryboardRegistry::shared().instantiateInitialViewController(storyboard));
        stack = std::make_shared<BaseUINavigationController>(screen);
        TolvaneIntegrationAppHelper::shared().navigationController = stack;
        window->setRootViewController(stack);
        window->makeKeyAndVisible();
        settle();
        return screen;
    }
};

template <class Screen>
Screen& as(TolvaneBaseViewController& screen)
{
    return dynamic_cast<Screen&>(screen);
}

template <class ViewModel>
ViewModel& viewModelOf(TolvaneBaseViewController& screen)
{
    return dynamic_cast<ViewModel&>(*screen.baseViewModel);
}

TEST_F(CoveredScreensTest, ACoveredScreenFollowsItsViewModelAgainWhenShownAgain)
{
    struct Cover {
        const char* name;
        std::function<void()> cover;
        std::function<void()> uncover;
    };
    const Cover covers[] = {
        {"the settings", [this] { transitionManager->showSettings(); }, [this] { stack->presentedViewController()->dismiss(false); }},
        {"a pushed screen", [this] { stack->pushViewController(std::make_shared<ui::ViewController>(), false); },
         [this] { stack->popViewController(false); }},
    };
    struct Row {
        const char* storyboard;
        // Before the cover: what stands over the screen that no cover can go over.
        std::function<void(TolvaneBaseViewController&)> prepare;
        // The view model publishes; the screen shows it.
        std::function<void(TolvaneBaseViewController&)> publish;
        std::function<bool(TolvaneBaseViewController&)> follows;
    };
    const Row rows[] = {
        {"Activation", [](auto&) {},
         [](auto& screen) { viewModelOf<ActivationViewModel>(screen).setAction(ActivationAction::setButtonImage{true}); },
         [](auto& screen) { return !as<ActivationViewController>(screen).powerOnButton->isHidden(); }},
        {"Disclaimer", [](auto& screen) { viewModelOf<DisclaimerViewModel>(screen).setAction(DisclaimerAction::dismissPopup{}); },
         [](auto& screen) { viewModelOf<DisclaimerViewModel>(screen).setAction(DisclaimerAction::showDisclaimerPop{}); },
         [this](auto&) { return dynamic_cast<DisclaimerPopViewController*>(stack->presentedViewController()) != nullptr; }},
        {"Arrival", [](auto&) {},
         [](auto& screen) {
             as<ArrivalViewController>(screen).carImageView->setImage(std::nullopt);
             viewModelOf<ArrivalViewModel>(screen).setAction(ArrivalAction::setCarImage{std::nullopt});
         },
         [](auto& screen) { return as<ArrivalViewController>(screen).carImageView->image().has_value(); }},
        {"FirstRegistration", [](auto&) {},
         [](auto& screen) { viewModelOf<FirstRegistrationViewModel>(screen).action.send(FirstRegistrationAction::setButtonLayout{true}); },
         [](auto& screen) { return !as<FirstRegistrationViewController>(screen).registCompleteBtn->isHidden(); }},
        {"ConnectionCompletionForRegistration", [](auto&) {},
         [](auto& screen) {
             viewModelOf<ConnectionCompletionForRegistrationViewModel>(screen).action.send(
                 {IConnectionCompletionForRegistrationViewModel::Action::setDeviceView{"Car 7"}});
         },
         [](auto& screen) { return as<ConnectionCompletionForRegistrationViewController>(screen).deviceName->text() == "Car 7"; }},
        {"ConnectingForRegistration", [](auto&) {},
         [](auto& screen) {
             viewModelOf<ConnectingForRegistrationViewModel>(screen).action.send({IConnectingForRegistrationViewModel::Action::setDeviceName{"Car 7"}});
         },
         [](auto& screen) { return as<ConnectingForRegistrationViewController>(screen).deviceName->text().value_or("").starts_with("Car 7\n"); }},
        {"Registration", [](auto&) {},
         [](auto& screen) { viewModelOf<RegistrationViewModel>(screen).action.send({IRegistrationViewModel::Action::setDeviceName{"Car 7"}}); },
         [](auto& screen) { return as<RegistrationViewController>(screen).deviceNameText->text() == "Car 7"; }},
    };
    for (const auto& cover : covers) {
        for (const auto& row : rows) {
            const auto screen = show(row.storyboard);
            row.prepare(*screen);
            settle();
            cover.cover();
            settle();
            ASSERT_FALSE(screen->isAppeared()) << row.storyboard << " under " << cover.name;
            cover.uncover();
            settle();
            ASSERT_TRUE(screen->isAppeared()) << row.storyboard << " after " << cover.name;
            row.publish(*screen);
            settle();
            EXPECT_TRUE(row.follows(*screen)) << row.storyboard << " after " << cover.name;
            window->setRootViewController(nullptr);
            settle();
        }
    }
}

} // namespace
} // namespace screen_testing
