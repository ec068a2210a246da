#pragma once

#include "audio/IAudioSystem.h"

#include <memory>

namespace audio {

// The process-wide audio system: Qt Multimedia unless start-up or a test installs another.
std::shared_ptr<IAudioSystem> audioSystem();
// Replaces the system; null restores the default. Returns the previous custom system, if any.
std::shared_ptr<IAudioSystem> setAudioSystem(std::shared_ptr<IAudioSystem> system);

} // namespace audio
