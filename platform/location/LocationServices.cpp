#include "location/LocationServices.h"

#include "location/Authorization.h"
#include "location/QtPositionSource.h"

#include "foundation/ProcessWide.h"

#include <cstdlib>

namespace location {
namespace {

foundation::ProcessWide<IPositionSource>& processSource()
{
    static foundation::ProcessWide<IPositionSource> source([]() -> std::shared_ptr<IPositionSource> {
        if (const char* log = std::getenv("TOLVANE_NMEA_LOG"))
            return QtPositionSource::nmeaReplay(log);
        return QtPositionSource::provider("geoclue2");
    });
    return source;
}

foundation::ProcessWide<Authorization>& processAuthorization()
{
    static foundation::ProcessWide<Authorization> authorization([] { return Authorization::fromEnvironment(); });
    return authorization;
}

} // namespace

std::shared_ptr<IPositionSource> positionSource()
{
    return processSource().get();
}

std::shared_ptr<IPositionSource> setPositionSource(std::shared_ptr<IPositionSource> source)
{
    return processSource().install(std::move(source));
}

std::shared_ptr<Authorization> authorization()
{
    return processAuthorization().get();
}

std::shared_ptr<Authorization> setAuthorization(std::shared_ptr<Authorization> authorization)
{
    return processAuthorization().install(std::move(authorization));
}

} // namespace location
