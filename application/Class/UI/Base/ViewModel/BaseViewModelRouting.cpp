#include "Class/UI/Base/ViewModel/BaseViewModelRouting.h"

#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/SelectedCarName.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/Model/ViewCategory.h"
#include "Class/Model/ViewCategoryManager.h"
#include "Class/SharedObject/AppEventHandler.h"
#include "Class/SharedObject/TolvaneIntegrationAppAppDelegate.h"
#include "Class/UI/Base/ViewModel/BaseViewModel.h"

#include "Internal/Model/CaseName.h"
#include "Internal/Model/IDisplayModel.h"
#include "foundation/IsOneOf.h"
#include "foundation/RunLoop.h"

#include <string_view>

namespace tolvane::app {
namespace {

using enum RequiredDisplayId;

using foundation::isOneOf;

EventCode stopReason(CauseId causeId)
{
    switch (causeId) {
    case CauseId::ABNORMAL_END:
        return EventCode::E011;
    case CauseId::SYS_INSPECT:
        return EventCode::E012;
    case CauseId::SYS_CONFIRM:
        return EventCode::E013;
    case CauseId::ABNORMAL_BUTTERY_STATUS:
        return EventCode::E015;
    default:
        return EventCode::E010;
    }
}

} // namespace

void BaseViewModelRouting::setBinding(BaseViewModel& viewModel)
{
    std::weak_ptr<BaseViewModel> weak = viewModel.weak_from_this();
    viewModel.cancellables.insert(AppEventHandler::eventHandlerDelegate()
                                      ->isBackground.publisher()
                                      .dropFirst()
                                      .filter([](const bool& isBackground) { return !isBackground; })
                                      .sink([weak](const bool&) {
                                          auto self = weak.lock();
                                          if (!self || isOneOf(self->latestReqDisplayId, {START_PARK_IN, START_PARK_OUT, SENSING}))
                                              return;
                                          self->transition(self->latestReqDisplayId, self->latestCauseId);
                                      }));

    // The framework may publish from the send thread: log where the value arrives, decide on main.
    // The framework's data outlive every screen, so what they hold must not keep a closed screen's
    // view model, its timers and its alerts' answers alive.
    viewModel.cancellables.insert(viewModel.displayCausePublisher.sink([weak](const BaseViewModel::DisplayCause& pair) {
        const auto [reqDisplayId, causeId] = pair;
        LogManager::print("reqDisplayId: " + caseName(reqDisplayId) + ", causeId: " + caseName(causeId), LogLevel::debug,
                          {.function = "setBinding()"});
        foundation::RunLoop::main().post([weak, reqDisplayId, causeId] {
            if (auto self = weak.lock())
                self->transition(reqDisplayId, causeId);
        });
    }));
}

bool BaseViewModelRouting::isValidPair(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    const auto raw = static_cast<int>(reqDisplayId);
    if (raw >= static_cast<int>(VALID_VEHICLE) && raw <= static_cast<int>(RESUME))
        return causeId == CauseId::DEF;
    return (reqDisplayId == HALT || reqDisplayId == STOP) && causeId != CauseId::DEF;
}

bool BaseViewModelRouting::transition(BaseViewModel& viewModel, RequiredDisplayId reqDisplayId, CauseId causeId)
{
    constexpr std::string_view function = "transition(reqDisplayId:causeId:)";
    LogManager::print("transition->" + caseName(reqDisplayId) + ":" + caseName(causeId), LogLevel::debug, {.function = function});
    if (!isValidPair(reqDisplayId, causeId)) {
        LogManager::print("Skip the transition. validateDisplayId is false. " + viewModel.screenName() +
                              " view. displayViewCategory : " + caseName(reqDisplayId),
                          LogLevel::information, {.function = function});
        return false;
    }
    viewModel.latestReqDisplayId = reqDisplayId;
    viewModel.latestCauseId = causeId;
    TerminalStore::shared()->backgroundClose(reqDisplayId, causeId);

    if (!viewModel.transitionEnabled(reqDisplayId)) {
        LogManager::print("Skip the transition. transitionEnabled is false. " + viewModel.screenName() +
                              " view. displayViewCategory : " + caseName(reqDisplayId),
                          LogLevel::information, {.function = function});
        return false;
    }
    if ((viewModel.isShowStopConfirmation || viewModel.isWaitingAfterWarnConfirmation) &&
        !isOneOf(reqDisplayId, {START_PARK_IN, START_PARK_OUT, COMPLETE_PARK_IN, COMPLETE_PARK_IN_FORGET_HAZARD, COMPLETE_PARK_OUT, HALT, STOP}))
        return false;
    if (viewModel.isWaitingAfterResume()) {
        if (reqDisplayId == RESUME)
            return false;
        viewModel.setWaitingAfterResume(false);
        viewModel.baseAction.send(BaseAction::hideIndicator{});
    }
    if (viewModel.isWaitingResumeAfterOverride) {
        viewModel.displayModel->notifyDisplayOutsideSdkControl(false);
        viewModel.isWaitingResumeAfterOverride = false;
    }
    actOnDisplayId(viewModel, reqDisplayId, causeId);
    return isOneOf(reqDisplayId, {REACH_POINT, COMPLETE_PARK_IN, COMPLETE_PARK_IN_FORGET_HAZARD, COMPLETE_PARK_OUT, STOP});
}

void BaseViewModelRouting::actOnDisplayId(BaseViewModel& viewModel, RequiredDisplayId reqDisplayId, CauseId causeId)
{
    auto router = viewModel.transitionManager;
    auto dropOtherAlertsAnd = [&](void (ITransitionManager::*show)()) {
        viewModel.baseAction.send(BaseAction::removeOtherStack{reqDisplayId, causeId});
        if (show)
            (router.get()->*show)();
    };
    auto emptyAlertsThen = [&](void (ITransitionManager::*show)()) {
        viewModel.baseAction.send(BaseAction::removeAllStackAlert{[router, show] { (router.get()->*show)(); }});
    };
    switch (reqDisplayId) {
    case VALID_VEHICLE:
    case VALID_VEHICLE_BLINKER:
        dropOtherAlertsAnd(nullptr);
        break;
    case START_PARK_IN:
        dropOtherAlertsAnd(&ITransitionManager::showParkInActivation);
        break;
    case START_PARK_OUT:
        dropOtherAlertsAnd(&ITransitionManager::showParkOutActivation);
        break;
    case SENSING:
        dropOtherAlertsAnd(&ITransitionManager::showRequestIDWaiting);
        break;
    case SEL_PARK_IN:
        dropOtherAlertsAnd(&ITransitionManager::showPlanParkIn);
        break;
    case SEL_PARK_OUT:
        dropOtherAlertsAnd(&ITransitionManager::showPlanParkOut);
        break;
    case SEL_FORWARD_BACKWARD:
        dropOtherAlertsAnd(&ITransitionManager::showPlanForwardBackward);
        break;
    case OPERATE: {
        viewModel.baseAction.send(BaseAction::removeOtherStack{reqDisplayId, causeId});
        auto store = TerminalStore::shared();
        if (store->isInterrupted) {
            store->isInterrupted = false;
            viewModel.baseAction.send(BaseAction::hideIndicator{});
        }
        router->showOperating();
        break;
    }
    case REACH_POINT:
        viewModel.baseAction.send(BaseAction::removeStack{DisplayPriority::stopConfirmation});
        router->showArrival();
        break;
    case COMPLETE_PARK_IN:
        emptyAlertsThen(&ITransitionManager::showParkInCompleted);
        break;
    case COMPLETE_PARK_IN_FORGET_HAZARD:
        emptyAlertsThen(&ITransitionManager::showParkInCompletedForgetHazard);
        break;
    case COMPLETE_PARK_OUT:
        emptyAlertsThen(&ITransitionManager::showParkOutCompleted);
        break;
    case RESUME:
        viewModel.displayWarnConfirmation(RESUME, causeId);
        break;
    case HALT:
        if (viewModel.excludeReqDisplayId != HALT)
            viewModel.displayWarnConfirmation(HALT, causeId);
        break;
    case STOP:
        transitionToStop(viewModel, causeId);
        break;
    case DEF:
        break;
    }
}

void BaseViewModelRouting::transitionToStop(BaseViewModel& viewModel, CauseId causeId)
{
    viewModel.baseAction.send(BaseAction::setCurrentAlertDismissForWarn{});
    EventStack::shared().push(currentHistoryId().copy(), stopReason(causeId), selectedCarName());
    const bool inVehicleWarning = ViewCategoryManager::shared().getViewCategory(STOP, causeId) == ViewCategory::endInVehicle;
    // The view model keeps what it published last: holding itself there would never let it go.
    std::weak_ptr<BaseViewModel> weak = viewModel.weak_from_this();
    viewModel.baseAction.send(BaseAction::removeAllStackAlert{[weak, inVehicleWarning, causeId] {
        if (auto self = weak.lock())
            self->transitionToWarn(inVehicleWarning, causeId);
    }});
}

void BaseViewModelRouting::transitionToWarn(BaseViewModel& viewModel, bool isIGONWarn, CauseId causeId)
{
    for (auto priority : {DisplayPriority::checkBluetoothError, DisplayPriority::checkCommunicationDisruptedError,
                          DisplayPriority::stopConfirmation, DisplayPriority::dcuCsrError, DisplayPriority::dcuIdtError,
                          DisplayPriority::checkSumError, DisplayPriority::fixedClearSonerCounterError, DisplayPriority::mekDisplayError})
        viewModel.baseAction.send(BaseAction::removeStack{priority});
    if (causeId == CauseId::DEAD_LOCK || isIGONWarn)
        viewModel.transitionManager->showIGONWarn(causeId);
    else
        viewModel.transitionManager->showWarn(causeId);
}

bool BaseViewModelRouting::transitionWithoutScreenChange(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    if (ViewCategoryManager::endsTheRun(reqDisplayId, causeId))
        TerminalStore::shared()->noTransitionClose(reqDisplayId, causeId);
    return false;
}

} // namespace tolvane::app
