#include "application/ScreenFramework/ApplicationTest.h"

#include "Class/UI/Base/View/CustomAlertController.h"
#include "Class/UI/Connecting/View/ConnectingViewController.h"
#include "Class/UI/ConnectionConfirmation/ViewModel/ConnectionConfirmationViewModel.h"
#include "Class/UI/Disclaimer/View/DisclaimerPopViewController.h"
#include "Class/UI/Disclaimer/View/DisclaimerViewController.h"
#include "Class/UI/FirstRegistration/View/FirstRegistrationViewController.h"
#include "Class/UI/Base/View/TolvaneBaseViewController.h"
#include "Class/UI/TouchPreConfirmation/View/TouchPreConfirmationViewController.h"
#include "Class/UI/Tutorial/View/FirstTutorialFlowViewController.h"

#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/GoldenImage.h"
#include "ui/LayerRenderer.h"
#include "ui/TextLayout.h"
#include "ui/NavigationController.h"
#include "ui/ScrollView.h"
#include "ui/View.h"

#include <algorithm>
#include <functional>

namespace screen_testing {
namespace {

// The screens of the road to the link, each as the only screen of the stack in the 390 x 844 window.
class ConnectionScreensTest : public ApplicationTest {
protected:
    template <class Controller = ui::ViewController>
    std::shared_ptr<Controller> show(const std::string& storyboard)
    {
        shown = ui::StoryboardRegistry::shared().instantiateInitialViewController(storyboard);
        stack = std::make_shared<BaseUINavigationController>(shown);
        TolvaneIntegrationAppHelper::shared().navigationController = stack;
        window->setRootViewController(stack);
        window->makeKeyAndVisible();
        settle();
        return std::dynamic_pointer_cast<Controller>(shown);
    }

    template <class ViewModel>
    std::shared_ptr<ViewModel> shownViewModel() const
    {
        return std::dynamic_pointer_cast<ViewModel>(dynamic_cast<TolvaneBaseViewController&>(*shown).baseViewModel);
    }

    QImage picture() const { return ui::LayerRenderer(time.now()).renderView(*window, 1); }

    std::shared_ptr<ui::ViewController> shown;
};

TEST_F(ConnectionScreensTest, EachScreenLooksAsDesigned)
{
    struct Case {
        const char* storyboard;
        const char* golden;
        std::function<void()> feed;
    };
    const Case cases[] = {
        {"PreConfirmation", "pre-confirmation", {}},
        {"FirstRegistration", "first-registration", {}},
        {"Disclaimer", "disclaimer-pop-up", {}},
        {"Connecting", "connecting", {}},
        {"ConnectionConfirmation", "vehicle-carousel-two-cars",
         [this] {
             CarRecordStore::shared().saveCarRecords({car(kUnit, "My car"), car("VIN0002", "Family car")});
             shownViewModel<ConnectionConfirmationViewModel>()->loadCarRecords();
         }},
        {"RequestIdWaiting", "request-id-waiting", {}},
        {"Arrival", "arrival", {}},
        {"Activation", "activation-ready", [this] { publish(RequiredDisplayId::START_PARK_IN, CauseId::DEF); }},
    };
    // No car is registered yet: first registration shows only its way to a new vehicle.
    CarRecordStore::shared().saveCarRecords({});
    for (const Case& c : cases) {
        show(c.storyboard);
        if (c.feed) {
            c.feed();
            settle();
        }
        EXPECT_TRUE(uitest::matchesGolden(picture(), c.golden)) << c.storyboard;
        if (stack->presentedViewController())
            stack->dismiss(false);
        window->setRootViewController(nullptr);
        settle();
    }
}

TEST_F(ConnectionScreensTest, TheTimedOutTitleBreaksBeforeTheCarsNameAndNeverInsideIt)
{
    const auto screen = show<ConnectingViewController>("Connecting");
    ASSERT_TRUE(screen);
    screen->showTimeoutAlert();
    const ui::Label& title = *screen->connectingLabel;
    const ui::TextLayout layout(title.text().value_or(""), title.font(), title.bounds().width(), title.numberOfLines());
    ASSERT_EQ(layout.lines().size(), 2u);
    EXPECT_EQ(layout.lines()[0].text.trimmed().toStdString(), "Unable to connect to");
    EXPECT_EQ(layout.lines()[1].text.toStdString(), "My\u00A0car") << "the name on one line, as one word";
}

TEST_F(ConnectionScreensTest, FirstRegistrationOffersTheRegisteredCarsOnlyWhenThereAreSomeAndLeavingRecordsE003)
{
    CarRecordStore::shared().saveCarRecords({});
    EXPECT_TRUE(show<FirstRegistrationViewController>("FirstRegistration")->registCompleteBtn->isHidden());
    CarRecordStore::shared().saveCarRecords({car(kUnit, "My car")});
    const auto screen = show<FirstRegistrationViewController>("FirstRegistration");
    EXPECT_FALSE(screen->registCompleteBtn->isHidden());

    CarRecordStore::shared().selectedCarRecord.reset();
    screen->tapNavigationButtonLeave();
    EXPECT_EQ(EventStack::shared().stack(), std::vector<EventCode>{EventCode::E003});
}

TEST_F(ConnectionScreensTest, TheDisclaimerCardScalesWithTheScreenAndAgreeingLeadsToTheTouchTest)
{
    const auto screen = show<DisclaimerViewController>("Disclaimer");
    const auto popup = screen->popupVc.lock();
    ASSERT_NE(popup, nullptr);
    const ui::Rect card = popup->disclaimerPopView->frame();
    EXPECT_NEAR(card.size.width, 390.0 / 428.0 * 396.0, 1e-9);
    EXPECT_NEAR(card.size.height, 844.0 / 926.0 * 650.0, 1e-9);
    EXPECT_NEAR(card.midX(), 195.0, 1e-9);
    EXPECT_GT(popup->disclaimerScrollView->contentSize().height, popup->disclaimerScrollView->frame().size.height);
    EXPECT_EQ(std::count(displayModel->calls.begin(), displayModel->calls.end(), "waitingConnectConfirm"), 1);

    popup->okButton->sendActions(ui::ControlEvent::touchUpInside);
    settle();
    EXPECT_NE(dynamic_cast<TouchPreConfirmationViewController*>(stack->topViewController()), nullptr);
}

TEST_F(ConnectionScreensTest, ExitingTheDisclaimerRecordsE003)
{
    const auto popup = show<DisclaimerViewController>("Disclaimer")->popupVc.lock();
    ASSERT_NE(popup, nullptr);
    popup->endButton->sendActions(ui::ControlEvent::touchUpInside);
    settle();
    EXPECT_EQ(EventStack::shared().stack(), std::vector<EventCode>{EventCode::E003});
}

TEST_F(ConnectionScreensTest, WithoutBluetoothPermissionTheFirstScreenAsksForItAndRecordsE002WhileAsking)
{
    power->setAuthorization(bt::Authorization::denied);
    ui::Application::shared().becomeActive();
    show("PreConfirmation");
    settle();
    auto* alert = dynamic_cast<CustomAlertController*>(stack->presentedViewController());
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->titleLabel().text(), "To use Tolvane, please allow Bluetooth permission in the app settings");
    EXPECT_EQ(alert->preferredStyle, CustomAlertControlerStyle::alert);
    EXPECT_EQ(EventStack::shared().stack(), std::vector<EventCode>{EventCode::E002});

    alert->firstButtonTapped();
    settle();
    EXPECT_EQ(ui::Application::shared().settingsRequestCount(), 1);
    EXPECT_TRUE(EventStack::shared().stack().empty());
    EXPECT_EQ(stack->topViewController(), shown.get()) << "no route without permission";
    ui::Application::shared().reset();
}

TEST_F(ConnectionScreensTest, BluetoothOffAtLaunchAsksToEnableItUntilItComesOnThenTheRunGoesOn)
{
    power->setState(bt::PowerState::poweredOff);
    ui::Application::shared().becomeActive();
    show("PreConfirmation");
    settle();
    auto* alert = dynamic_cast<CustomAlertController*>(stack->presentedViewController());
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->titleLabel().text(), "Please enable Bluetooth");
    EXPECT_EQ(alert->preferredStyle, CustomAlertControlerStyle::alertUpDown);
    EXPECT_EQ(titles(alert->actions()), std::vector<std::string>{"确定"});

    power->setState(bt::PowerState::poweredOn);
    settle();
    settle();
    EXPECT_EQ(stack->presentedViewController(), nullptr);
    EXPECT_NE(dynamic_cast<FirstTutorialFlowViewController*>(stack->topViewController()), nullptr);
    ui::Application::shared().reset();
}

TEST_F(ConnectionScreensTest, BluetoothOnWithALowBatteryShowsTheBatteryAlertOnceTheBluetoothAlertHasGone)
{
    power->setState(bt::PowerState::poweredOff);
    ui::Application::shared().becomeActive();
    show("PreConfirmation");
    settle();
    ASSERT_NE(dynamic_cast<CustomAlertController*>(stack->presentedViewController()), nullptr);

    battery->level = 0.19f;
    power->setState(bt::PowerState::poweredOn);
    settle();
    auto* alert = dynamic_cast<CustomAlertController*>(stack->presentedViewController());
    ASSERT_NE(alert, nullptr) << "the battery alert was dropped";
    EXPECT_EQ(alert->titleLabel().text(), "Low battery. Please charge the device battery above 20% before using Tolvane.");
    EXPECT_EQ(stack->topViewController(), shown.get());
    ui::Application::shared().reset();
}

TEST_F(ConnectionScreensTest, AResultHeldBackWhileInactiveDoesNotRouteOverAScreenPushedMeanwhile)
{
    show("PreConfirmation");
    transitionManager->showConnecting();
    settle();
    const auto* covering = stack->topViewController();
    ui::Application::shared().becomeActive();
    time.advance(10.0);
    settle();
    EXPECT_EQ(stack->topViewController(), covering);
    EXPECT_EQ(stack->presentedViewController(), nullptr);
    ui::Application::shared().reset();
}

} // namespace
} // namespace screen_testing
