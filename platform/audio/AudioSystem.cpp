#include "audio/AudioSystem.h"

#include "audio/QtAudioSystem.h"
#include "foundation/ProcessWide.h"

namespace audio {
namespace {

foundation::ProcessWide<IAudioSystem>& processAudioSystem()
{
    static foundation::ProcessWide<IAudioSystem> system(
        []() -> std::shared_ptr<IAudioSystem> { return std::make_shared<QtAudioSystem>(); });
    return system;
}

} // namespace

std::shared_ptr<IAudioSystem> audioSystem()
{
    return processAudioSystem().get();
}

std::shared_ptr<IAudioSystem> setAudioSystem(std::shared_ptr<IAudioSystem> system)
{
    return processAudioSystem().install(std::move(system));
}

} // namespace audio
