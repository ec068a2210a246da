#pragma once

#include "network/INetworkPath.h"

#include <memory>

namespace network {

// The process-wide network path: Qt's network information unless a test installs another.
std::shared_ptr<INetworkPath> networkPath();
// Replaces the path; null restores the default. Returns the previous custom path, if any.
std::shared_ptr<INetworkPath> setNetworkPath(std::shared_ptr<INetworkPath> path);

} // namespace network
