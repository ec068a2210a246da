#include "network/NetworkPath.h"

#include "network/QtNetworkPath.h"

#include "foundation/ProcessWide.h"

namespace network {
namespace {

foundation::ProcessWide<INetworkPath>& processPath()
{
    static foundation::ProcessWide<INetworkPath> path([]() -> std::shared_ptr<INetworkPath> { return std::make_shared<QtNetworkPath>(); });
    return path;
}

} // namespace

std::shared_ptr<INetworkPath> networkPath()
{
    return processPath().get();
}

std::shared_ptr<INetworkPath> setNetworkPath(std::shared_ptr<INetworkPath> path)
{
    return processPath().install(std::move(path));
}

} // namespace network
