#include "Class/UI/StandIn/StandInScreens.h"

#include "Class/Model/Terminal/TerminalStore.h"

namespace tolvane::app {
namespace {

using Routing = StandInOverrides::Routing;
using ConnectionFailure = StandInOverrides::ConnectionFailure;

// The registration screens: a leave button and no settings, no indicator while the link opens.
StandInOverrides registrationScreen(bool followsVehicle, ConnectionFailure connectionFailure)
{
    return {.showsLeaveButton = true, .showsSettingButton = false, .showsIndicatorOnOpening = false,
            .followsVehicle = followsVehicle, .connectionFailure = connectionFailure};
}

// The screens reached from the settings: they never change the screen for the vehicle and reopen
// the selected car's link when it fails.
StandInOverrides settingsScreen()
{
    return {.showsLeaveButton = true, .showsSettingButton = false, .showsIndicatorOnOpening = false,
            .routing = Routing::withoutScreenChange, .connectionFailure = ConnectionFailure::reconnect};
}

} // namespace

FirstRegistrationViewModel::FirstRegistrationViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), registrationScreen(false, ConnectionFailure::warn))
{
}

RegistrationDevicesViewModel::RegistrationDevicesViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), registrationScreen(false, ConnectionFailure::warn))
{
}

ConnectingForRegistrationViewModel::ConnectingForRegistrationViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), registrationScreen(true, ConnectionFailure::nothing))
{
}

ConnectionCompletionForRegistrationViewModel::ConnectionCompletionForRegistrationViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), registrationScreen(false, ConnectionFailure::nothing))
{
}

RegistrationViewModel::RegistrationViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), registrationScreen(false, ConnectionFailure::nothing))
{
}

ConnectionConfirmationViewModel::ConnectionConfirmationViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), {.showsIndicatorOnOpening = false, .followsVehicle = false})
{
}

DisclaimerViewModel::DisclaimerViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), {.showsIndicatorOnOpening = false, .followsVehicle = false})
{
}

ConnectingViewModel::ConnectingViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), {.showsIndicatorOnOpening = false, .connectionFailure = ConnectionFailure::nothing})
{
}

ActivationViewModel::ActivationViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), {.screenName = "Activation", .showsStackedAlerts = true, .skipsKeyHaltPopup = true,
                                                    .connectionFailure = ConnectionFailure::restart})
{
}

ArrivalViewModel::ArrivalViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), {.showsExitButton = true, .screenName = "Arrival", .showsStackedAlerts = true,
                                                    .routing = Routing::dropsReachPoint})
{
}

ParkInCompletedViewModel::ParkInCompletedViewModel(BaseViewModelInjection injection) : StandInScreenViewModel(std::move(injection), {}) {}

ParkOutCompletedViewModel::ParkOutCompletedViewModel(BaseViewModelInjection injection) : StandInScreenViewModel(std::move(injection), {}) {}

OperationHistoryViewModel::OperationHistoryViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), settingsScreen())
{
}

DeleteDevicesViewModel::DeleteDevicesViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), settingsScreen())
{
}


PreConfirmationViewModel::PreConfirmationViewModel(BaseViewModelInjection injection, std::shared_ptr<IBatteryModel> batteryModel,
                                                   std::shared_ptr<ISdkStateData> sdkStateData)
    : StandInScreenViewModel(std::move(injection), {.isNavigationBarHidden = true, .followsVehicle = false}),
      batteryModel(std::move(batteryModel)), sdkStateData(std::move(sdkStateData))
{
}

TouchPreConfirmationViewModel::TouchPreConfirmationViewModel(BaseViewModelInjection injection, std::shared_ptr<IDisplayModel>,
                                                             std::shared_ptr<ISlideViewModel> slideViewModel)
    : StandInScreenViewModel(std::move(injection), {.showsIndicatorOnOpening = false, .followsVehicle = false}),
      slideViewModel(std::move(slideViewModel))
{
}

PlanConfirmationViewModel::PlanConfirmationViewModel(BaseViewModelInjection injection, std::shared_ptr<IVehicleStateData> vehicleStateData,
                                                     std::shared_ptr<IUserOperationModel>)
    : StandInScreenViewModel(std::move(injection), {.showsLeaveButton = true, .showsStackedAlerts = true}),
      vehicleStateData(std::move(vehicleStateData))
{
}

RequestIdWaitingViewModel::RequestIdWaitingViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), {.showsLeaveButton = true, .screenName = "RequestIDWaiting", .showsStackedAlerts = true,
                                                    .connectionFailure = ConnectionFailure::restart})
{
}

void RequestIdWaitingViewModel::tapCancelConfirmationPopupButtonNo()
{
    BaseViewModel::tapCancelConfirmationPopupButtonNo();
    if (TerminalStore::shared()->isTimedOut)
        displayWarnConfirmation(InAppWarningKind::timedOutRequestIDWaiting);
}

SettingsViewModel::SettingsViewModel(BaseViewModelInjection injection, std::shared_ptr<ISdkStateData> sdkStateData,
                                     std::shared_ptr<ISoundModel> soundModel)
    : StandInScreenViewModel(std::move(injection), {.showsLeaveButton = true, .showsSettingButton = false, .showsIndicatorOnOpening = false,
                                                    .routing = Routing::closeWithoutTransition,
                                                    .connectionFailure = ConnectionFailure::reconnect}),
      sdkStateData(std::move(sdkStateData)), soundModel(std::move(soundModel))
{
}

EditDevicesViewModel::EditDevicesViewModel(BaseViewModelInjection injection, std::shared_ptr<ISdkStateData> sdkStateData)
    : StandInScreenViewModel(std::move(injection), settingsScreen()), sdkStateData(std::move(sdkStateData))
{
}

} // namespace tolvane::app
