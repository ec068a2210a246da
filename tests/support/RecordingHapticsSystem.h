#pragma once

#include "foundation/RunLoop.h"
#include "haptics/HapticsSystem.h"

#include <memory>
#include <optional>
#include <vector>

namespace testing_support {

// A haptics system that records every pattern its players start, with the main loop's time; any
// step can be made to fail.
class RecordingHapticsSystem final : public haptics::IHapticsSystem,
                                     public std::enable_shared_from_this<RecordingHapticsSystem> {
public:
    enum class Step { engineCreation, engineStart, playerCreation, playerStart };

    struct PlayedPattern {
        foundation::Seconds at = 0;
        std::vector<haptics::HapticEvent> events;
    };

    haptics::HapticCapabilities capabilitiesForHardware() const override
    {
        ++capabilityQueries;
        return {.supportsHaptics = supportsHaptics};
    }

    std::shared_ptr<haptics::IHapticEngine> makeEngine() override
    {
        ++enginesMade;
        if (failingStep == Step::engineCreation)
            return nullptr;
        return std::make_shared<Engine>(shared_from_this());
    }

    bool supportsHaptics = true;
    std::optional<Step> failingStep;
    mutable int capabilityQueries = 0;
    int enginesMade = 0;
    int engineStarts = 0;
    std::vector<PlayedPattern> played;

private:
    class Player final : public haptics::IHapticPlayer {
    public:
        Player(std::shared_ptr<RecordingHapticsSystem> system, haptics::HapticPattern pattern)
            : system_(std::move(system)), pattern_(std::move(pattern))
        {
        }
        bool start(double) override
        {
            if (system_->failingStep == Step::playerStart)
                return false;
            const foundation::Seconds now = foundation::RunLoop::hasMain() ? foundation::RunLoop::main().clock().now() : 0;
            system_->played.push_back({now, pattern_.events()});
            return true;
        }

    private:
        std::shared_ptr<RecordingHapticsSystem> system_;
        haptics::HapticPattern pattern_;
    };

    class Engine final : public haptics::IHapticEngine {
    public:
        explicit Engine(std::shared_ptr<RecordingHapticsSystem> system) : system_(std::move(system)) {}
        bool start() override
        {
            ++system_->engineStarts;
            return system_->failingStep != Step::engineStart;
        }
        std::unique_ptr<haptics::IHapticPlayer> makePlayer(const haptics::HapticPattern& pattern) override
        {
            if (system_->failingStep == Step::playerCreation)
                return nullptr;
            return std::make_unique<Player>(system_, pattern);
        }

    private:
        std::shared_ptr<RecordingHapticsSystem> system_;
    };
};

// Installs a recording haptics system for its lifetime, then puts back the one before.
class ScopedRecordingHapticsSystem {
public:
    ScopedRecordingHapticsSystem()
        : system_(std::make_shared<RecordingHapticsSystem>()), previous_(haptics::setHapticsSystem(system_))
    {
    }
    ~ScopedRecordingHapticsSystem() { haptics::setHapticsSystem(previous_); }
    RecordingHapticsSystem& operator*() const { return *system_; }
    RecordingHapticsSystem* operator->() const { return system_.get(); }

private:
    std::shared_ptr<RecordingHapticsSystem> system_;
    std::shared_ptr<haptics::IHapticsSystem> previous_;
};

} // namespace testing_support
