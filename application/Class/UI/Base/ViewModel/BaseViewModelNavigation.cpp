#include "Class/UI/Base/ViewModel/BaseViewModelNavigation.h"

#include "Class/Model/ITransitionManager.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/SharedObject/AppEventHandler.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"
#include "Class/UI/Base/ViewModel/BaseViewModel.h"

#include "foundation/NotificationCenter.h"
#include "ui/NavigationController.h"

namespace tolvane::app {

void BaseViewModelNavigation::addTransitToBlankObserver(BaseViewModel& viewModel)
{
    // A HALT held back by an earlier Resume answer stays held back only for that appearance; the
    // container keeps some view models for the life of the process.
    viewModel.excludeReqDisplayId = RequiredDisplayId::DEF;
    viewModel.excludeCauseId = CauseId::DEF;

    TerminalStore::shared()->setDelegate(viewModel.shared_from_this());
    auto observation = std::make_shared<foundation::NotificationCenter::Observation>(
        foundation::NotificationCenter::defaultCenter().addObserver(AppEventHandler::shared().eventTransitToBlank,
                                                                    [router = viewModel.transitionManager] { router->showBlank(); }));
    viewModel.cancellables.insert(rx::Cancellable([observation] { observation->reset(); }));
    viewModel.setBinding();
    if (viewModel.toSettings) {
        viewModel.toSettings = false;
        viewModel.transitionManager->showSettings();
    }
}

void BaseViewModelNavigation::setupNavigationBar(BaseViewModel& viewModel)
{
    viewModel.baseAction.send(BaseAction::setNavigationBarHidden{viewModel.isNavigationBarHidden()});
    if (viewModel.showsLeaveButton())
        viewModel.baseAction.send(BaseAction::setNavigationBarLeftButton{});
    if (viewModel.showsSettingButton())
        viewModel.baseAction.send(BaseAction::setNavigationBarSettingButton{});
    if (viewModel.showsExitButton()) {
        viewModel.isWaitingAfterWarnConfirmation = false;
        viewModel.baseAction.send(BaseAction::setNavigationBarExitButton{});
    }
}

void BaseViewModelNavigation::popTopViewController(BaseViewModel& viewModel)
{
    if (const auto& navigationController = TolvaneIntegrationAppHelper::shared().navigationController)
        viewModel.transitionManager->getTopNavigationController(*navigationController).popViewController(true);
}

} // namespace tolvane::app
