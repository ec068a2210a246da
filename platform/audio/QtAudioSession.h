#pragma once

#include "audio/IAudioSession.h"

namespace audio {

// A desktop has no session categories or output routes to choose: the only step that can fail is
// activating, which needs a running application and an audio output device.
class QtAudioSession final : public IAudioSession {
public:
    bool setCategoryPlayAndRecord() override;
    bool overrideOutputToSpeaker() override;
    bool activate() override;
};

} // namespace audio
