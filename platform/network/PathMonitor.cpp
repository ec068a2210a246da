#include "network/PathMonitor.h"

#include "network/NetworkPath.h"

namespace network {

PathMonitor::PathMonitor(std::shared_ptr<INetworkPath> path) : path_(path ? std::move(path) : networkPath()) {}

PathMonitor::Status PathMonitor::currentPathStatus() const
{
    return running_ && path_->isSatisfied() ? Status::satisfied : Status::unsatisfied;
}

} // namespace network
