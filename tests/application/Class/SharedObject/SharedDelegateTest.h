#pragma once

#include "application/ScreenFramework/ApplicationTest.h"

#include "Class/Model/Terminal/TaskCenter.h"
#include "Class/SharedObject/AppEventHandler.h"
#include "Class/SharedObject/TolvaneIntegrationAppAppDelegate.h"

#include "ui/Application.h"

#include <memory>
#include <string>
#include <vector>

namespace screen_testing {

// The shared delegate exists before the fixture registers its fakes, so that the framework's own
// registrations, made when the delegate is first built, never replace them.
struct SharedDelegateFirst {
    SharedDelegateFirst() { AppEventHandler::eventHandlerDelegate(); }
};

// The shared delegate behind the lifecycle observer, with the platform's application object driven
// by the test, and the link's worker centres started on the fixture's loops.
class SharedDelegateTest : private SharedDelegateFirst, public ApplicationTest {
protected:
    SharedDelegateTest()
    {
        firstCenters = {DataTransmissionCenter::shared(), DataReceiveCenter::shared()};
        TolvaneIntegrationAppAppDelegate::setThreadStarter([this](TaskCenter& center) { start(center); });
        ui::Application::shared().reset();
        AppEventHandler::shared().startObserving();
    }
    ~SharedDelegateTest() override
    {
        AppEventHandler::shared().removeObserver();
        TolvaneIntegrationAppAppDelegate::setThreadStarter(nullptr);
        ui::Application::shared().reset();
        delegate->isBackground.send(false);
    }

    // The fixture's loops already run the first centres; later ones start on the same loops.
    void start(TaskCenter& center)
    {
        const bool sending = dynamic_cast<DataTransmissionCenter*>(&center) != nullptr;
        started.push_back(sending ? "send" : "receive");
        auto self = center.shared_from_this();
        if (self == firstCenters[0] || self == firstCenters[1])
            return;
        (sending ? sendLoop : receiveLoop)->post([self] { self->validate(); });
    }

    std::shared_ptr<TolvaneIntegrationAppAppDelegate> delegate = AppEventHandler::eventHandlerDelegate();
    std::vector<std::shared_ptr<TaskCenter>> firstCenters;
    std::vector<std::string> started;
};

} // namespace screen_testing
