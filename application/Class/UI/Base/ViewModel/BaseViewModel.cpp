#include "Class/UI/Base/ViewModel/BaseViewModel.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/SelectedCarName.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/UserDefaultsValues.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/Model/Utility/MyLog.h"
#include "Class/Model/ViewCategory.h"
#include "Class/Model/ViewCategoryManager.h"
#include "Class/SharedObject/AppEventHandler.h"
#include "Class/SharedObject/TolvaneIntegrationAppAppDelegate.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"
#include "Class/UI/Base/View/CustomAlertAction.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Base/ViewModel/BaseViewModelRouting.h"
#include "Class/UI/Operating/ViewModel/IOperatingViewModel.h"

#include "R.h"

#include "Internal/Model/CaseName.h"
#include "Internal/Model/ICautionData.h"
#include "Internal/Model/IDisplayData.h"
#include "Internal/Model/IDisplayModel.h"
#include "Internal/Model/ISdkModel.h"
#include "Internal/Model/IUserOperationModel.h"
#include "foundation/ClassName.h"
#include "foundation/IsOneOf.h"
#include "foundation/NotificationCenter.h"
#include "foundation/RunLoop.h"
#include "rx/Publisher.h"
#include "ui/NavigationController.h"

#include <algorithm>
#include <initializer_list>

namespace tolvane::app {
namespace {

using enum RequiredDisplayId;

constexpr std::string_view CLOSE_BUTTON_TAG = "Tolvane 关闭按钮";

using foundation::isOneOf;

std::shared_ptr<CustomAlertAction> makeAction(std::string title, CustomAlertControllerAction style, std::function<void()> answer)
{
    return std::make_shared<CustomAlertAction>(std::move(title), style, [answer = std::move(answer)](CustomAlertAction&) { answer(); });
}

void logInfo(std::string message, std::string_view function)
{
    LogManager::print(std::move(message), LogLevel::information, {.function = function});
}

} // namespace

BaseViewModel::BaseViewModel(BaseViewModelInjection injection)
    : transitionManager(std::move(injection.transitionManager)), displayData(std::move(injection.displayData)),
      cautionData(std::move(injection.cautionData)), userOperationModel(std::move(injection.userOperationModel)),
      sdkModel(std::move(injection.sdkModel)), displayModel(std::move(injection.displayModel)),
      displayCausePublisher(rx::combineLatest(displayData->reqDisplayId(), cautionData->cause()))
{
}

BaseViewModel::~BaseViewModel() = default;

bool BaseViewModel::isValidPair(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    return BaseViewModelRouting::isValidPair(reqDisplayId, causeId);
}

// Bindings

void BaseViewModel::setBinding()
{
    BaseViewModelRouting::setBinding(*this);
}

void BaseViewModel::addTransitToBlankObserver()
{
    // A HALT held back by an earlier Resume answer stays held back only for that appearance; the
    // container keeps some view models for the life of the process.
    excludeReqDisplayId = DEF;
    excludeCauseId = CauseId::DEF;

    TerminalStore::shared()->setDelegate(shared_from_this());
    auto observation = std::make_shared<foundation::NotificationCenter::Observation>(
        foundation::NotificationCenter::defaultCenter().addObserver(AppEventHandler::shared().eventTransitToBlank,
                                                                    [router = transitionManager] { router->showBlank(); }));
    cancellables.insert(rx::Cancellable([observation] { observation->reset(); }));
    setBinding();
    if (toSettings) {
        toSettings = false;
        transitionManager->showSettings();
    }
}

void BaseViewModel::setupNavigationBar()
{
    baseAction.send(BaseAction::setNavigationBarHidden{isNavigationBarHidden()});
    if (showsLeaveButton())
        baseAction.send(BaseAction::setNavigationBarLeftButton{});
    if (showsSettingButton())
        baseAction.send(BaseAction::setNavigationBarSettingButton{});
    if (showsExitButton()) {
        isWaitingAfterWarnConfirmation = false;
        baseAction.send(BaseAction::setNavigationBarExitButton{});
    }
}

void BaseViewModel::resetBaseAction()
{
    baseAction.send(BaseAction::none{});
}

void BaseViewModel::clearCancellables()
{
    cancellables.removeAll();
}

bool BaseViewModel::isBackground() const
{
    return TerminalStore::shared()->isBackground;
}

void BaseViewModel::updateShowStopConfirmation(bool isShowStopConfirmation)
{
    this->isShowStopConfirmation = isShowStopConfirmation;
}

void BaseViewModel::showSettings()
{
    transitionManager->showSettings();
}

void BaseViewModel::viewEventTransitToBlank()
{
    transitionManager->showBlank();
}

void BaseViewModel::popTopViewController()
{
    if (const auto& navigationController = TolvaneIntegrationAppHelper::shared().navigationController)
        transitionManager->getTopNavigationController(*navigationController).popViewController(true);
}

void BaseViewModel::popToRootViewController(ui::NavigationController& navigationController)
{
    transitionManager->popToRootViewController(navigationController);
}

// Routing

bool BaseViewModel::transition(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    loopChecker_.check(typeid(*this));
    return BaseViewModelRouting::transition(*this, reqDisplayId, causeId);
}

bool BaseViewModel::transitionEnabled(RequiredDisplayId)
{
    return true;
}

void BaseViewModel::transitionToWarn(bool isIGONWarn, CauseId causeId)
{
    BaseViewModelRouting::transitionToWarn(*this, isIGONWarn, causeId);
}

bool BaseViewModel::transitionWithoutScreenChange(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    return BaseViewModelRouting::transitionWithoutScreenChange(reqDisplayId, causeId);
}

// Pop-ups

void BaseViewModel::displayWarnConfirmation(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    loopChecker_.check(typeid(*this));
    using enum CauseId;
    if (reqDisplayId == STOP)
        return;
    if (isWaitingAfterResume_) {
        logInfo("中止操作確定後の受信データによる中断ダイアログは抑止する", "displayWarnConfirmation(reqDisplayId:causeId:)");
        return;
    }
    AlertActions actions;
    auto self = shared_from_this();
    auto resumeButton = [&] {
        return makeAction(R::string::localizable::Interrupt_Button_OK(textLanguages()), CustomAlertControllerAction::defaultAction,
                          [self, reqDisplayId, causeId] { self->answerHaltResume(reqDisplayId, causeId); });
    };
    if (reqDisplayId == RESUME) {
        actions = resumePopupActions();
    } else if (reqDisplayId == HALT) {
        if (causeId == CAN_LOSS)
            return;
        if (isOneOf(causeId, {KEYS_NO_DETECT, ABNORMAL_KEY_IN_CAR})) {
            if (skipsKeyHaltPopup())
                return;
            actions = {resumeButton()};
        } else if (causeId == ABNORMAL_CONNECT_BATTERY) {
            if (skipsKeyHaltPopup())
                return;
        } else if (causeId == WRONG_WAY) {
            actions = {resumeButton()};
        } else if (!isOneOf(causeId, {BT_LOSS, KEY_IN_CAR, COUNTER_ANOMALY, CHECKSUM_ANOMALY, BT_OFF, DCUCSRER_INTERRUPT,
                                      DCUIDTER_INTERRUPT})) {
            actions = {makeAction(R::string::localizable::Interrupt_Button_Cancel(textLanguages()), CustomAlertControllerAction::cancel,
                                  [self] { self->displayWarnConfirmation(InAppWarningKind::cancelConfrim); })};
        }
    }
    baseAction.send(BaseAction::addStack{reqDisplayId, causeId, std::move(actions)});
    baseAction.send(BaseAction::removeOtherStack{reqDisplayId, causeId});
}

void BaseViewModel::answerHaltResume(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    userOperationModel->notifyUserOperation(UserOperationKind::NOTIFY_CANNOT_START{});
    if (causeId == CauseId::WRONG_WAY)
        excludeReqDisplayId = reqDisplayId;
    else
        excludeCauseId = causeId;
    baseAction.send(BaseAction::setIndicator{});
}

AlertActions BaseViewModel::resumePopupActions()
{
    myLog(CLOSE_BUTTON_TAG, "收到 RESUME");
    std::weak_ptr<BaseViewModel> weak = weak_from_this();
    auto self = shared_from_this();
    AlertActions actions{
        makeAction("关闭车辆电源", CustomAlertControllerAction::defaultAction,
                   [weak] {
                       myLog(CLOSE_BUTTON_TAG,
                             "点击关闭车辆电源按钮，调用self?.displayWarnConfirmation(appWarningKind: InAppWarningKind.cancelConfrim)");
                       TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/jieshutirmalunesko/alert/guanbicheliangdianyuan");
                       if (auto self = weak.lock())
                           self->displayWarnConfirmation(InAppWarningKind::cancelConfrim);
                   }),
        makeAction("我要上车", CustomAlertControllerAction::defaultAction,
                   [self] {
                       myLog(CLOSE_BUTTON_TAG, "点击我要上车按钮，调用原有的结束泊车逻辑： self.displayWarnConfirmation(appWarningKind: .cancelConfrim)");
                       TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/jieshutirmalunesko/alert/woyaoshangche");
                       if (auto* operating = dynamic_cast<IOperatingViewModel*>(self.get())) {
                           myLog(CLOSE_BUTTON_TAG, "调用operatingModel.didRequestEndHalfway()");
                           operating->didRequestEndHalfway();
                       } else {
                           const auto& current = *self;
                           myLog(CLOSE_BUTTON_TAG, "转换为 IOperatingViewModel 失败，当前 viewModel 是 " + foundation::className(typeid(current)));
                       }
                   }),
        makeAction("取消", CustomAlertControllerAction::defaultAction,
                   [self] {
                       myLog(CLOSE_BUTTON_TAG, "点击取消按钮，调用原继续泊车逻辑："
                                               "    self.baseAction = .removeAllStackAlert()\n"
                                               "    LogManager.print(\n"
                                               "        \"Btn 0b111011 on RESUME_BUTTON_RESUME\", level: .information)\n"
                                               "    // 再開ダイアログOKボタン押下通知\n"
                                               "    self.userOperationModel.notifyUserOperation(userOperationKind: .NOTIFY_RESTART_DIALOG_OK)\n"
                                               "    // 待機中のフラグを立てる\n"
                                               "    self.isWaitingAfterResume = true\n"
                                               "    // CSRからの画面要求を待つためにインジケーターを表示して待機\n"
                                               "    self.baseAction = .setIndicator");
                       TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/jieshutirmalunesko/alert/quxiao");
                       self->baseAction.send(BaseAction::removeAllStackAlert{});
                       logInfo("Btn 0b111011 on RESUME_BUTTON_RESUME", "displayWarnConfirmation(reqDisplayId:causeId:)");
                       self->userOperationModel->notifyUserOperation(UserOperationKind::NOTIFY_RESTART_DIALOG_OK{});
                       self->isWaitingAfterResume_ = true;
                       self->baseAction.send(BaseAction::setIndicator{});
                   }),
    };
    myLog(CLOSE_BUTTON_TAG, "添加三个按钮到弹窗，原逻辑中此处没有主动展示弹窗的代码");
    return actions;
}

void BaseViewModel::displayWarnConfirmation(InAppWarningKind appWarningKind)
{
    loopChecker_.check(typeid(*this));
    if (isWaitingAfterWarnConfirmation)
        return;
    auto self = shared_from_this();
    AlertActions actions;
    switch (appWarningKind) {
    case InAppWarningKind::overrideOperations:
        actions = {makeAction(R::string::localizable::OverrideOperations_Button_YES(textLanguages()), CustomAlertControllerAction::defaultAction,
                              [self] { self->updateDisplayOutsideSdkControl(); }),
                   makeAction(R::string::localizable::OverrideOperations_Button_CANCEL(textLanguages()), CustomAlertControllerAction::cancel,
                              [self] { self->tapOverridePopupButtonFinish(); })};
        break;
    case InAppWarningKind::cancelConfrim:
        actions = {makeAction(R::string::localizable::CancelConfirm_Button_YES(textLanguages()), CustomAlertControllerAction::defaultAction,
                              [self] { self->tapCancelConfirmationPopupButtonYes(); }),
                   makeAction(R::string::localizable::CancelConfirm_Button_NO(textLanguages()), CustomAlertControllerAction::cancel,
                              [self] { self->tapCancelConfirmationPopupButtonNo(); })};
        break;
    case InAppWarningKind::timedOutRequestIDWaiting:
        actions = {makeAction(R::string::localizable::RequestIDWaiting_TimeOut_Cancel(textLanguages()), CustomAlertControllerAction::cancel,
                              [self] { self->displayWarnConfirmation(InAppWarningKind::cancelConfrim); }),
                   makeAction(R::string::localizable::RequestIDWaiting_TimeOut_OK(textLanguages()), CustomAlertControllerAction::defaultAction,
                              [self] { self->answerRequestIdTimeout(); })};
        break;
    default:
        break;
    }
    baseAction.send(BaseAction::showAlertInApp{appWarningKind, std::move(actions)});
}

void BaseViewModel::answerRequestIdTimeout()
{
    baseAction.send(BaseAction::removeAllStackAlert{});
    userOperationModel->notifyUserOperation(UserOperationKind::NOTIFY_CANNOT_START{});
    TerminalStore::shared()->isTimedOut = false;
    baseAction.send(BaseAction::setIndicator{});
}

void BaseViewModel::tapCancelConfirmationPopupButtonYes()
{
    logInfo("Act 0 on ParkingViewController.tabStop", "tapCancelConfirmationPopupButtonYes()");
    baseAction.send(BaseAction::removeAllStackAlert{});
    userOperationModel->notifyUserOperation(UserOperationKind::REQ_CANCEL{});
    isWaitingAfterWarnConfirmation = true;
    baseAction.send(BaseAction::setIndicator{});
    isShowStopConfirmation = false;
    displayLockChanged(true);
}

void BaseViewModel::tapCancelConfirmationPopupButtonNo()
{
    isShowStopConfirmation = false;
    baseAction.send(BaseAction::removeStack{DisplayPriority::stopConfirmation});
    if (!isOneOf(latestReqDisplayId, {RESUME, HALT}))
        routeLatestAgain();
    displayLockChanged(false);
}

void BaseViewModel::updateDisplayOutsideSdkControl()
{
    isShowStopConfirmation = false;
    baseAction.send(BaseAction::removeStack{DisplayPriority::stopConfirmation});
    endOverrideAnswer();
}

void BaseViewModel::tapOverridePopupButtonFinish()
{
    isShowStopConfirmation = false;
    displayModel->notifyDisplayOutsideSdkControl(false);
    logInfo("Act 0 on ParkingViewController.tabStop", "tapOverridePopupButtonFinish()");
    baseAction.send(BaseAction::removeAllStackAlert{});
    userOperationModel->notifyUserOperation(UserOperationKind::REQ_CANCEL{});
    endOverrideAnswer();
}

void BaseViewModel::endOverrideAnswer()
{
    if (latestReqDisplayId == SENSING) {
        displayModel->notifyDisplayOutsideSdkControl(false);
        routeLatestAgain();
        return;
    }
    displayModel->notifyDisplayOutsideSdkControl(true);
    isWaitingResumeAfterOverride = true;
    TerminalStore::shared()->isInterrupted = true;
    baseAction.send(BaseAction::setIndicator{});
    displayLockChanged(true);
}

void BaseViewModel::routeLatestAgain()
{
    transition(latestReqDisplayId, latestCauseId);
}

void BaseViewModel::displayLockChanged(bool) {}

// Leaving and restarting

void BaseViewModel::exitAppCycle()
{
    loopChecker_.check(typeid(*this));
    logInfo("==================== アプリ内の操作でアプリを終了させるときの処理開始 ====================", "exitAppCycle()");
    baseAction.send(BaseAction::setIndicator{});
    sdkModel->requestFinishSdk();
    auto store = TerminalStore::shared();
    if ((store->terminal() || store->targetTerminalUdid()) && store->isActOn && !store->isConnected())
        store->reopen();
    auto self = shared_from_this();
    foundation::RunLoop::main().scheduleTimer(EXIT_CLOSE_DELAY, false, [self](foundation::Timer& timer) {
        timer.invalidate();
        TerminalStore::shared()->shutdownTerminal([self] {
            TolvaneIntegrationAppAppDelegate::releaseLink();
            self->baseAction.send(BaseAction::terminateAllViewControllers{});
        });
    });
}

void BaseViewModel::popToRootAndRestart()
{
    loopChecker_.check(typeid(*this));
    // The worker centres go only after the link is shut, so that the closing of the streams they
    // carry still runs.
    auto router = transitionManager;
    TerminalStore::shared()->shutdownTerminal([router] {
        TolvaneIntegrationAppAppDelegate::releaseLink();
        TolvaneIntegrationAppAppDelegate::startLink(*TerminalStore::shared());
        router->setCurrentDisplay(DisplayType::none);
        myLog("页面迁移", "返回到第一个页面", false, "popToRootViewController()");
        if (const auto& navigationController = TolvaneIntegrationAppHelper::shared().navigationController)
            router->popToRootViewController(*navigationController);
    });
}

// Link events

void BaseViewModel::terminalOpenWillStart()
{
    if (showsIndicatorOnOpening())
        baseAction.send(BaseAction::setIndicator{});
}

void BaseViewModel::terminalOpenDidSucceed()
{
    baseAction.send(BaseAction::hideIndicator{});
}

void BaseViewModel::terminalOpenDidFail()
{
    onConnectionFailure();
}

void BaseViewModel::terminalErrorOccurred(const std::string&) {}

void BaseViewModel::terminalSessionDidEnd()
{
    onSessionDidEndEncounter();
}

void BaseViewModel::terminalCloseDidTimeOut()
{
    onSessionCloseTimeout();
}

void BaseViewModel::onConnectionFailure()
{
    transitionToWarn(false, CauseId::CAN_LOSS);
}

void BaseViewModel::reconnectSelectedCar()
{
    startTerminalConnection(0, true);
}

void BaseViewModel::startTerminalConnection(int64_t retryCount, bool useStoredRetryCount)
{
    loopChecker_.check(typeid(*this));
    auto store = TerminalStore::shared();
    if (store->isConnected())
        return;
    const auto& selected = CarRecordStore::shared().selectedCarRecord;
    if (!selected)
        return;
    store->open(selected->CarID, TerminalStore::ConnectionOpenPattern::first,
                useStoredRetryCount ? UserDefaultsValues::maximumNumberOfRetryOpenSession() : retryCount);
}

void BaseViewModel::showCloseTerminalTimeoutWarn()
{
    recordCloseTerminalTimeout();
    transitionManager->showWarn(InAppWarningKind::timedOutCloseTerminal);
}

void BaseViewModel::recordCloseTerminalTimeout()
{
    EventStack::shared().push(currentHistoryId().copy(), EventCode::N001, selectedCarName());
}

} // namespace tolvane::app
