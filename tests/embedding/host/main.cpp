// A host program of the application: it prepares the feature through the embedding entry, takes
// its main screen, receives a statistics event, forwards its own lifecycle events and ends the
// feature's link threads before it exits.

#include "Class/Model/Terminal/DataReceiveCenter.h"
#include "Class/Model/Terminal/DataTransmissionCenter.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"

#include "foundation/QtRunLoop.h"
#include "ui/ViewController.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QThread>

#include <cstdio>
#include <memory>
#include <string>

using tolvane::app::TolvaneIntegrationAppHelper;

int main(int argc, char** argv)
{
    QGuiApplication qtApplication(argc, argv);
    const foundation::SystemClock clock;
    auto mainLoop = std::make_shared<foundation::QtRunLoop>("main", clock, QThread::currentThread());
    foundation::RunLoop::setMain(mainLoop.get());

    auto& helper = TolvaneIntegrationAppHelper::initHelper();
    std::string event;
    helper.statisticsActionBlockAction = [&event](const auto& dictionary) { event = dictionary.at("key"); };
    const auto mainScreen = TolvaneIntegrationAppHelper::getMainViewController(nullptr);
    TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/title/caidananniu");
    helper.willResignActive();
    helper.didEnterBackground();
    helper.willEnterForeground();
    helper.didBecomeActive();
    helper.willTerminate();

    const bool embedded = mainScreen && mainScreen == helper.navigationController &&
                          helper.navigationController->viewControllers().size() == 1 &&
                          event == "tirmalunesko/title/caidananniu";
    std::printf("main screen %s, statistics event \"%s\"\n", mainScreen ? "shown" : "missing", event.c_str());

    tolvane::app::TerminalStore::destroyShared();
    tolvane::app::DataTransmissionCenter::destroy();
    tolvane::app::DataReceiveCenter::destroy();
    QCoreApplication::processEvents();
    foundation::RunLoop::setMain(nullptr);
    return embedded ? 0 : 1;
}
