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
#include "Class/UI/Base/ViewModel/BaseViewModelLinkControl.h"
#include "Class/UI/Base/ViewModel/BaseViewModelLinkEvents.h"
#include "Class/UI/Base/ViewModel/BaseViewModelPopups.h"
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

using foundation::isOneOf;

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
    BaseViewModelPopups::displayWarnConfirmation(*this, reqDisplayId, causeId);
}

void BaseViewModel::displayWarnConfirmation(InAppWarningKind appWarningKind)
{
    loopChecker_.check(typeid(*this));
    BaseViewModelPopups::displayWarnConfirmation(*this, appWarningKind);
}

void BaseViewModel::tapCancelConfirmationPopupButtonYes()
{
    BaseViewModelPopups::tapCancelConfirmationPopupButtonYes(*this);
}

void BaseViewModel::tapCancelConfirmationPopupButtonNo()
{
    BaseViewModelPopups::tapCancelConfirmationPopupButtonNo(*this);
}

void BaseViewModel::updateDisplayOutsideSdkControl()
{
    BaseViewModelPopups::updateDisplayOutsideSdkControl(*this);
}

void BaseViewModel::tapOverridePopupButtonFinish()
{
    BaseViewModelPopups::tapOverridePopupButtonFinish(*this);
}

void BaseViewModel::displayLockChanged(bool) {}

// Leaving and restarting

void BaseViewModel::exitAppCycle()
{
    loopChecker_.check(typeid(*this));
    BaseViewModelLinkControl::exitAppCycle(*this);
}

void BaseViewModel::popToRootAndRestart()
{
    loopChecker_.check(typeid(*this));
    BaseViewModelLinkControl::popToRootAndRestart(*this);
}

// Link events

void BaseViewModel::terminalOpenWillStart()
{
    BaseViewModelLinkEvents::terminalOpenWillStart(*this);
}

void BaseViewModel::terminalOpenDidSucceed()
{
    BaseViewModelLinkEvents::terminalOpenDidSucceed(*this);
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
    BaseViewModelLinkEvents::onConnectionFailure(*this);
}

void BaseViewModel::reconnectSelectedCar()
{
    startTerminalConnection(0, true);
}

void BaseViewModel::startTerminalConnection(int64_t retryCount, bool useStoredRetryCount)
{
    loopChecker_.check(typeid(*this));
    BaseViewModelLinkControl::startTerminalConnection(retryCount, useStoredRetryCount);
}

void BaseViewModel::showCloseTerminalTimeoutWarn()
{
    BaseViewModelLinkEvents::showCloseTerminalTimeoutWarn(*this);
}

void BaseViewModel::recordCloseTerminalTimeout()
{
    BaseViewModelLinkEvents::recordCloseTerminalTimeout();
}

} // namespace tolvane::app
