#include "haptics/LoggingHapticsSystem.h"

#include "foundation/SystemLog.h"

#include <cstdio>

namespace haptics {
namespace {

constexpr std::string_view kCategory = "Haptics";

class LoggingHapticPlayer final : public IHapticPlayer {
public:
    explicit LoggingHapticPlayer(HapticPattern pattern) : pattern_(std::move(pattern)) {}

    bool start(double atTime) override
    {
        auto& log = foundation::systemLog();
        if (log.isEnabled(foundation::SystemLogType::debug))
            log.write(foundation::SystemLogType::debug, foundation::applicationIdentifier(), kCategory,
                      LoggingHapticsSystem::describe(pattern_, atTime));
        return true;
    }

private:
    HapticPattern pattern_;
};

class LoggingHapticEngine final : public IHapticEngine {
public:
    bool start() override { return true; }
    std::unique_ptr<IHapticPlayer> makePlayer(const HapticPattern& pattern) override
    {
        return std::make_unique<LoggingHapticPlayer>(pattern);
    }
};

} // namespace

HapticCapabilities LoggingHapticsSystem::capabilitiesForHardware() const
{
    return {.supportsHaptics = true};
}

std::shared_ptr<IHapticEngine> LoggingHapticsSystem::makeEngine()
{
    return std::make_shared<LoggingHapticEngine>();
}

std::string LoggingHapticsSystem::describe(const HapticPattern& pattern, double atTime)
{
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "Haptic pattern at +%.3f s:", atTime);
    std::string line = buffer;
    for (const HapticEvent& event : pattern.events()) {
        std::snprintf(buffer, sizeof buffer,
                      " [continuous %.3f s for %.3f s, intensity %.2f, sharpness %.2f, sustained %.2f]",
                      event.relativeTime, event.duration, static_cast<double>(event.intensity),
                      static_cast<double>(event.sharpness), static_cast<double>(event.sustained));
        line += buffer;
    }
    return line;
}

} // namespace haptics
