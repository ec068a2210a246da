#include "Class/Model/ViewAssembly.h"

#include "Class/UI/Base/View/InteruptCustomAlertController.h"
#include "Class/UI/Base/ViewModel/IBaseViewModel.h"
#include "Class/UI/Blank/View/BlankViewController.h"
#include "Class/UI/Geofence/View/GeofencePopups.h"
#include "Class/UI/Geofence/View/GeofenceStoryboard.h"
#include "Class/UI/Geofence/View/GeofenceViewController.h"
#include "Class/UI/IGONWarn/View/IGONWarnViewController.h"
#include "Class/UI/Operating/View/OperatingScene.h"
#include "Class/UI/Operating/View/OperatingViewController.h"
#include "Class/UI/StandIn/StandInScreens.h"
#include "Class/UI/Tutorial/View/FirstTutorialFlowViewController.h"
#include "Class/UI/Tutorial/View/TutorialMenuFlowViewController.h"
#include "Class/UI/Tutorial/View/TutorialMenuViewController.h"
#include "Class/UI/Tutorial/View/TutorialScenes.h"
#include "Class/UI/Warn/View/WarnViewController.h"

#include "R.h"

#include "ui/StoryboardRegistry.h"

namespace tolvane::app {
namespace {

// A screen leaves its storyboard with its view model, also as the base screen's.
template <class Controller>
void injectViewModel(di::Container& container)
{
    container.storyboardInitCompleted<Controller>([](di::Resolver& resolver, Controller& controller) {
        controller.viewModel = resolver.resolve<typename Controller::ViewModelType>();
        if (controller.viewModel)
            controller.baseViewModel = std::dynamic_pointer_cast<IBaseViewModel>(controller.viewModel);
    });
}

// A storyboard whose initial controller is a new `Controller`, and that controller's injection.
template <class Controller>
void registerScreen(di::Container& container, const ui::StoryboardReference<ui::ViewController>& storyboard)
{
    ui::StoryboardRegistry::shared().registerStoryboard(storyboard.name, [] { return std::make_shared<Controller>(); });
    injectViewModel<Controller>(container);
}

} // namespace

void ViewAssembly::assemble(di::Container& container)
{
    namespace storyboard = R::storyboard;
    registerScreen<PreConfirmationViewController>(container, storyboard::preConfirmation);
    registerScreen<FirstTutorialFlowViewController>(container, storyboard::firstTutorialFlow);
    registerScreen<FirstRegistrationViewController>(container, storyboard::firstRegistration);
    registerScreen<RegistrationDevicesViewController>(container, storyboard::registrationDevices);
    registerScreen<ConnectingForRegistrationViewController>(container, storyboard::connectingForRegistration);
    registerScreen<ConnectionCompletionForRegistrationViewController>(container, storyboard::connectionCompletionForRegistration);
    registerScreen<RegistrationViewController>(container, storyboard::registration);
    registerScreen<ConnectionConfirmationViewController>(container, storyboard::connectionConfirmation);
    registerScreen<DisclaimerViewController>(container, storyboard::disclaimer);
    GeofenceStoryboard::registerScenes();
    injectViewModel<GeofenceViewController>(container);
    injectViewModel<WarningAreaViewController>(container);
    injectViewModel<CautionAreaViewController>(container);
    injectViewModel<FailedGPSViewController>(container);
    injectViewModel<LocationUsePermitViewController>(container);
    registerScreen<TouchPreConfirmationViewController>(container, storyboard::touchPreConfirmation);
    registerScreen<ConnectingViewController>(container, storyboard::connecting);
    registerScreen<ActivationViewController>(container, storyboard::activation);
    registerScreen<RequestIdWaitingViewController>(container, storyboard::requestIdWaiting);
    registerScreen<PlanConfirmationViewController>(container, storyboard::planConfirmation);
    registerScreen<OperatingViewController>(container, storyboard::operating);
    OperatingScene::registerNibs();
    registerScreen<ArrivalViewController>(container, storyboard::arrival);
    registerScreen<ParkInCompletedViewController>(container, storyboard::parkInCompleted);
    registerScreen<ParkOutCompletedViewController>(container, storyboard::parkOutCompleted);
    registerScreen<SettingsViewController>(container, storyboard::settings);
    registerScreen<DeleteDevicesViewController>(container, storyboard::deleteDevices);
    registerScreen<EditDevicesViewController>(container, storyboard::editDevices);
    registerScreen<OperationHistoryViewController>(container, storyboard::operationHistory);
    registerScreen<TutorialMenuViewController>(container, storyboard::tutorialMenu);
    registerScreen<TutorialConnectionFlowViewController>(container, storyboard::tutorialConnectionFlow);
    registerScreen<TutorialParkInFlowViewController>(container, storyboard::tutorialParkInFlow);
    registerScreen<TutorialParkOutFlowViewController>(container, storyboard::tutorialParkOutFlow);
    registerScreen<TutorialMovieFlowViewController>(container, storyboard::tutorialMovieFlow);
    registerScreen<BlankViewController>(container, storyboard::blank);
    registerScreen<IGONWarnViewController>(container, storyboard::igonWarn);
    registerScreen<WarnViewController>(container, storyboard::warn);
    TutorialScenes::registerPagesAndCells();

    container.registerService<InteruptCustomAlertController>([](di::Resolver& resolver) {
        auto alert = std::make_shared<InteruptCustomAlertController>();
        alert->viewModel = resolver.resolve<IInteruptCustomAlertViewModel>();
        return alert;
    });
}

} // namespace tolvane::app
