#include "Class/UI/Base/ViewModel/BaseViewModelLinkControl.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/UserDefaultsValues.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/Model/Utility/MyLog.h"
#include "Class/SharedObject/TolvaneIntegrationAppAppDelegate.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"
#include "Class/UI/Base/ViewModel/BaseViewModel.h"

#include "Internal/Model/ISdkModel.h"
#include "foundation/RunLoop.h"

namespace tolvane::app {

void BaseViewModelLinkControl::startTerminalConnection(int64_t retryCount, bool useStoredRetryCount)
{
    auto store = TerminalStore::shared();
    if (store->isConnected())
        return;
    const auto& selected = CarRecordStore::shared().selectedCarRecord;
    if (!selected)
        return;
    store->open(selected->CarID, TerminalStore::ConnectionOpenPattern::first,
                useStoredRetryCount ? UserDefaultsValues::maximumNumberOfRetryOpenSession() : retryCount);
}

void BaseViewModelLinkControl::exitAppCycle(BaseViewModel& viewModel)
{
    LogManager::print("==================== アプリ内の操作でアプリを終了させるときの処理開始 ====================",
                      LogLevel::information, {.function = "exitAppCycle()"});
    viewModel.baseAction.send(BaseAction::setIndicator{});
    viewModel.sdkModel->requestFinishSdk();
    auto store = TerminalStore::shared();
    if ((store->terminal() || store->targetTerminalUdid()) && store->isActOn && !store->isConnected())
        store->reopen();
    auto self = viewModel.shared_from_this();
    foundation::RunLoop::main().scheduleTimer(BaseViewModel::EXIT_CLOSE_DELAY, false, [self](foundation::Timer& timer) {
        timer.invalidate();
        TerminalStore::shared()->shutdownTerminal([self] {
            TolvaneIntegrationAppAppDelegate::releaseLink();
            self->baseAction.send(BaseAction::terminateAllViewControllers{});
        });
    });
}

void BaseViewModelLinkControl::popToRootAndRestart(BaseViewModel& viewModel)
{
    // The worker centres go only after the link is shut, so that the closing of the streams they
    // carry still runs.
    auto router = viewModel.transitionManager;
    TerminalStore::shared()->shutdownTerminal([router] {
        TolvaneIntegrationAppAppDelegate::releaseLink();
        TolvaneIntegrationAppAppDelegate::startLink(*TerminalStore::shared());
        router->setCurrentDisplay(DisplayType::none);
        myLog("页面迁移", "返回到第一个页面", false, "popToRootViewController()");
        if (const auto& navigationController = TolvaneIntegrationAppHelper::shared().navigationController)
            router->popToRootViewController(*navigationController);
    });
}

} // namespace tolvane::app
