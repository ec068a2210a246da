#include "audio/QtAudioSystem.h"

#include "audio/QtAudioPlayer.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace audio {
namespace {

bool isWavHint(std::string_view hint)
{
    std::string lower(hint);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower == "wav" || lower == "wave";
}

} // namespace

std::shared_ptr<IAudioPlayer> QtAudioSystem::makePlayer(const foundation::Bytes& data, std::string_view fileTypeHint)
{
    if (!isWavHint(fileTypeHint))
        return nullptr;
    auto wav = WavData::parse(data);
    if (!wav)
        return nullptr;
    return std::make_shared<QtAudioPlayer>(std::move(*wav));
}

} // namespace audio
