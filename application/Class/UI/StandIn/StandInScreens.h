#pragma once

// The screens whose own issues have not built them yet. Each has the view-model protocol, the view
// model and the controller the router and the assemblies name, with the answers its screen gives to
// the base view model's overridable members. A screen built later replaces its lines here.

#include "Class/UI/Base/View/InAppWarningKind.h"
#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/StandIn/StandInViewModel.h"

#include "Internal/Model/CauseId.h"

#include <memory>

namespace tolvane {
class IBatteryModel;
class IDisplayModel;
class ISdkStateData;
class ISlideViewModel;
class ISoundModel;
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

using IPreConfirmationViewModel = IStandInScreenViewModel<struct PreConfirmationScreen>;
using IFirstRegistrationViewModel = IStandInScreenViewModel<struct FirstRegistrationScreen>;
using IRegistrationDevicesViewModel = IStandInScreenViewModel<struct RegistrationDevicesScreen>;
using IConnectingForRegistrationViewModel = IStandInScreenViewModel<struct ConnectingForRegistrationScreen>;
using IConnectionCompletionForRegistrationViewModel = IStandInScreenViewModel<struct ConnectionCompletionForRegistrationScreen>;
using IRegistrationViewModel = IStandInScreenViewModel<struct RegistrationScreen>;
using IConnectionConfirmationViewModel = IStandInScreenViewModel<struct ConnectionConfirmationScreen>;
using IDisclaimerViewModel = IStandInScreenViewModel<struct DisclaimerScreen>;
using ITouchPreConfirmationViewModel = IStandInScreenViewModel<struct TouchPreConfirmationScreen>;
using IConnectingViewModel = IStandInScreenViewModel<struct ConnectingScreen>;
using IActivationViewModel = IStandInScreenViewModel<struct ActivationScreen>;
using IRequestIdWaitingViewModel = IStandInScreenViewModel<struct RequestIdWaitingScreen>;
using IPlanConfirmationViewModel = IStandInScreenViewModel<struct PlanConfirmationScreen>;
using IArrivalViewModel = IStandInScreenViewModel<struct ArrivalScreen>;
using IParkInCompletedViewModel = IStandInScreenViewModel<struct ParkInCompletedScreen>;
using IParkOutCompletedViewModel = IStandInScreenViewModel<struct ParkOutCompletedScreen>;
using ISettingsViewModel = IStandInScreenViewModel<struct SettingsScreen>;
using IOperationHistoryViewModel = IStandInScreenViewModel<struct OperationHistoryScreen>;
using IEditDevicesViewModel = IStandInScreenViewModel<struct EditDevicesScreen>;
using IDeleteDevicesViewModel = IStandInScreenViewModel<struct DeleteDevicesScreen>;

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

TOLVANE_STAND_IN_VIEW_MODEL(FirstRegistrationViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(RegistrationDevicesViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(ConnectingForRegistrationViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(ConnectionCompletionForRegistrationViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(RegistrationViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(ConnectionConfirmationViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(DisclaimerViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(ConnectingViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(ActivationViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(ArrivalViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(ParkInCompletedViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(ParkOutCompletedViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(OperationHistoryViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(DeleteDevicesViewModel);

#undef TOLVANE_STAND_IN_VIEW_MODEL

class PreConfirmationViewModel final : public StandInScreenViewModel<IPreConfirmationViewModel> {
public:
    PreConfirmationViewModel(BaseViewModelInjection injection, std::shared_ptr<IBatteryModel> batteryModel,
                             std::shared_ptr<ISdkStateData> sdkStateData);
    const std::shared_ptr<IBatteryModel> batteryModel;
    const std::shared_ptr<ISdkStateData> sdkStateData;
};

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

class RequestIdWaitingViewModel final : public StandInScreenViewModel<IRequestIdWaitingViewModel> {
public:
    explicit RequestIdWaitingViewModel(BaseViewModelInjection injection);
    // A declined stop after the vehicle's request timed out offers the time-out warning again.
    void tapCancelConfirmationPopupButtonNo() override;
};

class SettingsViewModel final : public StandInScreenViewModel<ISettingsViewModel> {
public:
    SettingsViewModel(BaseViewModelInjection injection, std::shared_ptr<ISdkStateData> sdkStateData,
                      std::shared_ptr<ISoundModel> soundModel);
    const std::shared_ptr<ISdkStateData> sdkStateData;
    const std::shared_ptr<ISoundModel> soundModel;
};

class EditDevicesViewModel final : public StandInScreenViewModel<IEditDevicesViewModel> {
public:
    EditDevicesViewModel(BaseViewModelInjection injection, std::shared_ptr<ISdkStateData> sdkStateData);
    const std::shared_ptr<ISdkStateData> sdkStateData;
};

// Controllers.
using PreConfirmationViewController = ScreenViewController<IPreConfirmationViewModel>;
using FirstRegistrationViewController = ScreenViewController<IFirstRegistrationViewModel>;
using RegistrationDevicesViewController = ScreenViewController<IRegistrationDevicesViewModel>;
using ConnectingForRegistrationViewController = ScreenViewController<IConnectingForRegistrationViewModel>;
using ConnectionCompletionForRegistrationViewController = ScreenViewController<IConnectionCompletionForRegistrationViewModel>;
using RegistrationViewController = ScreenViewController<IRegistrationViewModel>;
using ConnectionConfirmationViewController = ScreenViewController<IConnectionConfirmationViewModel>;
using DisclaimerViewController = ScreenViewController<IDisclaimerViewModel>;
using TouchPreConfirmationViewController = ScreenViewController<ITouchPreConfirmationViewModel>;
using ConnectingViewController = ScreenViewController<IConnectingViewModel>;
using ActivationViewController = ScreenViewController<IActivationViewModel>;
using RequestIdWaitingViewController = ScreenViewController<IRequestIdWaitingViewModel>;
using PlanConfirmationViewController = ScreenViewController<IPlanConfirmationViewModel>;
using ArrivalViewController = ScreenViewController<IArrivalViewModel>;
using ParkInCompletedViewController = ScreenViewController<IParkInCompletedViewModel>;
using ParkOutCompletedViewController = ScreenViewController<IParkOutCompletedViewModel>;
using DeleteDevicesViewController = ScreenViewController<IDeleteDevicesViewModel>;
using EditDevicesViewController = ScreenViewController<IEditDevicesViewModel>;
using OperationHistoryViewController = ScreenViewController<IOperationHistoryViewModel>;

class SettingsViewController final : public ScreenViewController<ISettingsViewModel> {
public:
    // The settings never present stacked alerts.
    void showAlert() override {}
};

} // namespace tolvane::app
