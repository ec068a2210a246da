#include "location/LocationManager.h"

#include "location/Authorization.h"
#include "location/ILocationManagerDelegate.h"
#include "location/IPositionSource.h"
#include "location/LocationServices.h"

namespace location {

LocationManager::LocationManager() = default;

LocationManager::LocationManager(std::shared_ptr<IPositionSource> source, std::shared_ptr<Authorization> authorization)
    : source_(std::move(source)), authorization_(std::move(authorization))
{
}

LocationManager::~LocationManager() = default;

IPositionSource& LocationManager::source()
{
    if (!source_)
        source_ = positionSource();
    return *source_;
}

Authorization& LocationManager::authorization()
{
    if (!authorization_)
        authorization_ = location::authorization();
    return *authorization_;
}

bool LocationManager::locationServicesEnabled()
{
    return source().isAvailable();
}

AuthorizationStatus LocationManager::authorizationStatus()
{
    return authorization().status();
}

void LocationManager::requestWhenInUseAuthorization()
{
    authorization().requestWhenInUse();
}

void LocationManager::setDelegate(std::weak_ptr<ILocationManagerDelegate> delegate)
{
    loopChecker_.check(typeid(*this));
    delegate_ = std::move(delegate);
    // Subscribed anew, so the old subscription ends.
    authorizationChanges_ = authorization().changes().sink([weak = weak_from_this()](AuthorizationStatus) {
        auto self = weak.lock();
        if (!self)
            return;
        if (auto delegate = self->delegate_.lock())
            delegate->locationManagerDidChangeAuthorization(*self);
    });
}

void LocationManager::requestLocation()
{
    loopChecker_.check(typeid(*this));
    source().requestUpdate([weak = weak_from_this()](const IPositionSource::Answer& answer) {
        auto self = weak.lock();
        if (!self)
            return;
        if (const auto* error = std::get_if<LocationError>(&answer); error && error->code == LocationError::Code::denied) {
            self->authorization().setStatus(AuthorizationStatus::denied);
            return;
        }
        auto delegate = self->delegate_.lock();
        if (!delegate)
            return;
        if (const auto* locations = std::get_if<std::vector<Location>>(&answer))
            delegate->didUpdateLocations(*self, *locations);
        else
            delegate->didFailWithError(*self, std::get<LocationError>(answer));
    });
}

} // namespace location
