#pragma once

#include "network/INetworkPath.h"

namespace network {

// Qt's network information: satisfied while its backend reports the internet online. A system with
// no backend cannot tell, and counts as not satisfied.
class QtNetworkPath final : public INetworkPath {
public:
    QtNetworkPath();

    bool isSatisfied() const override;

private:
    const bool hasBackend_;
};

} // namespace network
