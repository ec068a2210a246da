#include "Class/UI/StandIn/StandInScreens.h"

namespace tolvane::app {

ParkInCompletedViewModel::ParkInCompletedViewModel(BaseViewModelInjection injection) : StandInScreenViewModel(std::move(injection), {}) {}

ParkOutCompletedViewModel::ParkOutCompletedViewModel(BaseViewModelInjection injection) : StandInScreenViewModel(std::move(injection), {}) {}

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
