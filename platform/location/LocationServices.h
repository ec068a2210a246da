#pragma once

#include <memory>

namespace location {

class Authorization;
class IPositionSource;

// The process-wide position source: with TOLVANE_NMEA_LOG set, that NMEA log replayed; otherwise
// the desktop's location service ("geoclue2"), unavailable where there is none. Made on first use,
// on the main thread; start-up or a test may install another.
std::shared_ptr<IPositionSource> positionSource();
// Null restores the default. Returns the source installed before, if any.
std::shared_ptr<IPositionSource> setPositionSource(std::shared_ptr<IPositionSource> source);

// The process-wide permission, from the environment unless one is installed.
std::shared_ptr<Authorization> authorization();
std::shared_ptr<Authorization> setAuthorization(std::shared_ptr<Authorization> authorization);

} // namespace location
