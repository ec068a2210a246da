#include "audio/WavData.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using audio::WavData;
using foundation::Bytes;

void put(Bytes& out, uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void putTag(Bytes& out, const std::string& tag)
{
    out.insert(out.end(), tag.begin(), tag.end());
}

struct WavSpec {
    uint16_t format = 1;
    uint16_t channels = 1;
    uint32_t sampleRate = 8000;
    uint16_t bits = 16;
    Bytes samples = {1, 2, 3, 4};
    bool extraChunk = false;
    uint32_t dataSizeExcess = 0;
};

Bytes makeWav(const WavSpec& spec)
{
    Bytes out;
    putTag(out, "RIFF");
    put(out, 0, 4); // the RIFF size is not relied on
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put(out, 16, 4);
    put(out, spec.format, 2);
    put(out, spec.channels, 2);
    put(out, spec.sampleRate, 4);
    put(out, spec.sampleRate * spec.channels * spec.bits / 8, 4);
    put(out, spec.channels * spec.bits / 8, 2);
    put(out, spec.bits, 2);
    if (spec.extraChunk) {
        putTag(out, "LIST");
        put(out, 3, 4);
        out.insert(out.end(), {'a', 'b', 'c', 0}); // odd size, padded
    }
    putTag(out, "data");
    put(out, static_cast<uint32_t>(spec.samples.size()) + spec.dataSizeExcess, 4);
    out.insert(out.end(), spec.samples.begin(), spec.samples.end());
    return out;
}

TEST(WavDataTest, ReadsTheFormatAndSamplesOfPcmFiles)
{
    const auto wav = WavData::parse(makeWav({.channels = 2, .sampleRate = 22050, .bits = 16, .extraChunk = true}));
    ASSERT_TRUE(wav.has_value());
    EXPECT_EQ(wav->channelCount, 2);
    EXPECT_EQ(wav->sampleRate, 22050u);
    EXPECT_EQ(wav->bitsPerSample, 16);
    EXPECT_EQ(wav->samples, (Bytes{1, 2, 3, 4}));
}

TEST(WavDataTest, DropsATrailingPartialFrame)
{
    const auto wav = WavData::parse(makeWav({.bits = 16, .samples = {1, 2, 3}}));
    ASSERT_TRUE(wav.has_value());
    EXPECT_EQ(wav->samples, (Bytes{1, 2}));
}

TEST(WavDataTest, RejectsWhatItCannotPlay)
{
    Bytes notRiff = makeWav({});
    notRiff[0] = 'X';
    Bytes truncatedHeader = makeWav({});
    truncatedHeader.resize(20);
    Bytes formatOnly = makeWav({});
    formatOnly.resize(36);
    const std::vector<std::pair<const char*, Bytes>> cases = {
        {"empty", {}},
        {"not RIFF", notRiff},
        {"header cut short", truncatedHeader},
        {"compressed", makeWav({.format = 2})},
        {"24-bit samples", makeWav({.bits = 24, .samples = {1, 2, 3}})},
        {"no channels", makeWav({.channels = 0})},
        {"data chunk longer than the file", makeWav({.dataSizeExcess = 1})},
        {"no data chunk", formatOnly},
    };
    for (const auto& [name, file] : cases)
        EXPECT_FALSE(WavData::parse(file).has_value()) << name;
}

} // namespace
