#include "SimulatedLink.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/ModelDataAssembly.h"
#include "Class/Model/ViewAssembly.h"
#include "Class/Model/ViewModelAssembly.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"
#include "Class/UI/Base/View/CustomAlertController.h"
#include "Class/UI/ConnectingForRegistration/View/ConnectingForRegistrationViewController.h"
#include "Class/UI/ConnectionCompletionForRegistration/View/ConnectionCompletionForRegistrationViewController.h"
#include "Class/UI/Disclaimer/View/DisclaimerPopViewController.h"
#include "Class/UI/Disclaimer/View/DisclaimerViewController.h"
#include "Class/UI/Registration/View/RegistrationViewController.h"
#include "Class/UI/RegistrationDevices/View/RegistrationDevicesViewController.h"
#include "Class/UI/RegistrationDevices/View/TerminalCell.h"
#include "TolvaneFramework.h"

#include "di/Assembly.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/NavigationController.h"
#include "ui/StoryboardRegistry.h"
#include "ui/TableView.h"
#include "ui/TextField.h"
#include "ui/TouchDriver.h"
#include "ui/Window.h"

#include <QImage>

namespace {

using namespace tolvane::app;

// The history store is made once for the process, so the documents folder lives as long.
std::string documentsFolder()
{
    static const QTemporaryDir folder;
    setenv("TOLVANE_DATA_DIR", folder.path().toUtf8().constData(), 1);
    return folder.path().toStdString();
}

// The whole application over the framework's own services and the simulated unit, driven by taps.
class RegistrationEndToEndTest : public endtoend::SimulatedLink {
protected:
    RegistrationEndToEndTest()
    {
        CarRecordStore::destroyShared();
        openLink();
        di::Assembler({std::make_shared<ViewAssembly>(), std::make_shared<ViewModelAssembly>(), std::make_shared<ModelDataAssembly>()},
                      di::Container::defaultContainer());
        router = di::Container::defaultContainer().resolve<ITransitionManager>();
        stack = std::make_shared<BaseUINavigationController>(ui::StoryboardRegistry::shared().instantiateInitialViewController("PreConfirmation"));
        TolvaneIntegrationAppHelper::shared().navigationController = stack;
        window->setRootViewController(stack);
        window->makeKeyAndVisible();
        settle();
    }
    ~RegistrationEndToEndTest() override
    {
        TolvaneIntegrationAppHelper::shared().navigationController.reset();
        window->setRootViewController(nullptr);
        time.runUntilIdle();
        CarRecordStore::destroyShared();
    }

    void settle(double seconds = 1.0)
    {
        time.advance(seconds);
        time.runUntilIdle();
    }

    template <class Controller>
    std::shared_ptr<Controller> shown()
    {
        return std::dynamic_pointer_cast<Controller>(router->getTopNavigationController(*stack).viewControllers().back());
    }

    void tap(const ui::View& view)
    {
        ui::TouchDriver(*window).tap(view.convert(view.bounds(), nullptr).center());
        time.runUntilIdle();
    }

    const std::string documents = documentsFolder();
    tolvane::TolvaneFramework framework;
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(ui::Rect{0, 0, 390, 844});
    std::shared_ptr<ITransitionManager> router;
    std::shared_ptr<BaseUINavigationController> stack;
};

TEST_F(RegistrationEndToEndTest, AUserWithoutACarRegistersTheSimulatedUnitAndGoesOnToTheDisclaimer)
{
    ASSERT_FALSE(CarRecordStore::shared().loadCarRecords());
    // What the first screen does without a car, and the first registration screen's add button.
    router->showFirstRegistration();
    settle();
    router->showRegistrationDevices();
    settle();

    const auto devices = shown<RegistrationDevicesViewController>();
    ASSERT_TRUE(devices);
    const auto unitRow = std::dynamic_pointer_cast<TerminalCell>(devices->deviceList->cellForRow({0, 0}));
    ASSERT_TRUE(unitRow);
    EXPECT_EQ(unitRow->name().text(), "Tolvane Vehicle Unit");
    EXPECT_EQ(unitRow->udid().text(), "VIN0001");
    tap(*unitRow);
    EXPECT_TRUE(shown<ConnectingForRegistrationViewController>());

    settle(2.0);
    const auto completed = shown<ConnectionCompletionForRegistrationViewController>();
    ASSERT_TRUE(completed) << "the unit confirmed that the car may be registered";
    EXPECT_EQ(completed->deviceName->text(), "Tolvane Vehicle Unit");
    tap(*completed->addButton);
    settle();

    const auto registration = shown<RegistrationViewController>();
    ASSERT_TRUE(registration);
    EXPECT_EQ(registration->deviceNameText->text(), "Tolvane Vehicle Unit");
    registration->deviceNameText->setText("");
    registration->deviceNameText->insertText("My first car");
    tap(*registration->registerBtn);
    settle();

    const auto cars = CarRecordStore::shared().loadCarRecords();
    ASSERT_TRUE(cars && cars->size() == 1);
    EXPECT_EQ(cars->front().CarID, "VIN0001");
    EXPECT_EQ(cars->front().CarName, "My first car");
    EXPECT_EQ(QImage(QString::fromStdString(documents + "/VIN0001.png")).size(), QSize(640, 480));
    EXPECT_EQ(CarRecordStore::shared().selectedCarRecord, cars->front());
    EXPECT_EQ(router->currentDisplay(), DisplayType::disclaimer) << "the disclaimer is pushed on the main stack";
    EXPECT_EQ(stack->viewControllers().size(), 3u);
    EXPECT_EQ(&router->getTopNavigationController(*stack), stack.get()) << "the registration flow is closed";
}

TEST_F(RegistrationEndToEndTest, ExitOnTheTermsOfUseClosesTheLinkAndLeavesForTheFirstScreen)
{
    // The car the registration screen hands to the disclaimer.
    CarRecordStore::shared().selectedCarRecord =
        CarRecord{.CarID = "VIN0001", .CarImagePath = "", .CarName = "My first car", .CreateDate = "", .UpdateDate = ""};
    router->showDisclaimer();
    settle(2.0);
    const auto disclaimer = shown<DisclaimerViewController>();
    ASSERT_TRUE(disclaimer);
    ASSERT_TRUE(unit->isConnected()) << "the link opens while the terms are shown";
    const auto terms = disclaimer->popupVc.lock();
    ASSERT_TRUE(terms);
    ASSERT_EQ(terms->endButton->title(ui::ControlState::normal), "Exit");

    tap(*terms->endButton);
    settle(2.0);
    EXPECT_EQ(EventStack::shared().stack(), std::vector<EventCode>{EventCode::E003});
    EXPECT_FALSE(unit->isConnected()) << "the link is closed";
    const auto framesAfterExit = unit->received().size();
    settle(1.0);
    EXPECT_EQ(unit->received().size(), framesAfterExit) << "no frame goes out after the exit";
    EXPECT_EQ(stack->viewControllers().size(), 1u) << "the program is back on its first screen, not on an empty backdrop";
    EXPECT_EQ(stack->presentedViewController(), nullptr);
    EXPECT_EQ(ui::Application::shared().applicationState(), ui::ApplicationState::background) << "and leaves the foreground";
    ui::Application::shared().reset();
}

TEST_F(RegistrationEndToEndTest, ASilentUnitFailsTheAttemptAfterFortySecondsAndASecondAttemptClearsTheFailure)
{
    unit->setFault(vehiclesim::Fault::silence, true);
    router->showRegistrationDevices();
    settle();
    const auto devices = shown<RegistrationDevicesViewController>();
    ASSERT_TRUE(devices);
    tap(*devices->deviceList->cellForRow({0, 0}));
    settle(38.0);
    EXPECT_TRUE(shown<ConnectingForRegistrationViewController>());
    EXPECT_FALSE(router->getTopNavigationController(*stack).presentedViewController());
    settle(2.5);
    auto* alert = dynamic_cast<CustomAlertController*>(router->getTopNavigationController(*stack).presentedViewController());
    ASSERT_TRUE(alert);
    EXPECT_EQ(std::ranges::count(EventStack::shared().stack(), EventCode::E018), 1);
    EXPECT_FALSE(CarRecordStore::shared().loadCarRecords());

    alert->firstButtonTapped();
    settle(3.0);
    ASSERT_TRUE(shown<RegistrationDevicesViewController>()) << "Back returns to the list";
    unit->setFault(vehiclesim::Fault::silence, false);
    tap(*shown<RegistrationDevicesViewController>()->deviceList->cellForRow({0, 0}));
    settle(2.0);
    EXPECT_TRUE(shown<ConnectionCompletionForRegistrationViewController>());
    EXPECT_TRUE(EventStack::shared().stack().empty()) << "the reached unit clears the failed attempt";
}

} // namespace
