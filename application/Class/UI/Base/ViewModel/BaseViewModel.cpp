#include "Class/UI/Base/ViewModel/BaseViewModel.h"

#include "Class/Model/ITransitionManager.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/UI/Base/ViewModel/BaseViewModelLinkControl.h"
#include "Class/UI/Base/ViewModel/BaseViewModelLinkEvents.h"
#include "Class/UI/Base/ViewModel/BaseViewModelNavigation.h"
#include "Class/UI/Base/ViewModel/BaseViewModelPopups.h"
#include "Class/UI/Base/ViewModel/BaseViewModelRouting.h"

#include "Internal/Model/ICautionData.h"
#include "Internal/Model/IDisplayData.h"
#include "rx/Publisher.h"

namespace tolvane::app {

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
    BaseViewModelNavigation::addTransitToBlankObserver(*this);
}

void BaseViewModel::setupNavigationBar()
{
    BaseViewModelNavigation::setupNavigationBar(*this);
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
    BaseViewModelNavigation::popTopViewController(*this);
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
