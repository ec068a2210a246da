#include "Class/UI/Blank/ViewModel/BlankViewModel.h"

#include "Class/Model/ITransitionManager.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/Model/Utility/MyLog.h"
#include "Class/SharedObject/Application.h"

#include "Internal/Model/CaseName.h"
#include "Internal/Model/ISdkStateData.h"
#include "foundation/NotificationCenter.h"

namespace tolvane::app {
namespace {

constexpr std::string_view ACTIVATION_TAG = "白屏调查";
constexpr std::string_view TRANSITION_TAG = "App 白屏调查";

std::string describe(const BlankViewModel::DisplayRequest& request)
{
    return "(reqDisplayId: " + caseName(request.reqDisplayId) + ", causeId: " + caseName(request.causeId) + ")";
}

std::string describe(bool value)
{
    return value ? "true" : "false";
}

} // namespace

BlankViewModel::BlankViewModel(BaseViewModelInjection injection, std::shared_ptr<ISdkStateData> sdkStateData)
    : BaseViewModel(std::move(injection)), sdkStateData(std::move(sdkStateData))
{
}

void BlankViewModel::setBindings()
{
    auto self = std::static_pointer_cast<BlankViewModel>(shared_from_this());
    auto observation = std::make_shared<foundation::NotificationCenter::Observation>(
        foundation::NotificationCenter::defaultCenter().addObserver(Application::didBecomeActiveNotification,
                                                                    [self] { self->applicationDidBecomeActive(); }));
    myCancellables.insert(rx::Cancellable([observation] { observation->reset(); }));
    myCancellables.insert(sdkStateData->sdkState().sink([self](const SdkState& state) {
        self->isTimeout = state == SdkState::TIMEOUT;
        if (self->isTimeout) {
            self->cancellables.removeAll();
            self->myCancellables.removeAll();
        }
    }));
}

void BlankViewModel::applicationDidBecomeActive()
{
    const bool connectionStopped = TerminalStore::shared()->isConnectionStop;
    myLog(ACTIVATION_TAG, "应用激活，开始恢复状态");
    myLog(ACTIVATION_TAG, "TerminalStore.shared.isConnectionStop => " + describe(connectionStopped));
    if (!connectionStopped) {
        myLog(ACTIVATION_TAG, "TerminalStore.shared.isConnectionStop => false，无法执行状态恢复");
        // The screen's appearance bound it already: bound again, not twice.
        clearCancellables();
        addTransitToBlankObserver();
        return;
    }
    // The link ended in the background: show what the vehicle asked for last.
    if (!backgroundTranstionId) {
        myLog(ACTIVATION_TAG, "self.backgroundTranstionId 为空，无法执行状态恢复");
        return;
    }
    myLog(ACTIVATION_TAG, "backgroundTranstionId => " + describe(*backgroundTranstionId));
    transition(backgroundTranstionId->reqDisplayId, backgroundTranstionId->causeId);
}

bool BlankViewModel::transitionEnabled(RequiredDisplayId)
{
    if (TerminalStore::shared()->isBackground)
        return false;
    return !isTimeout;
}

bool BlankViewModel::transition(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    using enum RequiredDisplayId;
    myLog(TRANSITION_TAG, "进入transition，reqDisplayId:" + caseName(reqDisplayId) + ", causeId:" + caseName(causeId));
    if (!isValidPair(reqDisplayId, causeId)) {
        myLog(TRANSITION_TAG, "跳转失败 验证失败.  view. displayViewCategory : " + caseName(reqDisplayId));
        LogManager::print("Skip the transition. validateDisplayId is false.  view. displayViewCategory : " + caseName(reqDisplayId),
                          LogLevel::information, {.function = "transition(reqDisplayId:causeId:)"});
        if (!TerminalStore::shared()->isConnectionStop && reqDisplayId == DEF && causeId == CauseId::DEF) {
            baseAction.send(BaseAction::removeOtherStack{DEF, CauseId::DEF});
            myLog(TRANSITION_TAG, "!TerminalStore.shared.isConnectionStop && reqDisplayId == .DEF && causeId == .DEF => "
                                  "true，恢复到showRequestIDWaiting");
            transitionManager->showRequestIDWaiting();
            return true;
        }
        myLog(TRANSITION_TAG, "返回false");
        return false;
    }

    if (backgroundTranstionId)
        myLog(TRANSITION_TAG, "backgroundTransitionId = " + describe(*backgroundTranstionId));
    else
        myLog(TRANSITION_TAG, "backgroundTransitionId 是空的");
    if (TerminalStore::shared()->isBackground && !isTimeout) {
        myLog(TRANSITION_TAG, "TerminalStore.shared.isBackground && !isTimeout => true，重建backgroundTransitionId，调用父类方法。");
        backgroundTranstionId = DisplayRequest{reqDisplayId, causeId};
        myLog(TRANSITION_TAG, "重建后的backgroundTranstionId：" + describe(*backgroundTranstionId));
    } else {
        myLog(TRANSITION_TAG, "TerminalStore.shared.isBackground && !isTimeout => false，重建backgroundTransitionId，调用父类方法。");
    }
    return BaseViewModel::transition(reqDisplayId, causeId);
}

} // namespace tolvane::app
