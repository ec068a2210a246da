#include "audio/WavData.h"

#include <algorithm>
#include <string_view>

namespace audio {
namespace {

constexpr uint16_t kPcmFormat = 1;
constexpr size_t kHeaderSize = 12;
constexpr size_t kChunkHeaderSize = 8;
constexpr size_t kFormatChunkSize = 16;

uint32_t littleEndian(const foundation::Bytes& bytes, size_t offset, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[offset + static_cast<size_t>(i)];
    return value;
}

bool hasTag(const foundation::Bytes& bytes, size_t offset, std::string_view tag)
{
    return bytes.size() >= offset + tag.size() && std::equal(tag.begin(), tag.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

bool isSupportedFormat(const WavData& wav)
{
    const bool sampleSizeSupported = wav.bitsPerSample == 8 || wav.bitsPerSample == 16 || wav.bitsPerSample == 32;
    return sampleSizeSupported && wav.channelCount > 0 && wav.sampleRate > 0;
}

} // namespace

std::optional<WavData> WavData::parse(const foundation::Bytes& file)
{
    if (!hasTag(file, 0, "RIFF") || !hasTag(file, 8, "WAVE"))
        return std::nullopt;
    WavData wav;
    bool hasFormat = false;
    size_t offset = kHeaderSize;
    while (file.size() - offset >= kChunkHeaderSize) {
        const size_t bodyOffset = offset + kChunkHeaderSize;
        const size_t bodySize = littleEndian(file, offset + 4, 4);
        if (bodySize > file.size() - bodyOffset)
            return std::nullopt;
        if (hasTag(file, offset, "fmt ")) {
            if (bodySize < kFormatChunkSize || littleEndian(file, bodyOffset, 2) != kPcmFormat)
                return std::nullopt;
            wav.channelCount = static_cast<uint16_t>(littleEndian(file, bodyOffset + 2, 2));
            wav.sampleRate = littleEndian(file, bodyOffset + 4, 4);
            wav.bitsPerSample = static_cast<uint16_t>(littleEndian(file, bodyOffset + 14, 2));
            hasFormat = true;
        } else if (hasTag(file, offset, "data")) {
            if (!hasFormat || !isSupportedFormat(wav))
                return std::nullopt;
            const size_t frameSize = size_t{wav.channelCount} * wav.bitsPerSample / 8;
            const size_t usable = bodySize - bodySize % frameSize;
            wav.samples.assign(file.begin() + static_cast<std::ptrdiff_t>(bodyOffset),
                               file.begin() + static_cast<std::ptrdiff_t>(bodyOffset + usable));
            return wav;
        }
        // Chunks are padded to an even size.
        offset = bodyOffset + bodySize + bodySize % 2;
        if (offset > file.size())
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace audio
