#include "Class/UI/StandIn/StandInScreens.h"

namespace tolvane::app {
namespace {

using Routing = StandInOverrides::Routing;
using ConnectionFailure = StandInOverrides::ConnectionFailure;

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

} // namespace tolvane::app
