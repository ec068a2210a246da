// Writes the framework's warning sound: one short beep and a pause, 16-bit mono PCM in a WAV file.
// Played in a loop, it gives the steady beeping of an approaching obstacle.
//
// Usage: WarningToneGenerator <output.wav>

#include "../tone-wav/ToneWav.h"

int main(int argc, char** argv)
{
    std::vector<int16_t> samples;
    tone::appendTone(samples, 1760.0, 0.18, 0.6);
    tone::appendSilence(samples, 0.12);
    return tone::writeWavFile(argc, argv, samples);
}
