#include "Class/UI/Base/ViewModel/BaseViewModelPopups.h"

#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/Model/Utility/MyLog.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/CustomAlertAction.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/Operating/ViewModel/IOperatingViewModel.h"

#include "R.h"

#include "Internal/Model/IDisplayModel.h"
#include "Internal/Model/IUserOperationModel.h"
#include "foundation/ClassName.h"
#include "foundation/IsOneOf.h"

#include <string_view>

namespace tolvane::app {
namespace {

using enum RequiredDisplayId;

constexpr std::string_view CLOSE_BUTTON_TAG = "Tolvane 关闭按钮";

using foundation::isOneOf;

// The view model keeps the alert it published, and so its answers: an answer that held the view
// model would keep it, its timers and its screen's alerts alive after the screen closed.
std::shared_ptr<CustomAlertAction> makeAction(std::string title, CustomAlertControllerAction style, std::weak_ptr<BaseViewModel> owner,
                                              std::function<void(BaseViewModel&)> answer)
{
    return std::make_shared<CustomAlertAction>(std::move(title), style, [owner = std::move(owner), answer = std::move(answer)](CustomAlertAction&) {
        if (auto self = owner.lock())
            answer(*self);
    });
}

} // namespace

void BaseViewModelPopups::displayWarnConfirmation(BaseViewModel& viewModel, RequiredDisplayId reqDisplayId, CauseId causeId)
{
    using enum CauseId;
    if (reqDisplayId == STOP)
        return;
    if (viewModel.isWaitingAfterResume()) {
        LogManager::print("中止操作確定後の受信データによる中断ダイアログは抑止する", LogLevel::information, {.function = "displayWarnConfirmation(reqDisplayId:causeId:)"});
        return;
    }
    AlertActions actions;
    std::weak_ptr<BaseViewModel> weak = viewModel.weak_from_this();
    auto resumeButton = [&] {
        return makeAction(R::string::localizable::Interrupt_Button_OK(textLanguages()), CustomAlertControllerAction::defaultAction,
                          weak, [reqDisplayId, causeId](BaseViewModel& self) { answerHaltResume(self, reqDisplayId, causeId); });
    };
    if (reqDisplayId == RESUME) {
        actions = resumePopupActions(viewModel);
    } else if (reqDisplayId == HALT) {
        if (causeId == CAN_LOSS)
            return;
        if (isOneOf(causeId, {KEYS_NO_DETECT, ABNORMAL_KEY_IN_CAR})) {
            if (viewModel.skipsKeyHaltPopup())
                return;
            actions = {resumeButton()};
        } else if (causeId == ABNORMAL_CONNECT_BATTERY) {
            if (viewModel.skipsKeyHaltPopup())
                return;
        } else if (causeId == WRONG_WAY) {
            actions = {resumeButton()};
        } else if (!isOneOf(causeId, {BT_LOSS, KEY_IN_CAR, COUNTER_ANOMALY, CHECKSUM_ANOMALY, BT_OFF, DCUCSRER_INTERRUPT,
                                      DCUIDTER_INTERRUPT})) {
            actions = {makeAction(R::string::localizable::Interrupt_Button_Cancel(textLanguages()), CustomAlertControllerAction::cancel,
                                  weak, [](BaseViewModel& self) { self.displayWarnConfirmation(InAppWarningKind::cancelConfrim); })};
        }
    }
    viewModel.baseAction.send(BaseAction::addStack{reqDisplayId, causeId, std::move(actions)});
    viewModel.baseAction.send(BaseAction::removeOtherStack{reqDisplayId, causeId});
}

void BaseViewModelPopups::answerHaltResume(BaseViewModel& viewModel, RequiredDisplayId reqDisplayId, CauseId causeId)
{
    viewModel.userOperationModel->notifyUserOperation(UserOperationKind::NOTIFY_CANNOT_START{});
    if (causeId == CauseId::WRONG_WAY)
        viewModel.excludeReqDisplayId = reqDisplayId;
    else
        viewModel.excludeCauseId = causeId;
    viewModel.baseAction.send(BaseAction::setIndicator{});
}

AlertActions BaseViewModelPopups::resumePopupActions(BaseViewModel& viewModel)
{
    myLog(CLOSE_BUTTON_TAG, "收到 RESUME");
    std::weak_ptr<BaseViewModel> weak = viewModel.weak_from_this();
    AlertActions actions{
        makeAction("关闭车辆电源", CustomAlertControllerAction::defaultAction,
                   weak, [](BaseViewModel& self) {
                       myLog(CLOSE_BUTTON_TAG,
                             "点击关闭车辆电源按钮，调用self?.displayWarnConfirmation(appWarningKind: InAppWarningKind.cancelConfrim)");
                       TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/jieshutirmalunesko/alert/guanbicheliangdianyuan");
                       self.displayWarnConfirmation(InAppWarningKind::cancelConfrim);
                   }),
        makeAction("我要上车", CustomAlertControllerAction::defaultAction,
                   weak, [](BaseViewModel& self) {
                       myLog(CLOSE_BUTTON_TAG, "点击我要上车按钮，调用原有的结束泊车逻辑： self.displayWarnConfirmation(appWarningKind: .cancelConfrim)");
                       TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/jieshutirmalunesko/alert/woyaoshangche");
                       if (auto* operating = dynamic_cast<IOperatingViewModel*>(&self)) {
                           myLog(CLOSE_BUTTON_TAG, "调用operatingModel.didRequestEndHalfway()");
                           operating->didRequestEndHalfway();
                       } else {
                           const auto& current = self;
                           myLog(CLOSE_BUTTON_TAG, "转换为 IOperatingViewModel 失败，当前 viewModel 是 " + foundation::className(typeid(current)));
                       }
                   }),
        makeAction("取消", CustomAlertControllerAction::defaultAction,
                   weak, [](BaseViewModel& self) {
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
                       self.baseAction.send(BaseAction::removeAllStackAlert{});
                       LogManager::print("Btn 0b111011 on RESUME_BUTTON_RESUME", LogLevel::information, {.function = "displayWarnConfirmation(reqDisplayId:causeId:)"});
                       self.userOperationModel->notifyUserOperation(UserOperationKind::NOTIFY_RESTART_DIALOG_OK{});
                       self.setWaitingAfterResume(true);
                       self.baseAction.send(BaseAction::setIndicator{});
                   }),
    };
    myLog(CLOSE_BUTTON_TAG, "添加三个按钮到弹窗，原逻辑中此处没有主动展示弹窗的代码");
    return actions;
}

void BaseViewModelPopups::displayWarnConfirmation(BaseViewModel& viewModel, InAppWarningKind appWarningKind)
{
    if (viewModel.isWaitingAfterWarnConfirmation)
        return;
    std::weak_ptr<BaseViewModel> weak = viewModel.weak_from_this();
    AlertActions actions;
    switch (appWarningKind) {
    case InAppWarningKind::overrideOperations:
        actions = {makeAction(R::string::localizable::OverrideOperations_Button_YES(textLanguages()), CustomAlertControllerAction::defaultAction,
                              weak, [](BaseViewModel& self) { self.updateDisplayOutsideSdkControl(); }),
                   makeAction(R::string::localizable::OverrideOperations_Button_CANCEL(textLanguages()), CustomAlertControllerAction::cancel,
                              weak, [](BaseViewModel& self) { self.tapOverridePopupButtonFinish(); })};
        break;
    case InAppWarningKind::cancelConfrim:
        actions = {makeAction(R::string::localizable::CancelConfirm_Button_YES(textLanguages()), CustomAlertControllerAction::defaultAction,
                              weak, [](BaseViewModel& self) { self.tapCancelConfirmationPopupButtonYes(); }),
                   makeAction(R::string::localizable::CancelConfirm_Button_NO(textLanguages()), CustomAlertControllerAction::cancel,
                              weak, [](BaseViewModel& self) { self.tapCancelConfirmationPopupButtonNo(); })};
        break;
    case InAppWarningKind::timedOutRequestIDWaiting:
        actions = {makeAction(R::string::localizable::RequestIDWaiting_TimeOut_Cancel(textLanguages()), CustomAlertControllerAction::cancel,
                              weak, [](BaseViewModel& self) { self.displayWarnConfirmation(InAppWarningKind::cancelConfrim); }),
                   makeAction(R::string::localizable::RequestIDWaiting_TimeOut_OK(textLanguages()), CustomAlertControllerAction::defaultAction,
                              weak, [](BaseViewModel& self) { answerRequestIdTimeout(self); })};
        break;
    default:
        break;
    }
    viewModel.baseAction.send(BaseAction::showAlertInApp{appWarningKind, std::move(actions)});
}

void BaseViewModelPopups::answerRequestIdTimeout(BaseViewModel& viewModel)
{
    viewModel.baseAction.send(BaseAction::removeAllStackAlert{});
    viewModel.userOperationModel->notifyUserOperation(UserOperationKind::NOTIFY_CANNOT_START{});
    TerminalStore::shared()->isTimedOut = false;
    viewModel.baseAction.send(BaseAction::setIndicator{});
}

void BaseViewModelPopups::tapCancelConfirmationPopupButtonYes(BaseViewModel& viewModel)
{
    LogManager::print("Act 0 on ParkingViewController.tabStop", LogLevel::information, {.function = "tapCancelConfirmationPopupButtonYes()"});
    viewModel.baseAction.send(BaseAction::removeAllStackAlert{});
    viewModel.userOperationModel->notifyUserOperation(UserOperationKind::REQ_CANCEL{});
    viewModel.isWaitingAfterWarnConfirmation = true;
    viewModel.baseAction.send(BaseAction::setIndicator{});
    viewModel.isShowStopConfirmation = false;
    viewModel.displayLockChanged(true);
}

void BaseViewModelPopups::tapCancelConfirmationPopupButtonNo(BaseViewModel& viewModel)
{
    viewModel.isShowStopConfirmation = false;
    viewModel.baseAction.send(BaseAction::removeStack{DisplayPriority::stopConfirmation});
    if (!isOneOf(viewModel.latestReqDisplayId, {RESUME, HALT}))
        routeLatestAgain(viewModel);
    viewModel.displayLockChanged(false);
}

void BaseViewModelPopups::updateDisplayOutsideSdkControl(BaseViewModel& viewModel)
{
    viewModel.isShowStopConfirmation = false;
    viewModel.baseAction.send(BaseAction::removeStack{DisplayPriority::stopConfirmation});
    endOverrideAnswer(viewModel);
}

void BaseViewModelPopups::tapOverridePopupButtonFinish(BaseViewModel& viewModel)
{
    viewModel.isShowStopConfirmation = false;
    viewModel.displayModel->notifyDisplayOutsideSdkControl(false);
    LogManager::print("Act 0 on ParkingViewController.tabStop", LogLevel::information, {.function = "tapOverridePopupButtonFinish()"});
    viewModel.baseAction.send(BaseAction::removeAllStackAlert{});
    viewModel.userOperationModel->notifyUserOperation(UserOperationKind::REQ_CANCEL{});
    endOverrideAnswer(viewModel);
}

void BaseViewModelPopups::endOverrideAnswer(BaseViewModel& viewModel)
{
    if (viewModel.latestReqDisplayId == SENSING) {
        viewModel.displayModel->notifyDisplayOutsideSdkControl(false);
        routeLatestAgain(viewModel);
        return;
    }
    viewModel.displayModel->notifyDisplayOutsideSdkControl(true);
    viewModel.isWaitingResumeAfterOverride = true;
    TerminalStore::shared()->isInterrupted = true;
    viewModel.baseAction.send(BaseAction::setIndicator{});
    viewModel.displayLockChanged(true);
}

void BaseViewModelPopups::routeLatestAgain(BaseViewModel& viewModel)
{
    viewModel.transition(viewModel.latestReqDisplayId, viewModel.latestCauseId);
}

} // namespace tolvane::app
