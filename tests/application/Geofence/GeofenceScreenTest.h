#pragma once

#include "../ScreenFramework/ApplicationTest.h"
#include "TowerBundle.h"

#include "Class/UI/Geofence/View/GeofencePopups.h"
#include "Class/UI/Geofence/View/GeofenceViewController.h"
#include "Class/UI/TouchPreConfirmation/View/TouchPreConfirmationViewController.h"

#include "foundation/UserDefaults.h"
#include "location/Authorization.h"
#include "ui/ActivityIndicatorView.h"
#include "location/LocationServices.h"
#include "location/ScriptedPositionSource.h"
#include "ui/Application.h"
#include "ui/NavigationController.h"

#include <memory>
#include <string>

namespace geofence_testing {

using location::AuthorizationStatus;
using location::Location;

// One tower of 500 m with a 100 m band, and a fix in each of its zones.
inline const Location warningFix{35.0, 139.0};
inline const Location cautionFix{35.0045, 139.0};
inline const Location safeFix{35.01, 139.0};

// The application over a scripted position source and a configured permission, its stack showing
// the pre-confirmation screen; open() pushes the geofence screen through the router.
class GeofenceScreenTest : public screen_testing::ApplicationTest {
protected:
    explicit GeofenceScreenTest(AuthorizationStatus status = AuthorizationStatus::authorizedWhenInUse,
                                AuthorizationStatus answer = AuthorizationStatus::authorizedWhenInUse)
        : authorization(std::make_shared<location::Authorization>(status, answer))
    {
        location::setPositionSource(source);
        location::setAuthorization(authorization);
        showStack();
    }
    ~GeofenceScreenTest() override
    {
        location::setPositionSource(nullptr);
        location::setAuthorization(nullptr);
        ui::Application::shared().reset();
    }

    // The check starts on the next turn of the main loop, at the current time.
    void open()
    {
        transitionManager->showGeofence();
        geofence = std::dynamic_pointer_cast<tolvane::app::GeofenceViewController>(stack->viewControllers().back());
        ASSERT_TRUE(geofence);
        time.runUntilIdle();
    }

    void advance(double seconds)
    {
        time.advance(seconds);
        time.runUntilIdle();
    }

    void answer(Location fix, double after) { source->answerNextRequest(std::vector<Location>{fix}, after); }

    // What the user sees: the pop-up over the geofence screen, or the screen on top.
    std::string shown() const
    {
        using namespace tolvane::app;
        ui::ViewController* presented = stack->presentedViewController();
        if (dynamic_cast<WarningAreaViewController*>(presented))
            return "warning pop-up";
        if (dynamic_cast<CautionAreaViewController*>(presented))
            return "caution pop-up";
        if (dynamic_cast<FailedGPSViewController*>(presented))
            return "GPS pop-up";
        if (dynamic_cast<LocationUsePermitViewController*>(presented))
            return "permission pop-up";
        if (presented)
            return "something else presented";
        ui::ViewController* top = stack->topViewController();
        if (dynamic_cast<TouchPreConfirmationViewController*>(top))
            return "touch pre-confirmation";
        if (auto* check = dynamic_cast<GeofenceViewController*>(top))
            return check->checkIndicator->isAnimating() ? "checking" : "geofence without spinner";
        return "another screen";
    }

    template <class Popup>
    std::shared_ptr<Popup> popup() const
    {
        return std::dynamic_pointer_cast<Popup>(geofence->popupViewController);
    }

    bool flag(const char* key) const { return foundation::UserDefaults::standard()->boolean(key); }
    void setFlag(const char* key) const { foundation::UserDefaults::standard()->setBool(key, true); }

    void enterBackground() { ui::Application::shared().enterBackground(); }
    void enterForeground() { ui::Application::shared().becomeActive(); }

    TowerBundle towers{R"([{"name":"Test mast","location":{"latitude":35.0,"longitude":139.0},"threshold":{"warning":500,"caution":100}}])"};
    std::shared_ptr<location::ScriptedPositionSource> source = std::make_shared<location::ScriptedPositionSource>();
    std::shared_ptr<location::Authorization> authorization;
    std::shared_ptr<tolvane::app::GeofenceViewController> geofence;
};

} // namespace geofence_testing
