#include "Class/Model/ViewAssembly.h"

#include "Class/UI/Activation/View/ActivationViewController.h"
#include "Class/UI/Arrival/View/ArrivalViewController.h"
#include "Class/UI/Base/View/InteruptCustomAlertController.h"
#include "Class/UI/Base/ViewModel/IBaseViewModel.h"
#include "Class/UI/Blank/View/BlankViewController.h"
#include "Class/UI/Connecting/View/ConnectingViewController.h"
#include "Class/UI/ConnectingForRegistration/View/ConnectingForRegistrationViewController.h"
#include "Class/UI/ConnectionCompletionForRegistration/View/ConnectionCompletionForRegistrationViewController.h"
#include "Class/UI/ConnectionConfirmation/View/ConnectionConfirmationViewController.h"
#include "Class/UI/DeleteDevices/View/DeleteDevicesViewController.h"
#include "Class/UI/Disclaimer/View/DisclaimerViewController.h"
#include "Class/UI/EditDevices/View/EditDevicesViewController.h"
#include "Class/UI/EditDevices/View/SettingsDeviceCell.h"
#include "Class/UI/FirstRegistration/View/FirstRegistrationViewController.h"
#include "Class/UI/Geofence/View/GeofencePopups.h"
#include "Class/UI/Geofence/View/GeofenceStoryboard.h"
#include "Class/UI/Geofence/View/GeofenceViewController.h"
#include "Class/UI/IGONWarn/View/IGONWarnViewController.h"
#include "Class/UI/Operating/View/OperatingScene.h"
#include "Class/UI/Operating/View/OperatingViewController.h"
#include "Class/UI/Operating/View/Slider/SliderControlNib.h"
#include "Class/UI/OperationHistory/View/OperationHistoryCell.h"
#include "Class/UI/OperationHistory/View/OperationHistoryViewController.h"
#include "Class/UI/ParkInCompleted/View/ParkInCompletedViewController.h"
#include "Class/UI/ParkOutCompleted/View/ParkOutCompletedViewController.h"
#include "Class/UI/PlanConfirmation/View/PlanConfirmationViewController.h"
#include "Class/UI/PreConfirmation/View/PreConfirmationViewController.h"
#include "Class/UI/Registration/View/RegistrationViewController.h"
#include "Class/UI/RegistrationDevices/View/RegistrationDevicesViewController.h"
#include "Class/UI/RequestIdWaiting/View/RequestIdWaitingViewController.h"
#include "Class/UI/Settings/View/SettingsTableViewCell.h"
#include "Class/UI/Settings/View/SettingsViewController.h"
#include "Class/UI/Settings/View/SoundMuteCell.h"
#include "Class/UI/Settings/View/SoundSliderCell.h"
#include "Class/UI/Settings/View/VersionCell.h"
#include "Class/UI/TouchPreConfirmation/View/TouchPreConfirmationViewController.h"
#include "Class/UI/Tutorial/View/FirstTutorialFlowViewController.h"
#include "Class/UI/Tutorial/View/TutorialMenuFlowViewController.h"
#include "Class/UI/Tutorial/View/TutorialMenuViewController.h"
#include "Class/UI/Tutorial/View/TutorialScenes.h"
#include "Class/UI/Warn/View/WarnViewController.h"

#include "R.h"

#include "ui/NibRegistry.h"
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

// A nib whose first view is a new `View`.
template <class View>
void registerNib(const std::string& name)
{
    ui::NibRegistry::shared().registerNib(name, [] { return std::make_shared<View>(); });
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

    registerNib<SoundMuteCell>("SoundMuteCell");
    registerNib<SoundSliderCell>("SoundSliderCell");
    registerNib<SettingsTableViewCell>("SettingsTableViewCell");
    registerNib<VersionCell>("VersionCell");
    registerNib<SettingsDeviceCell>("CustomCell");
    registerNib<OperationHistoryCell>("OperationHistoryCell");

    container.registerService<InteruptCustomAlertController>([](di::Resolver& resolver) {
        auto alert = std::make_shared<InteruptCustomAlertController>();
        alert->viewModel = resolver.resolve<IInteruptCustomAlertViewModel>();
        return alert;
    });
}

} // namespace tolvane::app
