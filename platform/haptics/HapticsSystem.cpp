#include "haptics/HapticsSystem.h"

#include "foundation/ProcessWide.h"
#include "haptics/LoggingHapticsSystem.h"

namespace haptics {
namespace {

foundation::ProcessWide<IHapticsSystem>& processHapticsSystem()
{
    static foundation::ProcessWide<IHapticsSystem> system(
        []() -> std::shared_ptr<IHapticsSystem> { return std::make_shared<LoggingHapticsSystem>(); });
    return system;
}

} // namespace

std::shared_ptr<IHapticsSystem> hapticsSystem()
{
    return processHapticsSystem().get();
}

std::shared_ptr<IHapticsSystem> setHapticsSystem(std::shared_ptr<IHapticsSystem> system)
{
    return processHapticsSystem().install(std::move(system));
}

} // namespace haptics
