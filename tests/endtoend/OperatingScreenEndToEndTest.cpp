#include "SimulatedLink.h"

#include "Class/Model/ITransitionManager.h"
#include "Class/Model/ModelDataAssembly.h"
#include "Class/Model/ViewAssembly.h"
#include "Class/Model/ViewModelAssembly.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"
#include "Class/UI/Operating/View/DriveProgress/DriveProgressView.h"
#include "Class/UI/Operating/View/OperatingViewController.h"

#include "Internal/Model/IDisplayModel.h"
#include "Internal/Model/IUserOperationModel.h"
#include "TolvaneFramework.h"
#include "di/Assembly.h"
#include "ui/Label.h"
#include "ui/StoryboardRegistry.h"
#include "ui/TouchDriver.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

namespace {

using K = tolvane::UserOperationKind;
using tolvane::app::OperatingViewController;

// The whole application over the framework and the simulated unit: the screens follow the vehicle
// from a screen that routes its requests, and the user's finger is on the window.
class OperatingScreenEndToEndTest : public endtoend::SimulatedLink {
protected:
    OperatingScreenEndToEndTest()
    {
        openLink();
        auto& helper = tolvane::app::TolvaneIntegrationAppHelper::shared();
        stack = std::make_shared<tolvane::app::BaseUINavigationController>(
            ui::StoryboardRegistry::shared().instantiateInitialViewController("RequestIdWaiting"));
        helper.navigationController = stack;
        window->setRootViewController(stack);
        window->makeKeyAndVisible();
        time.advance(0.5);
    }
    ~OperatingScreenEndToEndTest() override
    {
        tolvane::app::TolvaneIntegrationAppHelper::shared().navigationController.reset();
        window->setRootViewController(nullptr);
        time.runUntilIdle();
    }

    OperatingViewController* operating() const { return dynamic_cast<OperatingViewController*>(stack->topViewController()); }
    std::string distanceText() const
    {
        return operating()->outlets.driveProgressView->outlets().remainingDistanceFrontLabel->text().value_or("");
    }

    tolvane::TolvaneFramework framework;
    di::Assembler application{{std::make_shared<tolvane::app::ViewAssembly>(), std::make_shared<tolvane::app::ViewModelAssembly>(),
                               std::make_shared<tolvane::app::ModelDataAssembly>()},
                              di::Container::defaultContainer()};
    std::shared_ptr<tolvane::IUserOperationModel> user = di::resolveOrDie<tolvane::IUserOperationModel>(di::Container::defaultContainer());
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(ui::Rect{0, 0, 390, 844});
    std::shared_ptr<tolvane::app::BaseUINavigationController> stack;
};

TEST_F(OperatingScreenEndToEndTest, HoldingTheSliderMovesTheCarUntilTheManoeuvreIsComplete)
{
    connect();
    di::resolveOrDie<tolvane::IDisplayModel>(di::Container::defaultContainer())->notifyWaitingConnectConfirm();
    time.advance(0.5);
    user->notifyUserOperation(K::REQ_START_TOLVANE{});
    time.advance(0.5);
    user->notifyUserOperation(K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN{tolvane::PlanParkInDirection::LEFT});
    time.advance(1.0);
    ASSERT_TRUE(operating()) << "the vehicle's operate request shows the operating screen";
    const std::string before = distanceText();
    EXPECT_FALSE(before.empty());

    ui::TouchDriver fingers(*window);
    auto finger = fingers.begin({195, 760});
    fingers.move(finger, {195, 700});
    fingers.move(finger, {195, 640});
    time.advance(1.0);
    ASSERT_TRUE(operating());
    EXPECT_NE(distanceText(), before) << "the remaining distance falls while the finger holds";

    time.advance(8.0);
    EXPECT_FALSE(operating()) << "completion leaves the operating screen";
    fingers.end(finger);
}

} // namespace
