#include "Class/Model/ViewModelAssembly.h"

#include "Class/Model/AssemblyResolution.h"
#include "Class/Model/IDataController.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/UI/Activation/ViewModel/ActivationViewModel.h"
#include "Class/UI/Arrival/ViewModel/ArrivalViewModel.h"
#include "Class/UI/Base/ViewModel/InteruptCustomAlertViewModel.h"
#include "Class/UI/Blank/ViewModel/BlankViewModel.h"
#include "Class/UI/Connecting/ViewModel/ConnectingViewModel.h"
#include "Class/UI/ConnectingForRegistration/ViewModel/ConnectingForRegistrationViewModel.h"
#include "Class/UI/ConnectionCompletionForRegistration/ViewModel/ConnectionCompletionForRegistrationViewModel.h"
#include "Class/UI/ConnectionConfirmation/ViewModel/ConnectionConfirmationViewModel.h"
#include "Class/UI/DeleteDevices/ViewModel/DeleteDevicesViewModel.h"
#include "Class/UI/Disclaimer/ViewModel/DisclaimerViewModel.h"
#include "Class/UI/EditDevices/ViewModel/EditDevicesViewModel.h"
#include "Class/UI/FirstRegistration/ViewModel/FirstRegistrationViewModel.h"
#include "Class/UI/Geofence/ViewModel/GeofenceViewModel.h"
#include "Class/UI/IGONWarn/ViewModel/IGONWarnViewModel.h"
#include "Class/UI/Operating/ViewModel/OperatingViewModel.h"
#include "Class/UI/OperationHistory/ViewModel/OperationHistoryViewModel.h"
#include "Class/UI/ParkInCompleted/ViewModel/ParkInCompletedViewModel.h"
#include "Class/UI/ParkOutCompleted/ViewModel/ParkOutCompletedViewModel.h"
#include "Class/UI/PlanConfirmation/ViewModel/PlanConfirmationViewModel.h"
#include "Class/UI/PreConfirmation/ViewModel/PreConfirmationViewModel.h"
#include "Class/UI/Registration/ViewModel/RegistrationViewModel.h"
#include "Class/UI/RegistrationDevices/ViewModel/RegistrationDevicesViewModel.h"
#include "Class/UI/RequestIdWaiting/ViewModel/RequestIdWaitingViewModel.h"
#include "Class/UI/Settings/ViewModel/SettingsViewModel.h"
#include "Class/UI/TouchPreConfirmation/ViewModel/TouchPreConfirmationViewModel.h"
#include "Class/UI/Tutorial/ViewModel/FirstTutorialFlowViewModel.h"
#include "Class/UI/Tutorial/ViewModel/TutorialMenuFlowViewModel.h"
#include "Class/UI/Tutorial/ViewModel/TutorialMenuViewModel.h"
#include "Class/UI/Warn/ViewModel/WarnViewModel.h"

#include "ISlideViewModel.h"
#include "ISoundModel.h"
#include "Internal/Model/IBatteryModel.h"
#include "Internal/Model/ICautionData.h"
#include "Internal/Model/IDisplayData.h"
#include "Internal/Model/IDisplayModel.h"
#include "Internal/Model/ISdkModel.h"
#include "Internal/Model/ISdkStateData.h"
#include "Internal/Model/IUserOperationModel.h"
#include "Internal/Model/IVehicleStateData.h"

#include <array>
#include <tuple>
#include <utility>

namespace tolvane::app {
namespace {

constexpr AssemblyResolution resolution{"TolvaneIntegrationApp/ViewModelAssembley"};

template <class ViewModel, class... Extra, size_t... I>
std::shared_ptr<ViewModel> makeViewModel(di::Resolver& resolver, unsigned injectionLine,
                                         const std::array<unsigned, sizeof...(Extra)>& extraLines, std::index_sequence<I...>)
{
    auto injection = resolution.resolve<BaseViewModelInjection>(resolver, injectionLine);
    // A braced list resolves in the order written.
    std::tuple<std::shared_ptr<Extra>...> extras{resolution.resolve<Extra>(resolver, extraLines[I])...};
    return std::make_shared<ViewModel>(*injection, std::get<I>(extras)...);
}

// Registers `ViewModel` as `Protocol`: the injection first, then the extra services in order, each
// resolved at its own line.
template <class Protocol, class ViewModel, class... Extra>
void registerViewModel(di::Container& container, di::ObjectScope scope, unsigned injectionLine,
                       std::array<unsigned, sizeof...(Extra)> extraLines = {})
{
    container
        .registerService<Protocol>([injectionLine, extraLines](di::Resolver& resolver) -> std::shared_ptr<Protocol> {
            return makeViewModel<ViewModel, Extra...>(resolver, injectionLine, extraLines, std::index_sequence_for<Extra...>{});
        })
        .inObjectScope(scope);
}

} // namespace

void ViewModelAssembly::assemble(di::Container& container)
{
    constexpr auto graph = di::ObjectScope::graph;
    constexpr auto shared = di::ObjectScope::container;
    container
        .registerService<BaseViewModelInjection>([](di::Resolver& resolver) {
            return std::make_shared<BaseViewModelInjection>(BaseViewModelInjection{
                .transitionManager = resolution.resolve<ITransitionManager>(resolver, 19),
                .displayData = resolution.resolve<IDisplayData>(resolver, 20),
                .cautionData = resolution.resolve<ICautionData>(resolver, 21),
                .userOperationModel = resolution.resolve<IUserOperationModel>(resolver, 22),
                .sdkModel = resolution.resolve<ISdkModel>(resolver, 23),
                .displayModel = resolution.resolve<IDisplayModel>(resolver, 24),
            });
        })
        .inObjectScope(shared);

    registerViewModel<IPreConfirmationViewModel, PreConfirmationViewModel, IBatteryModel, ISdkStateData>(container, graph, 30, {31, 32});
    registerViewModel<IFirstTutorialFlowViewModel, FirstTutorialFlowViewModel>(container, graph, 38);
    registerViewModel<IFirstRegistrationViewModel, FirstRegistrationViewModel>(container, graph, 44);
    registerViewModel<IRegistrationDevicesViewModel, RegistrationDevicesViewModel>(container, graph, 50);
    registerViewModel<IConnectingForRegistrationViewModel, ConnectingForRegistrationViewModel>(container, graph, 56);
    registerViewModel<IConnectionCompletionForRegistrationViewModel, ConnectionCompletionForRegistrationViewModel>(container, graph, 62);
    registerViewModel<IRegistrationViewModel, RegistrationViewModel>(container, graph, 68);
    registerViewModel<IConnectionConfirmationViewModel, ConnectionConfirmationViewModel>(container, graph, 74);
    registerViewModel<IDisclaimerViewModel, DisclaimerViewModel>(container, shared, 80);
    registerViewModel<IGeofenceViewModel, GeofenceViewModel>(container, graph, 86);
    registerViewModel<ITouchPreConfirmationViewModel, TouchPreConfirmationViewModel, IDisplayModel, ISlideViewModel>(container, shared, 92,
                                                                                                                     {93, 94});
    registerViewModel<IConnectingViewModel, ConnectingViewModel>(container, shared, 100);
    registerViewModel<IActivationViewModel, ActivationViewModel>(container, graph, 106);
    registerViewModel<IRequestIdWaitingViewModel, RequestIdWaitingViewModel>(container, graph, 112);
    registerViewModel<IPlanConfirmationViewModel, PlanConfirmationViewModel, IVehicleStateData, IUserOperationModel>(container, graph, 118,
                                                                                                                     {119, 120});
    registerViewModel<IOperatingViewModel, OperatingViewModel, IVehicleStateData, IUserOperationModel>(container, shared, 126, {127, 128});
    registerViewModel<IArrivalViewModel, ArrivalViewModel>(container, graph, 134);
    registerViewModel<IParkInCompletedViewModel, ParkInCompletedViewModel>(container, graph, 140);
    registerViewModel<IParkOutCompletedViewModel, ParkOutCompletedViewModel>(container, graph, 146);
    registerViewModel<ISettingsViewModel, SettingsViewModel, ISdkStateData, ISoundModel>(container, graph, 152, {153, 154});
    registerViewModel<IOperationHistoryViewModel, OperationHistoryViewModel, IDataController>(container, graph, 160, {161});
    registerViewModel<IEditDevicesViewModel, EditDevicesViewModel, ISdkStateData, IDataController>(container, graph, 166, {167, 168});
    registerViewModel<IDeleteDevicesViewModel, DeleteDevicesViewModel, IDataController>(container, graph, 173, {174});
    registerViewModel<ITutorialMenuViewModel, TutorialMenuViewModel>(container, graph, 179);
    registerViewModel<ITutorialConnectionFlowViewModel, TutorialConnectionFlowViewModel>(container, graph, 185);
    registerViewModel<ITutorialParkInFlowViewModel, TutorialParkInFlowViewModel>(container, graph, 191);
    registerViewModel<ITutorialParkOutFlowViewModel, TutorialParkOutFlowViewModel>(container, graph, 197);
    registerViewModel<ITutorialMovieFlowViewModel, TutorialMovieFlowViewModel>(container, graph, 203);
    registerViewModel<IBlankViewModel, BlankViewModel, ISdkStateData>(container, graph, 209, {210});
    registerViewModel<IIGONWarnViewModel, IGONWarnViewModel>(container, graph, 216);
    registerViewModel<IWarnViewModel, WarnViewModel>(container, graph, 222);

    container.registerService<IInteruptCustomAlertViewModel>([](di::Resolver& resolver) -> std::shared_ptr<IInteruptCustomAlertViewModel> {
        return std::make_shared<InteruptCustomAlertViewModel>(resolution.resolve<IDisplayModel>(resolver, 228));
    });
}

} // namespace tolvane::app
