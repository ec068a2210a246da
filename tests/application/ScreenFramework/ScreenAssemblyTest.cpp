#include "ApplicationTest.h"

#include "Class/UI/Base/View/InteruptCustomAlertController.h"
#include "Class/UI/StandIn/StandInScreens.h"

namespace screen_testing {
namespace {

template <class Controller>
std::shared_ptr<Controller> instantiate(const char* storyboard)
{
    return std::dynamic_pointer_cast<Controller>(ui::StoryboardRegistry::shared().instantiateInitialViewController(storyboard));
}

class ScreenAssemblyTest : public ApplicationTest {};

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
    auto& container = di::Container::defaultContainer();
    GeofenceViewController geofence;
    WarningAreaViewController warningArea;
    CautionAreaViewController cautionArea;
    FailedGPSViewController failedGps;
    LocationUsePermitViewController permit;
    container.runInitCompleted(geofence);
    container.runInitCompleted(warningArea);
    container.runInitCompleted(cautionArea);
    container.runInitCompleted(failedGps);
    container.runInitCompleted(permit);
    const std::vector<std::shared_ptr<IGeofenceViewModel>> models{geofence.viewModel, warningArea.viewModel, cautionArea.viewModel,
                                                                  failedGps.viewModel, permit.viewModel};
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

TEST_F(ScreenAssemblyTest, StandInsAnswerAsTheirScreensWill)
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
