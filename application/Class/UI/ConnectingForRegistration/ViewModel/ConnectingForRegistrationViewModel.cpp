#include "Class/UI/ConnectingForRegistration/ViewModel/ConnectingForRegistrationViewModel.h"

#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/UserDefaultsValues.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/Model/Utility/MyLog.h"

#include "Internal/Model/CaseName.h"
#include "Internal/Model/IUserOperationModel.h"
#include "foundation/RunLoop.h"

namespace tolvane::app {
namespace {

constexpr std::string_view TAG = "连车调查";

bool isRegistrationAnswer(RequiredDisplayId reqDisplayId)
{
    return reqDisplayId == RequiredDisplayId::VALID_VEHICLE || reqDisplayId == RequiredDisplayId::VALID_VEHICLE_BLINKER;
}

} // namespace

ConnectingForRegistrationViewModel::ConnectingForRegistrationViewModel(BaseViewModelInjection injection)
    : BaseViewModel(std::move(injection))
{
}

void ConnectingForRegistrationViewModel::setTerminalInfo()
{
    loopChecker_.check(typeid(*this));
    const auto store = TerminalStore::shared();
    const auto terminal = store->terminal();
    if (!terminal)
        return;
    action.send(Action{Action::setDeviceName{terminal->name()}});
    myLog(TAG, "尝试链接 -> " + terminal->name());
    LogManager::print("Try to open terminal.", LogLevel::information, {.function = "setTerminalInfo()"});
    // A store that refuses to open never calls back; the answer timer still ends the wait.
    const bool refused = store->isConnected() || store->isOpening() || store->hasRetryTimer();
    std::weak_ptr<BaseViewModel> weak = weak_from_this();
    store->open(terminal->udid(), TerminalStore::ConnectionOpenPattern::registration, UserDefaultsValues::maximumNumberOfRetryOpenSession(),
                [weak](bool opened) {
                    if (auto self = std::static_pointer_cast<ConnectingForRegistrationViewModel>(weak.lock()))
                        self->onTerminalOpened(opened);
                });
    if (refused)
        startResponseWaitingTimer();
}

void ConnectingForRegistrationViewModel::onTerminalOpened(bool opened)
{
    if (opened) {
        myLog(TAG, "L.190 if opened = true");
        startResponseWaitingTimer();
        userOperationModel->notifyUserOperation(UserOperationKind::REQ_CHECK_AVAILABLE_TOLVANE{});
        myLog(TAG, "L.194（self.userOperationModel.notifyUserOperation(userOperationKind: .REQ_CHECK_AVAILABLE_TOLVANE)）已执行");
        return;
    }
    myLog(TAG, "L.198 else opened = false");
    handleConnectionFailure();
    myLog(TAG, "opened == false, 调用onConnectionFailure");
}

void ConnectingForRegistrationViewModel::startResponseWaitingTimer()
{
    stopResponseWaitingTimer();
    std::weak_ptr<BaseViewModel> weak = weak_from_this();
    displayRequestWaitingTimeoutTimer =
        foundation::RunLoop::main().scheduleTimer(responseWaitingTimeoutDuration, false, [weak](foundation::Timer&) {
            auto self = std::static_pointer_cast<ConnectingForRegistrationViewModel>(weak.lock());
            if (!self)
                return;
            self->stopResponseWaitingTimer();
            self->handleConnectionFailure();
        });
}

void ConnectingForRegistrationViewModel::stopResponseWaitingTimer()
{
    if (displayRequestWaitingTimeoutTimer)
        displayRequestWaitingTimeoutTimer->invalidate();
    displayRequestWaitingTimeoutTimer.reset();
}

void ConnectingForRegistrationViewModel::handleConnectionFailure()
{
    TerminalStore::shared()->shutdownTerminal([] {});
    EventStack::shared().push(currentHistoryId().copy(), EventCode::E018, "");
    action.send(Action{Action::showConnectionFailure{}});
}

bool ConnectingForRegistrationViewModel::transitionEnabled(RequiredDisplayId reqDisplayId)
{
    if (isRegistrationAnswer(reqDisplayId))
        return true;
    LogManager::print("Skip the transition. Reject the event. displayViewCategory : " + caseName(reqDisplayId), LogLevel::information,
                      {.function = "transitionEnabled(reqDisplayId:)"});
    return false;
}

bool ConnectingForRegistrationViewModel::transition(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    if (BaseViewModel::transition(reqDisplayId, causeId))
        return true;
    if (!isRegistrationAnswer(reqDisplayId) || isConfirmingCarRegistration)
        return false;
    isConfirmingCarRegistration = true;
    transitionManager->showConnectionCompletionForRegistration();
    return true;
}

} // namespace tolvane::app
