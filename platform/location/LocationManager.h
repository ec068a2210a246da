#pragma once

#include "foundation/LoopChecker.h"
#include "location/AuthorizationStatus.h"
#include "rx/Cancellable.h"

#include <memory>

namespace location {

class Authorization;
class ILocationManagerDelegate;
class IPositionSource;

// The application's access to the phone's position: whether location services are on, the
// permission and its prompt, and one fix on request, reported to its delegate on the main loop.
// Main thread only.
class LocationManager : public std::enable_shared_from_this<LocationManager> {
public:
    static constexpr double accuracyHundredMeters = 100.0;

    // Over the process-wide source and permission, each taken when first needed.
    LocationManager();
    LocationManager(std::shared_ptr<IPositionSource> source, std::shared_ptr<Authorization> authorization);
    ~LocationManager();

    bool locationServicesEnabled();
    AuthorizationStatus authorizationStatus();
    void requestWhenInUseAuthorization();
    // One fix: the delegate hears of it or of the failure. A refusal by the location service
    // changes the permission to denied instead.
    void requestLocation();

    double desiredAccuracy() const { return desiredAccuracy_; }
    void setDesiredAccuracy(double metres) { desiredAccuracy_ = metres; }
    void setDelegate(std::weak_ptr<ILocationManagerDelegate> delegate);

private:
    IPositionSource& source();
    Authorization& authorization();

    std::shared_ptr<IPositionSource> source_;
    std::shared_ptr<Authorization> authorization_;
    std::weak_ptr<ILocationManagerDelegate> delegate_;
    double desiredAccuracy_ = 0;
    rx::Cancellable authorizationChanges_;
    foundation::LoopChecker loopChecker_;
};

} // namespace location
