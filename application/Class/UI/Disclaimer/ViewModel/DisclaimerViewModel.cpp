#include "Class/UI/Disclaimer/ViewModel/DisclaimerViewModel.h"

#include "Class/Model/ITransitionManager.h"
#include "Class/Model/RunExit.h"
#include "Class/Model/UserDefaultsValues.h"

#include "Internal/Model/IDisplayModel.h"
#include "foundation/RunLoop.h"

namespace tolvane::app {

DisclaimerViewModel::DisclaimerViewModel(BaseViewModelInjection injection) : BaseViewModel(std::move(injection)) {}

void DisclaimerViewModel::onConnectionFailure()
{
    std::weak_ptr<BaseViewModel> weak = weak_from_this();
    foundation::RunLoop::main().post([weak] {
        if (const auto self = weak.lock())
            self->startTerminalConnection(UserDefaultsValues::maximumNumberOfRetryOpenSession(), true);
    });
}

void DisclaimerViewModel::onViewDidAppear()
{
    action.send(DisclaimerAction::showDisclaimerPop{});
    startTerminalConnection(UserDefaultsValues::maximumNumberOfRetryOpenSession(), true);
    displayModel->notifyWaitingConnectConfirm();
}

void DisclaimerViewModel::agree()
{
    action.send(DisclaimerAction::dismiss{[router = transitionManager] { router->showTouchPreConfirmation(); }});
}

void DisclaimerViewModel::exitFeature()
{
    closeRunAndEnd(EventCode::E003, std::static_pointer_cast<IBaseViewModel>(shared_from_this()));
}

} // namespace tolvane::app
