#include "Class/UI/Base/ViewModel/BaseViewModelLinkEvents.h"

#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/SelectedCarName.h"
#include "Class/UI/Base/ViewModel/BaseViewModel.h"

namespace tolvane::app {

void BaseViewModelLinkEvents::terminalOpenWillStart(BaseViewModel& viewModel)
{
    if (viewModel.showsIndicatorOnOpening())
        viewModel.baseAction.send(BaseAction::setIndicator{});
}

void BaseViewModelLinkEvents::terminalOpenDidSucceed(BaseViewModel& viewModel)
{
    viewModel.baseAction.send(BaseAction::hideIndicator{});
}

void BaseViewModelLinkEvents::onConnectionFailure(BaseViewModel& viewModel)
{
    viewModel.transitionToWarn(false, CauseId::CAN_LOSS);
}

void BaseViewModelLinkEvents::showCloseTerminalTimeoutWarn(BaseViewModel& viewModel)
{
    recordCloseTerminalTimeout();
    viewModel.transitionManager->showWarn(InAppWarningKind::timedOutCloseTerminal);
}

void BaseViewModelLinkEvents::recordCloseTerminalTimeout()
{
    EventStack::shared().push(currentHistoryId().copy(), EventCode::N001, selectedCarName());
}

} // namespace tolvane::app
