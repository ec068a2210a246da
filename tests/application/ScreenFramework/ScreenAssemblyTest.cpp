#include "ApplicationTest.h"

#include "Class/UI/Activation/View/ActivationViewController.h"
#include "Class/UI/Activation/ViewModel/ActivationViewModel.h"
#include "Class/UI/Arrival/View/ArrivalViewController.h"
#include "Class/UI/Arrival/ViewModel/ArrivalViewModel.h"
#include "Class/UI/Base/View/InteruptCustomAlertController.h"
#include "Class/UI/Blank/View/BlankViewController.h"
#include "Class/UI/Blank/ViewModel/BlankViewModel.h"
#include "Class/UI/Connecting/View/ConnectingViewController.h"
#include "Class/UI/Connecting/ViewModel/ConnectingViewModel.h"
#include "Class/UI/ConnectingForRegistration/View/ConnectingForRegistrationViewController.h"
#include "Class/UI/ConnectingForRegistration/ViewModel/ConnectingForRegistrationViewModel.h"
#include "Class/UI/ConnectionCompletionForRegistration/View/ConnectionCompletionForRegistrationViewController.h"
#include "Class/UI/ConnectionCompletionForRegistration/ViewModel/ConnectionCompletionForRegistrationViewModel.h"
#include "Class/UI/ConnectionConfirmation/View/ConnectionConfirmationViewController.h"
#include "Class/UI/ConnectionConfirmation/ViewModel/ConnectionConfirmationViewModel.h"
#include "Class/UI/DeleteDevices/View/DeleteDevicesViewController.h"
#include "Class/UI/DeleteDevices/ViewModel/DeleteDevicesViewModel.h"
#include "Class/UI/Disclaimer/View/DisclaimerViewController.h"
#include "Class/UI/Disclaimer/ViewModel/DisclaimerViewModel.h"
#include "Class/UI/EditDevices/View/EditDevicesViewController.h"
#include "Class/UI/EditDevices/ViewModel/EditDevicesViewModel.h"
#include "Class/UI/FirstRegistration/View/FirstRegistrationViewController.h"
#include "Class/UI/FirstRegistration/ViewModel/FirstRegistrationViewModel.h"
#include "Class/UI/Geofence/View/GeofencePopups.h"
#include "Class/UI/Geofence/View/GeofenceViewController.h"
#include "Class/UI/Geofence/ViewModel/GeofenceViewModel.h"
#include "Class/UI/IGONWarn/View/IGONWarnViewController.h"
#include "Class/UI/IGONWarn/ViewModel/IGONWarnViewModel.h"
#include "Class/UI/Operating/View/OperatingViewController.h"
#include "Class/UI/Operating/ViewModel/OperatingViewModel.h"
#include "Class/UI/OperationHistory/View/OperationHistoryViewController.h"
#include "Class/UI/OperationHistory/ViewModel/OperationHistoryViewModel.h"
#include "Class/UI/ParkInCompleted/View/ParkInCompletedViewController.h"
#include "Class/UI/ParkInCompleted/ViewModel/ParkInCompletedViewModel.h"
#include "Class/UI/ParkOutCompleted/View/ParkOutCompletedViewController.h"
#include "Class/UI/ParkOutCompleted/ViewModel/ParkOutCompletedViewModel.h"
#include "Class/UI/PlanConfirmation/View/PlanConfirmationViewController.h"
#include "Class/UI/PlanConfirmation/ViewModel/PlanConfirmationViewModel.h"
#include "Class/UI/PreConfirmation/View/PreConfirmationViewController.h"
#include "Class/UI/PreConfirmation/ViewModel/PreConfirmationViewModel.h"
#include "Class/UI/Registration/View/RegistrationViewController.h"
#include "Class/UI/Registration/ViewModel/RegistrationViewModel.h"
#include "Class/UI/RegistrationDevices/View/RegistrationDevicesViewController.h"
#include "Class/UI/RegistrationDevices/ViewModel/RegistrationDevicesViewModel.h"
#include "Class/UI/RequestIdWaiting/View/RequestIdWaitingViewController.h"
#include "Class/UI/RequestIdWaiting/ViewModel/RequestIdWaitingViewModel.h"
#include "Class/UI/Settings/View/SettingsViewController.h"
#include "Class/UI/Settings/ViewModel/SettingsViewModel.h"
#include "Class/UI/TouchPreConfirmation/View/TouchPreConfirmationViewController.h"
#include "Class/UI/TouchPreConfirmation/ViewModel/TouchPreConfirmationViewModel.h"
#include "Class/UI/Tutorial/View/FirstTutorialFlowViewController.h"
#include "Class/UI/Tutorial/View/TutorialMenuFlowViewController.h"
#include "Class/UI/Tutorial/View/TutorialMenuViewController.h"
#include "Class/UI/Tutorial/ViewModel/FirstTutorialFlowViewModel.h"
#include "Class/UI/Tutorial/ViewModel/TutorialMenuViewModel.h"
#include "Class/UI/Warn/View/WarnViewController.h"
#include "Class/UI/Warn/ViewModel/WarnViewModel.h"

#include <typeindex>

namespace screen_testing {
namespace {

template <class Controller>
std::shared_ptr<Controller> instantiate(const char* storyboard)
{
    return std::dynamic_pointer_cast<Controller>(ui::StoryboardRegistry::shared().instantiateInitialViewController(storyboard));
}

// What a new screen was given: its view model, as its own protocol and as the base screen's.
struct Injection {
    std::shared_ptr<IBaseViewModel> viewModel;
    std::shared_ptr<IBaseViewModel> baseViewModel;
};

template <class Controller>
Injection injectionOf(const Controller& controller)
{
    return {std::dynamic_pointer_cast<IBaseViewModel>(controller.viewModel), controller.baseViewModel};
}

// A screen as the router makes it, out of its storyboard.
template <class Controller>
std::function<Injection()> fromStoryboard(const char* storyboard)
{
    return [storyboard] { return injectionOf(*instantiate<Controller>(storyboard)); };
}

// A further scene of a storyboard, made by its identifier.
template <class Controller>
std::shared_ptr<Controller> instantiate(const char* storyboard, const char* identifier)
{
    return std::dynamic_pointer_cast<Controller>(ui::StoryboardRegistry::shared().instantiateViewController(storyboard, identifier));
}

template <class Controller>
std::function<Injection()> fromScene(const char* storyboard, const char* identifier)
{
    return [storyboard, identifier] { return injectionOf(*instantiate<Controller>(storyboard, identifier)); };
}

// A screen made by another screen's flow, which runs the container's init-completed step itself.
template <class Controller>
std::function<Injection()> fromFlow()
{
    return [] {
        Controller controller;
        di::Container::defaultContainer().runInitCompleted(controller);
        return injectionOf(controller);
    };
}

class ScreenAssemblyTest : public ApplicationTest {};

TEST_F(ScreenAssemblyTest, EveryScreenGetsItsViewModelTwiceOverAndOnlyTheSharedScreensShareIt)
{
    struct Row {
        std::string name;
        std::function<Injection()> make;
        std::type_index viewModel;
        bool shared = false;
    };
    const Row rows[] = {
        {"PreConfirmation", fromStoryboard<PreConfirmationViewController>("PreConfirmation"), typeid(PreConfirmationViewModel)},
        {"FirstTutorialFlow", fromStoryboard<FirstTutorialFlowViewController>("FirstTutorialFlow"), typeid(FirstTutorialFlowViewModel)},
        {"FirstRegistration", fromStoryboard<FirstRegistrationViewController>("FirstRegistration"), typeid(FirstRegistrationViewModel)},
        {"RegistrationDevices", fromStoryboard<RegistrationDevicesViewController>("RegistrationDevices"), typeid(RegistrationDevicesViewModel)},
        {"ConnectingForRegistration", fromStoryboard<ConnectingForRegistrationViewController>("ConnectingForRegistration"),
         typeid(ConnectingForRegistrationViewModel)},
        {"ConnectionCompletionForRegistration",
         fromStoryboard<ConnectionCompletionForRegistrationViewController>("ConnectionCompletionForRegistration"),
         typeid(ConnectionCompletionForRegistrationViewModel)},
        {"Registration", fromStoryboard<RegistrationViewController>("Registration"), typeid(RegistrationViewModel)},
        {"ConnectionConfirmation", fromStoryboard<ConnectionConfirmationViewController>("ConnectionConfirmation"),
         typeid(ConnectionConfirmationViewModel)},
        {"Disclaimer", fromStoryboard<DisclaimerViewController>("Disclaimer"), typeid(DisclaimerViewModel), true},
        {"Geofence", fromStoryboard<GeofenceViewController>("Geofence"), typeid(GeofenceViewModel)},
        {"WarningArea", fromScene<WarningAreaViewController>("Geofence", "WarningAreaPop"), typeid(GeofenceViewModel)},
        {"CautionArea", fromScene<CautionAreaViewController>("Geofence", "CautionAreaPop"), typeid(GeofenceViewModel)},
        {"FailedGPS", fromScene<FailedGPSViewController>("Geofence", "FailedGPSPop"), typeid(GeofenceViewModel)},
        {"LocationUsePermit", fromScene<LocationUsePermitViewController>("Geofence", "LocationUsePermitPop"), typeid(GeofenceViewModel)},
        {"TouchPreConfirmation", fromStoryboard<TouchPreConfirmationViewController>("TouchPreConfirmation"),
         typeid(TouchPreConfirmationViewModel), true},
        {"Connecting", fromStoryboard<ConnectingViewController>("Connecting"), typeid(ConnectingViewModel), true},
        {"Activation", fromStoryboard<ActivationViewController>("Activation"), typeid(ActivationViewModel)},
        {"RequestIdWaiting", fromStoryboard<RequestIdWaitingViewController>("RequestIdWaiting"), typeid(RequestIdWaitingViewModel)},
        {"PlanConfirmation", fromStoryboard<PlanConfirmationViewController>("PlanConfirmation"), typeid(PlanConfirmationViewModel)},
        {"Operating", fromStoryboard<OperatingViewController>("Operating"), typeid(OperatingViewModel), true},
        {"Arrival", fromStoryboard<ArrivalViewController>("Arrival"), typeid(ArrivalViewModel)},
        {"ParkInCompleted", fromStoryboard<ParkInCompletedViewController>("ParkInCompleted"), typeid(ParkInCompletedViewModel)},
        {"ParkOutCompleted", fromStoryboard<ParkOutCompletedViewController>("ParkOutCompleted"), typeid(ParkOutCompletedViewModel)},
        {"Settings", fromStoryboard<SettingsViewController>("Settings"), typeid(SettingsViewModel)},
        {"DeleteDevices", fromStoryboard<DeleteDevicesViewController>("DeleteDevices"), typeid(DeleteDevicesViewModel)},
        {"EditDevices", fromStoryboard<EditDevicesViewController>("EditDevices"), typeid(EditDevicesViewModel)},
        {"OperationHistory", fromStoryboard<OperationHistoryViewController>("OperationHistory"), typeid(OperationHistoryViewModel)},
        {"TutorialMenu", fromStoryboard<TutorialMenuViewController>("TutorialMenu"), typeid(TutorialMenuViewModel)},
        {"TutorialConnectionFlow", fromStoryboard<TutorialConnectionFlowViewController>("TutorialConnectionFlow"),
         typeid(TutorialConnectionFlowViewModel)},
        {"TutorialParkInFlow", fromStoryboard<TutorialParkInFlowViewController>("TutorialParkInFlow"), typeid(TutorialParkInFlowViewModel)},
        {"TutorialParkOutFlow", fromStoryboard<TutorialParkOutFlowViewController>("TutorialParkOutFlow"),
         typeid(TutorialParkOutFlowViewModel)},
        {"TutorialMovieFlow", fromStoryboard<TutorialMovieFlowViewController>("TutorialMovieFlow"), typeid(TutorialMovieFlowViewModel)},
        {"Blank", fromStoryboard<BlankViewController>("Blank"), typeid(BlankViewModel)},
        {"IGONWarn", fromStoryboard<IGONWarnViewController>("IGONWarn"), typeid(IGONWarnViewModel)},
        {"Warn", fromStoryboard<WarnViewController>("Warn"), typeid(WarnViewModel)},
    };
    for (const auto& row : rows) {
        const Injection first = row.make();
        const Injection second = row.make();
        ASSERT_TRUE(first.viewModel) << row.name;
        EXPECT_EQ(first.baseViewModel, first.viewModel) << row.name << ": the same object as the base screen's";
        const IBaseViewModel& viewModel = *first.viewModel;
        EXPECT_EQ(std::type_index(typeid(viewModel)), row.viewModel) << row.name;
        EXPECT_EQ(first.viewModel == second.viewModel, row.shared) << row.name;
    }
}

TEST_F(ScreenAssemblyTest, AScreenWhoseViewModelCannotBeMadeIsLeftWithoutOne)
{
    di::Container container;
    di::Assembler({std::make_shared<ViewAssembly>()}, container);
    ArrivalViewController arrival;
    container.runInitCompleted(arrival);
    EXPECT_FALSE(arrival.viewModel);
    EXPECT_FALSE(arrival.baseViewModel);
}

TEST_F(ScreenAssemblyTest, ScreensComeOutOfTheirStoryboardsWithTheirViewModel)
{
    auto arrival = instantiate<ArrivalViewController>("Arrival");
    ASSERT_TRUE(arrival);
    ASSERT_TRUE(arrival->viewModel);
    EXPECT_EQ(arrival->baseViewModel.get(), dynamic_cast<IBaseViewModel*>(arrival->viewModel.get())) << "the same object twice";
    EXPECT_EQ(std::dynamic_pointer_cast<ArrivalViewModel>(arrival->viewModel)->screenName(), "Arrival");
}

TEST_F(ScreenAssemblyTest, SharedScreensShareOneViewModelAndTheOthersGetTheirOwn)
{
    EXPECT_EQ(instantiate<OperatingViewController>("Operating")->viewModel, instantiate<OperatingViewController>("Operating")->viewModel);
    EXPECT_EQ(instantiate<DisclaimerViewController>("Disclaimer")->viewModel, instantiate<DisclaimerViewController>("Disclaimer")->viewModel);
    EXPECT_EQ(instantiate<ConnectingViewController>("Connecting")->viewModel, instantiate<ConnectingViewController>("Connecting")->viewModel);
    EXPECT_EQ(instantiate<TouchPreConfirmationViewController>("TouchPreConfirmation")->viewModel,
              instantiate<TouchPreConfirmationViewController>("TouchPreConfirmation")->viewModel);
    EXPECT_NE(instantiate<PlanConfirmationViewController>("PlanConfirmation")->viewModel,
              instantiate<PlanConfirmationViewController>("PlanConfirmation")->viewModel);
    EXPECT_NE(instantiate<WarnViewController>("Warn")->viewModel, instantiate<WarnViewController>("Warn")->viewModel);
}

TEST_F(ScreenAssemblyTest, TheFiveGeofenceScreensGetAGeofenceViewModelEach)
{
    const std::vector<std::shared_ptr<IGeofenceViewModel>> models{
        instantiate<GeofenceViewController>("Geofence")->viewModel,
        instantiate<WarningAreaViewController>("Geofence", "WarningAreaPop")->viewModel,
        instantiate<CautionAreaViewController>("Geofence", "CautionAreaPop")->viewModel,
        instantiate<FailedGPSViewController>("Geofence", "FailedGPSPop")->viewModel,
        instantiate<LocationUsePermitViewController>("Geofence", "LocationUsePermitPop")->viewModel};
    for (size_t i = 0; i < models.size(); ++i) {
        ASSERT_TRUE(models[i]);
        for (size_t j = 0; j < i; ++j)
            EXPECT_NE(models[i], models[j]);
    }
}

TEST_F(ScreenAssemblyTest, TheRouterAndTheInjectionAreOneForTheContainer)
{
    auto& container = di::Container::defaultContainer();
    EXPECT_EQ(container.resolve<ITransitionManager>(), transitionManager);
    EXPECT_EQ(container.resolve<BaseViewModelInjection>(), container.resolve<BaseViewModelInjection>());
    EXPECT_EQ(container.resolve<BaseViewModelInjection>()->transitionManager, transitionManager);
}

TEST_F(ScreenAssemblyTest, AssemblingAgainChangesNothing)
{
    auto& container = di::Container::defaultContainer();
    auto operating = container.resolve<IOperatingViewModel>();
    di::Assembler({std::make_shared<ViewAssembly>(), std::make_shared<ViewModelAssembly>(), std::make_shared<ModelDataAssembly>()}, container);
    EXPECT_EQ(container.resolve<ITransitionManager>(), transitionManager);
    EXPECT_EQ(container.resolve<IOperatingViewModel>(), operating);
}

TEST_F(ScreenAssemblyTest, EveryInterruptionAlertGetsANewModel)
{
    auto& container = di::Container::defaultContainer();
    auto first = container.resolve<InteruptCustomAlertController>();
    auto second = container.resolve<InteruptCustomAlertController>();
    ASSERT_TRUE(first && second && first->viewModel && second->viewModel);
    EXPECT_NE(first, second);
    EXPECT_NE(first->viewModel, second->viewModel);
}

TEST_F(ScreenAssemblyTest, ScreensAnswerTheBaseViewModelsOverridesAsTheirScreensWill)
{
    auto& container = di::Container::defaultContainer();
    auto settings = std::dynamic_pointer_cast<SettingsViewModel>(container.resolve<ISettingsViewModel>());
    ASSERT_TRUE(settings);
    EXPECT_TRUE(settings->showsLeaveButton());
    EXPECT_FALSE(settings->showsSettingButton());
    EXPECT_FALSE(settings->showsIndicatorOnOpening());
    EXPECT_FALSE(settings->transition(RequiredDisplayId::OPERATE, CauseId::DEF));

    auto activation = std::dynamic_pointer_cast<ActivationViewModel>(container.resolve<IActivationViewModel>());
    ASSERT_TRUE(activation);
    EXPECT_EQ(activation->screenName(), "Activation");
    EXPECT_TRUE(activation->showsStackedAlerts());
    EXPECT_TRUE(activation->skipsKeyHaltPopup());

    auto preConfirmation = std::dynamic_pointer_cast<PreConfirmationViewModel>(container.resolve<IPreConfirmationViewModel>());
    ASSERT_TRUE(preConfirmation);
    EXPECT_TRUE(preConfirmation->isNavigationBarHidden());
    EXPECT_FALSE(preConfirmation->transitionEnabled(RequiredDisplayId::OPERATE));

    auto arrival = std::dynamic_pointer_cast<ArrivalViewModel>(container.resolve<IArrivalViewModel>());
    ASSERT_TRUE(arrival);
    EXPECT_FALSE(arrival->transition(RequiredDisplayId::REACH_POINT, CauseId::DEF)) << "already on the arrival screen";
    EXPECT_EQ(transitionManager->currentDisplay(), DisplayType::none);
}

using ScreenAssemblyDeathTest = ScreenAssemblyTest;

TEST_F(ScreenAssemblyDeathTest, AViewModelWithoutTheFrameworksServicesStopsTheProcessNamingTheLine)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            di::Container container;
            di::Assembler({std::make_shared<ViewAssembly>(), std::make_shared<ViewModelAssembly>(), std::make_shared<ModelDataAssembly>()},
                          container);
            container.registerService<IDisplayModel>([](di::Resolver&) { return std::make_shared<RecordingDisplayModel>(); });
            container.resolve<IArrivalViewModel>();
        },
        "Fatal error: Fatal error: file TolvaneIntegrationApp/ViewModelAssembley, line 20");
    EXPECT_DEATH(
        {
            di::Container container;
            di::Assembler({std::make_shared<ModelDataAssembly>()}, container);
            container.resolve<ITransitionManager>();
        },
        "file TolvaneIntegrationApp/ModelDataAssembly, line 20");
}

} // namespace
} // namespace screen_testing
