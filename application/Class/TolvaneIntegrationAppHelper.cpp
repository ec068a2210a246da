#include "Class/TolvaneIntegrationAppHelper.h"

#include "Class/Model/ModelDataAssembly.h"
#include "Class/Model/ViewAssembly.h"
#include "Class/Model/ViewModelAssembly.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/Model/Utility/MEKELCLoger.h"
#include "Class/Model/Utility/MyLog.h"
#include "Class/SharedObject/AppEventHandler.h"
#include "Class/SharedObject/TapEventReceiver.h"
#include "Class/SharedObject/TolvaneIntegrationAppAppDelegate.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"

#include "R.h"

#include "di/Container.h"
#include "foundation/FatalError.h"
#include "foundation/StandardLocations.h"

#include <cstdlib>

namespace tolvane::app {

TolvaneIntegrationAppHelper::TolvaneIntegrationAppHelper()
    : eventReceiver(std::make_shared<TapEventReceiver>()),
      assember({std::make_shared<ViewAssembly>(), std::make_shared<ViewModelAssembly>(),
                std::make_shared<ModelDataAssembly>()},
               di::Container::defaultContainer())
{
}

TolvaneIntegrationAppHelper& TolvaneIntegrationAppHelper::shared()
{
    // Never destroyed: the screens may reach it up to the process's end.
    static auto* helper = new TolvaneIntegrationAppHelper;
    return *helper;
}

void TolvaneIntegrationAppHelper::prepare()
{
    const auto delegate = AppEventHandler::eventHandlerDelegate();
    delegate->application();
    delegate->applicationDidBecomeActive();
}

TolvaneIntegrationAppHelper& TolvaneIntegrationAppHelper::initHelper()
{
    auto& helper = shared();
    prepare();
    return helper;
}

std::shared_ptr<ui::ViewController> TolvaneIntegrationAppHelper::getPreConfirmationViewController()
{
    shared();
    prepare();
    return R::storyboard::preConfirmation.instantiateInitialViewController();
}

std::shared_ptr<ui::ViewController> TolvaneIntegrationAppHelper::getMainViewController(const std::shared_ptr<ui::Window>&)
{
    LogManager::print("111111 --- 测试 log", LogLevel::information, {.function = "getMainViewController(_:)"});
    auto& helper = shared();
    auto root = R::storyboard::preConfirmation.instantiateInitialViewController();
    if (!root)
        foundation::fatalError("the storyboard \"PreConfirmation\" has no initial screen");
    auto navigationController = std::make_shared<BaseUINavigationController>(root);
    navigationController->setModalPresentationStyle(ui::ModalPresentationStyle::fullScreen);
    helper.navigationController = navigationController;
    return navigationController;
}

std::shared_ptr<ui::ViewController> TolvaneIntegrationAppHelper::firstViewControlloer()
{
    return R::storyboard::firstRegistration.instantiateInitialViewController();
}

void TolvaneIntegrationAppHelper::reopenTolvane()
{
    AppEventHandler::shared().startObserving();
    AppEventHandler::eventHandlerDelegate()->applicationDidBecomeActive();
}

void TolvaneIntegrationAppHelper::sendStatisticsEvent(const std::string& key)
{
    if (const auto& block = shared().statisticsActionBlockAction)
        block({{"key", key}});
}

void TolvaneIntegrationAppHelper::exportLog(const std::shared_ptr<ui::ViewController>&)
{
    const char* configured = std::getenv("TOLVANE_LOG_EXPORT_FILE");
    MEKELCLoger::exportLogFiles(configured ? configured : foundation::documentsDirectory() + "/TolvaneControl_logs.log");
}

void TolvaneIntegrationAppHelper::willEnterForeground()
{
    AppEventHandler::eventHandlerDelegate()->applicationWillEnterForeground();
}

void TolvaneIntegrationAppHelper::didBecomeActive()
{
    AppEventHandler::eventHandlerDelegate()->applicationDidBecomeActive();
}

void TolvaneIntegrationAppHelper::didEnterBackground()
{
    AppEventHandler::eventHandlerDelegate()->applicationDidEnterBackground();
}

void TolvaneIntegrationAppHelper::willResignActive()
{
    AppEventHandler::eventHandlerDelegate()->applicationWillResignActive();
}

void TolvaneIntegrationAppHelper::willTerminate()
{
    myLog("App 生命周期", "willTerminate");
    AppEventHandler::eventHandlerDelegate()->applicationWillTerminate();
}

} // namespace tolvane::app
