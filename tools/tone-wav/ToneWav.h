#pragma once

// What the sound generators share: sine tones with soft edges, written as 16-bit mono PCM WAV files.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace tone {

constexpr uint32_t kSampleRate = 22050;
// Short ramps keep a tone from clicking at its edges.
constexpr double kRampSeconds = 0.005;

// Appends a tone of `seconds` at `frequency` Hz and `amplitude` (0 to 1) to `samples`.
inline void appendTone(std::vector<int16_t>& samples, double frequency, double seconds, double amplitude)
{
    const auto count = static_cast<size_t>(seconds * kSampleRate);
    const double rampSamples = kRampSeconds * kSampleRate;
    for (size_t i = 0; i < count; ++i) {
        const double fromEdge = static_cast<double>(std::min(i, count - 1 - i));
        const double envelope = std::min(1.0, fromEdge / rampSamples);
        const double phase = 2.0 * std::numbers::pi * frequency * static_cast<double>(i) / kSampleRate;
        samples.push_back(static_cast<int16_t>(std::lround(amplitude * envelope * std::sin(phase) * 32767.0)));
    }
}

inline void appendSilence(std::vector<int16_t>& samples, double seconds)
{
    samples.insert(samples.end(), static_cast<size_t>(seconds * kSampleRate), 0);
}

inline void putLittleEndian(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

inline std::string makeWav(const std::vector<int16_t>& samples)
{
    constexpr uint16_t channels = 1;
    constexpr uint16_t bitsPerSample = 16;
    constexpr uint16_t blockAlign = channels * bitsPerSample / 8;
    const auto dataSize = static_cast<uint32_t>(samples.size() * blockAlign);
    std::string out;
    out += "RIFF";
    putLittleEndian(out, 36 + dataSize, 4);
    out += "WAVEfmt ";
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, 1, 2); // PCM
    putLittleEndian(out, channels, 2);
    putLittleEndian(out, kSampleRate, 4);
    putLittleEndian(out, kSampleRate * blockAlign, 4);
    putLittleEndian(out, blockAlign, 2);
    putLittleEndian(out, bitsPerSample, 2);
    out += "data";
    putLittleEndian(out, dataSize, 4);
    for (int16_t sample : samples)
        putLittleEndian(out, static_cast<uint16_t>(sample), 2);
    return out;
}

// The body of a generator's main(): writes `samples` to the file its one argument names.
inline int writeWavFile(int argc, char** argv, const std::vector<int16_t>& samples)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.wav>\n", argv[0]);
        return 2;
    }
    const std::string wav = makeWav(samples);
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file.write(wav.data(), static_cast<std::streamsize>(wav.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

} // namespace tone
