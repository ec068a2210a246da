#pragma once

namespace haptics {

// Plays one pattern on the engine that made it.
class IHapticPlayer {
public:
    virtual ~IHapticPlayer() = default;
    // Starts the pattern `atTime` seconds from now; false when it cannot be started.
    [[nodiscard]] virtual bool start(double atTime) = 0;
};

} // namespace haptics
