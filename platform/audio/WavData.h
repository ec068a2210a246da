#pragma once

#include "foundation/Bytes.h"

#include <cstdint>
#include <optional>

namespace audio {

// The samples of a PCM WAV file and their format.
struct WavData {
    uint32_t sampleRate = 0;
    uint16_t channelCount = 0;
    // 8 (unsigned), 16 or 32 (signed).
    uint16_t bitsPerSample = 0;
    foundation::Bytes samples;

    // None unless `file` is a RIFF/WAVE file of uncompressed PCM in one of the sample sizes above,
    // whose chunks lie within the file.
    static std::optional<WavData> parse(const foundation::Bytes& file);
};

} // namespace audio
