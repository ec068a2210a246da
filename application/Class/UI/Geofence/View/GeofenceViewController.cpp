#include "Class/UI/Geofence/View/GeofenceViewController.h"

#include "Class/Model/ITransitionManager.h"
#include "Class/UI/Base/View/PopupTransition.h"
#include "Class/UI/Geofence/View/GeofencePopupViewController.h"
#include "Class/UI/Geofence/View/GeofenceStoryboard.h"

#include "foundation/RunLoop.h"
#include "foundation/UserDefaults.h"
#include "location/LocationManager.h"
#include "ui/ActivityIndicatorView.h"
#include "ui/AffineTransform.h"
#include "ui/Application.h"
#include "ui/NavigationController.h"
#include "ui/TransitionCoordinator.h"

namespace tolvane::app {
namespace {

constexpr const char* failedDialogFlagKey = "failed_dialog_flag";
constexpr const char* notPermittedFlagKey = "not_permitted_flag";

bool storedFlag(const char* key)
{
    return foundation::UserDefaults::standard()->boolean(key);
}

foundation::RunLoop& mainLoop()
{
    return foundation::RunLoop::main();
}

} // namespace

GeofenceViewController::GeofenceViewController() : popupTransition_(std::make_shared<PopupTransition>()) {}

GeofenceViewController::~GeofenceViewController()
{
    invalidateTimer();
}

std::weak_ptr<GeofenceViewController> GeofenceViewController::weakSelf()
{
    return std::static_pointer_cast<GeofenceViewController>(shared_from_this());
}

// Every step that runs later holds the screen weakly: a check still running when the screen goes
// does nothing.
void GeofenceViewController::later(void (GeofenceViewController::*step)())
{
    mainLoop().post([weak = weakSelf(), step] {
        if (auto self = weak.lock())
            ((*self).*step)();
    });
}

void GeofenceViewController::loadView()
{
    setView(GeofenceStoryboard::checkScene(*this));
}

void GeofenceViewController::viewDidLayoutSubviews()
{
    ScreenViewController::viewDidLayoutSubviews();
    checkIndicator->setCenter(view().bounds().center());
}

void GeofenceViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    auto weak = weakSelf();
    auto& center = foundation::NotificationCenter::defaultCenter();
    foregroundObserver_ = center.addObserver(ui::Application::willEnterForegroundNotification, [weak] {
        if (auto self = weak.lock())
            self->willEnterForeground();
    });
    backgroundObserver_ = center.addObserver(ui::Application::didEnterBackgroundNotification, [weak] {
        if (auto self = weak.lock())
            self->didEnterBackground();
    });
}

void GeofenceViewController::viewDidAppear(bool animated)
{
    ScreenViewController::viewDidAppear(animated);
    model.locationManager->setDelegate(weakSelf());
    hideCheckIndicator();
    showIndicator();
    later(&GeofenceViewController::startLocationCheck);
}

void GeofenceViewController::showIndicator()
{
    checkIndicator->setTransform(ui::AffineTransform::scale(3.0, 3.0));
    view().setUserInteractionEnabled(false);
    checkIndicator->setHidden(false);
    checkIndicator->startAnimating();
}

void GeofenceViewController::hideCheckIndicator()
{
    checkIndicator->setHidden(true);
    checkIndicator->stopAnimating();
}

// The check

void GeofenceViewController::startLocationCheck()
{
    loopChecker_.check(typeid(*this));
    if (checkCompleteFlag)
        return;
    startTime = mainLoop().clock().now();
    if (model.locationManager->locationServicesEnabled()) {
        handleAuthorization(model.locationManager->authorizationStatus());
        return;
    }
    // Services off is answered like a refusal, but a later return to the foreground checks again.
    later(&GeofenceViewController::handleLocationDenied);
}

void GeofenceViewController::handleAuthorization(location::AuthorizationStatus status)
{
    using enum location::AuthorizationStatus;
    switch (status) {
    case notDetermined:
        isShowOSDialog = true;
        model.delegateEnableFLag = true;
        model.locationManager->requestWhenInUseAuthorization();
        return;
    case restricted:
    case denied:
        checkCompleteFlag = true;
        later(&GeofenceViewController::handleLocationDenied);
        return;
    case authorizedAlways:
    case authorizedWhenInUse:
        model.delegateEnableFLag = true;
        startLocationRequest();
        return;
    }
    // A status this code does not know counts as refused, without ending the checks.
    later(&GeofenceViewController::handleLocationDenied);
}

void GeofenceViewController::handleLocationDenied()
{
    const bool notPermitted = storedFlag(notPermittedFlagKey);
    model.delegateEnableFLag = isShowOSDialog;
    if (notPermitted)
        continueToNextScreen();
    else
        showPopup(GeofenceDialog::locationUsePermit);
}

void GeofenceViewController::startLocationRequest()
{
    later(&GeofenceViewController::requestLocation);
}

void GeofenceViewController::requestLocation()
{
    model.locationManager->requestLocation();
    if (timer)
        return;
    auto weak = weakSelf();
    timer = mainLoop().scheduleTimer(locationTimeout, false, [weak](foundation::Timer&) {
        if (auto self = weak.lock())
            self->locationTimerFired();
    });
}

void GeofenceViewController::locationTimerFired()
{
    later(&GeofenceViewController::handleLocationTimeout);
}

void GeofenceViewController::handleLocationTimeout()
{
    timer.reset();
    // A fix or an error was handled meanwhile, or the application went to the background.
    if (!model.delegateEnableFLag)
        return;
    model.delegateEnableFLag = false;
    view().setUserInteractionEnabled(true);
    hideCheckIndicator();
    endWithGPSFailure();
}

void GeofenceViewController::waitForMinimumDisplayTime(std::function<void()> then)
{
    const foundation::Seconds elapsed = mainLoop().clock().now() - startTime.value_or(0);
    if (elapsed >= minimumDisplayTime) {
        then();
        return;
    }
    resultPending_ = true;
    mainLoop().scheduleTimer(minimumDisplayTime - elapsed, false, [then = std::move(then)](foundation::Timer&) { then(); });
}

void GeofenceViewController::endWithGPSFailure()
{
    if (storedFlag(failedDialogFlagKey))
        continueToNextScreen();
    else
        showPopup(GeofenceDialog::failedGPS);
}

void GeofenceViewController::invalidateTimer()
{
    if (timer)
        timer->invalidate();
    timer.reset();
}

// The location manager's answers

void GeofenceViewController::didUpdateLocations(location::LocationManager&, const std::vector<location::Location>& locations)
{
    loopChecker_.check(typeid(*this));
    if (!model.delegateEnableFLag)
        return;
    invalidateTimer();
    model.delegateEnableFLag = false;
    // With a fix in hand a later return to the foreground no longer checks again.
    foregroundObserver_.reset();
    auto weak = weakSelf();
    waitForMinimumDisplayTime([weak, locations] {
        auto self = weak.lock();
        if (!self)
            return;
        if (locations.empty()) {
            self->endWithGPSFailure();
            return;
        }
        switch (self->model.locationStatus(locations.back())) {
        case LocationStatus::warningArea:
            self->showPopup(GeofenceDialog::warningArea);
            break;
        case LocationStatus::cautionArea:
            self->showPopup(GeofenceDialog::cautionArea);
            break;
        case LocationStatus::safetyArea:
            self->continueToNextScreen();
            break;
        case LocationStatus::failedGPSArea:
            self->endWithGPSFailure();
            break;
        }
    });
}

void GeofenceViewController::didFailWithError(location::LocationManager&, const location::LocationError&)
{
    loopChecker_.check(typeid(*this));
    if (!model.delegateEnableFLag)
        return;
    invalidateTimer();
    model.delegateEnableFLag = false;
    auto weak = weakSelf();
    waitForMinimumDisplayTime([weak] {
        if (auto self = weak.lock())
            self->endWithGPSFailure();
    });
}

void GeofenceViewController::locationManagerDidChangeAuthorization(location::LocationManager&)
{
    loopChecker_.check(typeid(*this));
    if (!model.delegateEnableFLag)
        return;
    if (isShowOSDialog) {
        if (popupViewController && popupViewController->presentingViewController())
            popupViewController->dismiss(true);
        checkCompleteFlag = false;
    }
    isShowOSDialog = false;
    restartCheck();
}

// Results

void GeofenceViewController::showPopup(GeofenceDialog kind)
{
    resultPending_ = true;
    auto weak = weakSelf();
    mainLoop().post([weak, kind] {
        auto self = weak.lock();
        if (!self)
            return;
        self->resultPending_ = false;
        self->view().setUserInteractionEnabled(true);
        self->hideCheckIndicator();
        auto popup = GeofenceStoryboard::instantiatePopup(kind);
        popup->setModalPresentationStyle(ui::ModalPresentationStyle::custom);
        popup->setTransitioningDelegate(self->popupTransition_);
        foundation::UserDefaults::standard()->setBool(failedDialogFlagKey, true);
        self->popupViewController = popup;
        self->present(popup, true);
    });
}

void GeofenceViewController::continueToNextScreen()
{
    resultPending_ = true;
    auto weak = weakSelf();
    mainLoop().post([weak] {
        auto self = weak.lock();
        if (!self)
            return;
        self->resultPending_ = false;
        self->view().setUserInteractionEnabled(true);
        self->hideCheckIndicator();
        self->viewModel->router()->showTouchPreConfirmation();
    });
}

// The application's moves

void GeofenceViewController::willEnterForeground()
{
    auto weak = weakSelf();
    mainLoop().scheduleTimer(foregroundRestartDelay, false, [weak](foundation::Timer&) {
        if (auto self = weak.lock())
            self->later(&GeofenceViewController::restartCheckAfterForeground);
    });
}

void GeofenceViewController::didEnterBackground()
{
    model.delegateEnableFLag = false;
}

void GeofenceViewController::restartCheckAfterForeground()
{
    // The check that ran before the trip shows its result instead.
    if (resultPending_)
        return;
    // A pop-up still fading in or out: decide once it has come or gone.
    if (auto* popup = presentedViewController()) {
        if (auto* move = popup->transitionCoordinator()) {
            move->animateAlongsideTransition({}, [weak = weakSelf()] {
                if (auto self = weak.lock())
                    self->later(&GeofenceViewController::restartCheckAfterForeground);
            });
            return;
        }
    }
    // A screen left under the next one, or under its own pop-up, does not check again.
    if (!isFrontmost())
        return;
    restartCheck();
}

void GeofenceViewController::restartCheck()
{
    hideCheckIndicator();
    showIndicator();
    later(&GeofenceViewController::startLocationCheck);
}

bool GeofenceViewController::isFrontmost() const
{
    const auto* navigation = navigationController();
    return navigation && navigation->topViewController() == this && !presentedViewController();
}

} // namespace tolvane::app
