#include "Class/UI/StandIn/StandInScreens.h"

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

// The tutorial menu reached from the settings: it never changes the screen for the vehicle and
// reopens the selected car's link when it fails.
StandInOverrides settingsScreen()
{
    return {.showsLeaveButton = true, .showsSettingButton = false, .showsIndicatorOnOpening = false,
            .routing = Routing::withoutScreenChange, .connectionFailure = ConnectionFailure::reconnect};
}

StandInOverrides tutorialFlow()
{
    return {.showsLeaveButton = true, .routing = Routing::withoutScreenChange};
}

} // namespace

FirstTutorialFlowViewModel::FirstTutorialFlowViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), tutorialFlow())
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

ParkInCompletedViewModel::ParkInCompletedViewModel(BaseViewModelInjection injection) : StandInScreenViewModel(std::move(injection), {}) {}

ParkOutCompletedViewModel::ParkOutCompletedViewModel(BaseViewModelInjection injection) : StandInScreenViewModel(std::move(injection), {}) {}

TutorialMenuViewModel::TutorialMenuViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), settingsScreen())
{
}

TutorialConnectionFlowViewModel::TutorialConnectionFlowViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), tutorialFlow())
{
}

TutorialParkInFlowViewModel::TutorialParkInFlowViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), tutorialFlow())
{
}

TutorialParkOutFlowViewModel::TutorialParkOutFlowViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), tutorialFlow())
{
}

TutorialMovieFlowViewModel::TutorialMovieFlowViewModel(BaseViewModelInjection injection)
    : StandInScreenViewModel(std::move(injection), tutorialFlow())
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

} // namespace tolvane::app
