// Writes the framework's warning sound: one short beep and a pause, 16-bit mono PCM in a WAV file.
// Played in a loop, it gives the steady beeping of an approaching obstacle.
//
// Usage: WarningToneGenerator <output.wav>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kSampleRate = 22050;
constexpr double kToneFrequency = 1760.0;
constexpr double kToneSeconds = 0.18;
constexpr double kPauseSeconds = 0.12;
// Short ramps keep the beep from clicking at its edges.
constexpr double kRampSeconds = 0.005;
constexpr double kAmplitude = 0.6;

std::vector<int16_t> makeSamples()
{
    const auto toneSamples = static_cast<size_t>(kToneSeconds * kSampleRate);
    const auto pauseSamples = static_cast<size_t>(kPauseSeconds * kSampleRate);
    const double rampSamples = kRampSeconds * kSampleRate;
    std::vector<int16_t> samples(toneSamples + pauseSamples, 0);
    for (size_t i = 0; i < toneSamples; ++i) {
        const double fromEdge = static_cast<double>(std::min(i, toneSamples - 1 - i));
        const double envelope = std::min(1.0, fromEdge / rampSamples);
        const double phase = 2.0 * std::numbers::pi * kToneFrequency * static_cast<double>(i) / kSampleRate;
        samples[i] = static_cast<int16_t>(std::lround(kAmplitude * envelope * std::sin(phase) * 32767.0));
    }
    return samples;
}

void putLittleEndian(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string makeWav(const std::vector<int16_t>& samples)
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

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.wav>\n", argv[0]);
        return 2;
    }
    const std::string wav = makeWav(makeSamples());
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file.write(wav.data(), static_cast<std::streamsize>(wav.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
