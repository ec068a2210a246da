#pragma once

#include <cstdint>
#include <string>

namespace tolvane {

// Plays the framework's sounds from the application's data assets. One player per sound key (the
// name followed by the loop count); competing sounds are decided by their priority number.
class ISoundControl {
public:
    virtual ~ISoundControl() = default;
    // Plays the wav asset `name` unless sound is muted. `loop` is the number of extra loops (-1 repeats
    // until paused); `priority` is a number >= 0.
    virtual void wavPlay(const std::string& name, int64_t loop, int64_t priority) = 0;
    // Pauses every known sound other than the one `name` and `loop` make.
    virtual void exclusiveAudio(const std::string& name, int64_t loop) = 0;
    // Pauses every player.
    virtual void stopAudio() = 0;
};

} // namespace tolvane
