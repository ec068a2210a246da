#pragma once

#include "network/INetworkPath.h"

#include <memory>

namespace network {

// Watches the network path between start() and cancel(); a monitor that is not running knows no
// path, so its current path is not satisfied.
class PathMonitor {
public:
    enum class Status { satisfied, unsatisfied };

    // Over the process-wide network path unless given another.
    explicit PathMonitor(std::shared_ptr<INetworkPath> path = nullptr);

    void start() { running_ = true; }
    void cancel() { running_ = false; }
    bool isRunning() const { return running_; }
    Status currentPathStatus() const;

private:
    std::shared_ptr<INetworkPath> path_;
    bool running_ = false;
};

} // namespace network
