#pragma once

#include "application/ScreenFramework/ApplicationTest.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/UI/Base/View/TolvaneBaseViewController.h"

#include "ui/NavigationController.h"
#include "ui/TouchDriver.h"
#include "ui/View.h"

#include "application/support/ScopedDocumentsFolder.h"

#include <memory>
#include <string>

namespace screen_testing {

// The application's screens over the link harness, with a documents folder and a car list of
// their own, the first screen shown and the registration flow ready to be presented over it.
class RegistrationFlowTest : public ApplicationTest {
protected:
    RegistrationFlowTest()
    {
        CarRecordStore::destroyShared();
        showStack();
    }
    ~RegistrationFlowTest() override { CarRecordStore::destroyShared(); }

    static void registerCar(const std::string& carID, const std::string& name)
    {
        CarRecordStore::shared().addCarRecord({.CarID = carID, .CarImagePath = "", .CarName = name, .CreateDate = "2026/01/02 03:04:05",
                                               .UpdateDate = "2026/01/02 03:04:05"});
    }

    ui::NavigationController& registrationStack() { return transitionManager->getTopNavigationController(*stack); }

    template <class Controller>
    std::shared_ptr<Controller> shown()
    {
        return std::dynamic_pointer_cast<Controller>(registrationStack().viewControllers().back());
    }

    template <class Controller>
    size_t countInStack()
    {
        size_t count = 0;
        for (const auto& controller : registrationStack().viewControllers())
            count += dynamic_cast<Controller*>(controller.get()) != nullptr;
        return count;
    }

    void openDevices()
    {
        transitionManager->showRegistrationDevices();
        settle();
    }

    // A tap at the middle of `view`, as a finger makes it.
    void tap(const ui::View& view)
    {
        ui::TouchDriver(*window).tap(view.convert(view.bounds(), nullptr).center());
        time.runUntilIdle();
    }

    // The unit accepts the phone's connection, and the opened link reports back.
    void acceptLink()
    {
        time.advance(0.02);
        ASSERT_TRUE(unit->accept());
        time.advance(0.02);
        time.runUntilIdle();
    }

    testing_support::ScopedDocumentsFolder documents;
};

} // namespace screen_testing
