#pragma once

#include "network/INetworkPath.h"

#include <atomic>

namespace network {

// A network path set by its owner (tests).
class SettableNetworkPath final : public INetworkPath {
public:
    explicit SettableNetworkPath(bool satisfied) : satisfied_(satisfied) {}

    bool isSatisfied() const override { return satisfied_.load(); }
    void setSatisfied(bool satisfied) { satisfied_.store(satisfied); }

private:
    std::atomic<bool> satisfied_;
};

} // namespace network
