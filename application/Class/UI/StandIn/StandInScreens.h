#pragma once

// The screens whose own issues have not built them yet. Each has the view-model protocol, the view
// model and the controller the router and the assemblies name, with the answers its screen gives to
// the base view model's overridable members. A screen built later replaces its lines here.

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/StandIn/StandInViewModel.h"

#include <memory>

namespace tolvane {
class IDisplayModel;
class ISlideViewModel;
class IUserOperationModel;
class IVehicleStateData;
} // namespace tolvane

namespace tolvane::app {

// The view-model protocol of a screen not built yet.
template <class Screen>
class IStandInScreenViewModel {
public:
    virtual ~IStandInScreenViewModel() = default;
};

using ITouchPreConfirmationViewModel = IStandInScreenViewModel<struct TouchPreConfirmationScreen>;
using IPlanConfirmationViewModel = IStandInScreenViewModel<struct PlanConfirmationScreen>;
using IParkInCompletedViewModel = IStandInScreenViewModel<struct ParkInCompletedScreen>;
using IParkOutCompletedViewModel = IStandInScreenViewModel<struct ParkOutCompletedScreen>;

// A stand-in view model answering to its screen's protocol.
template <class Protocol>
class StandInScreenViewModel : public StandInViewModel, public Protocol {
public:
    using StandInViewModel::StandInViewModel;
};

// View models made from the base view model's injection alone.
#define TOLVANE_STAND_IN_VIEW_MODEL(Name)                                                                                  \
    class Name final : public StandInScreenViewModel<I##Name> {                                                            \
    public:                                                                                                                \
        explicit Name(BaseViewModelInjection injection);                                                                   \
    }

TOLVANE_STAND_IN_VIEW_MODEL(ParkInCompletedViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(ParkOutCompletedViewModel);

#undef TOLVANE_STAND_IN_VIEW_MODEL

class TouchPreConfirmationViewModel final : public StandInScreenViewModel<ITouchPreConfirmationViewModel> {
public:
    TouchPreConfirmationViewModel(BaseViewModelInjection injection, std::shared_ptr<IDisplayModel> displayModel,
                                  std::shared_ptr<ISlideViewModel> slideViewModel);
    const std::shared_ptr<ISlideViewModel> slideViewModel;
};

class PlanConfirmationViewModel final : public StandInScreenViewModel<IPlanConfirmationViewModel> {
public:
    PlanConfirmationViewModel(BaseViewModelInjection injection, std::shared_ptr<IVehicleStateData> vehicleStateData,
                              std::shared_ptr<IUserOperationModel> userOperationModel);
    const std::shared_ptr<IVehicleStateData> vehicleStateData;
};

// Controllers.
using TouchPreConfirmationViewController = ScreenViewController<ITouchPreConfirmationViewModel>;
using PlanConfirmationViewController = ScreenViewController<IPlanConfirmationViewModel>;
using ParkInCompletedViewController = ScreenViewController<IParkInCompletedViewModel>;
using ParkOutCompletedViewController = ScreenViewController<IParkOutCompletedViewModel>;

} // namespace tolvane::app
