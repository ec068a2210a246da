#pragma once

#include "audio/IAudioPlayer.h"
#include "audio/IAudioSession.h"
#include "foundation/Bytes.h"

#include <memory>
#include <string_view>

namespace audio {

// The device's audio: its one session and the players made from sound data.
class IAudioSystem {
public:
    virtual ~IAudioSystem() = default;
    virtual IAudioSession& sharedSession() = 0;
    // A player for `data`, whose format `fileTypeHint` names ("wav"); null when the data cannot be
    // played.
    virtual std::shared_ptr<IAudioPlayer> makePlayer(const foundation::Bytes& data, std::string_view fileTypeHint) = 0;
};

} // namespace audio
