#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/Geofence/Model/Geofence.h"
#include "Class/UI/Geofence/View/GeofenceDialog.h"
#include "Class/UI/Geofence/ViewModel/IGeofenceViewModel.h"

#include "foundation/Clock.h"
#include "foundation/LoopChecker.h"
#include "foundation/NotificationCenter.h"
#include "foundation/Timer.h"
#include "location/AuthorizationStatus.h"
#include "location/ILocationManagerDelegate.h"

#include <functional>
#include <memory>
#include <optional>

namespace ui {
class ActivityIndicatorView;
}

namespace tolvane::app {

class PopupTransition;

// The location check in front of the touch pre-confirmation: behind a large spinner it obtains the
// permission and one fix, classes the fix against the radio towers and either continues or presents
// one of its four pop-ups. Main thread only.
class GeofenceViewController final : public ScreenViewController<IGeofenceViewModel>, public location::ILocationManagerDelegate {
public:
    // How long a fix may take, the least time the spinner shows, and the pause before a check
    // restarts on the return to the foreground.
    static constexpr foundation::Seconds locationTimeout = 2.0;
    static constexpr foundation::Seconds minimumDisplayTime = 0.5;
    static constexpr foundation::Seconds foregroundRestartDelay = 0.1;

    GeofenceViewController();
    ~GeofenceViewController() override;

    // The spinner of the check (the base screen's `indicator` is the one of the link's opening).
    std::shared_ptr<ui::ActivityIndicatorView> checkIndicator;
    std::optional<foundation::Seconds> startTime;
    Geofence model;
    foundation::TimerRef timer;
    // The check ended because location use is refused; no new check starts while it is set.
    bool checkCompleteFlag = false;
    // This check asked for the system's permission prompt.
    bool isShowOSDialog = false;
    std::shared_ptr<ui::ViewController> popupViewController;

    void loadView() override;
    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;
    void viewDidAppear(bool animated) override;

    void startLocationCheck();
    void handleAuthorization(location::AuthorizationStatus status);
    void handleLocationDenied();
    void startLocationRequest();
    void requestLocation();
    void locationTimerFired();
    void handleLocationTimeout();
    void showIndicator();
    // Runs `then` once the check has shown for the minimum time, at once when it has.
    void waitForMinimumDisplayTime(std::function<void()> then);
    void showPopup(GeofenceDialog kind);
    void continueToNextScreen();
    void willEnterForeground();
    void didEnterBackground();
    void restartCheckAfterForeground();
    // The spinner again, and a new check on the next turn.
    void restartCheck();

    void didUpdateLocations(location::LocationManager& manager, const std::vector<location::Location>& locations) override;
    void didFailWithError(location::LocationManager& manager, const location::LocationError& error) override;
    void locationManagerDidChangeAuthorization(location::LocationManager& manager) override;

private:
    std::weak_ptr<GeofenceViewController> weakSelf();
    void later(void (GeofenceViewController::*step)());
    void hideCheckIndicator();
    void endWithGPSFailure();
    void invalidateTimer();
    // Whether the screen is on top of its stack with nothing presented over it.
    bool isFrontmost() const;

    std::shared_ptr<PopupTransition> popupTransition_;
    // A result is on its way to the screen (waiting out the minimum display time, or posted): one
    // check at a time, so no other check starts meanwhile.
    bool resultPending_ = false;
    foundation::NotificationCenter::Observation foregroundObserver_;
    foundation::NotificationCenter::Observation backgroundObserver_;
    foundation::LoopChecker loopChecker_;
};

} // namespace tolvane::app
