// Writes the application's volume preview sound "CS_Sound": a short rising two-note chime, 16-bit
// mono PCM in a WAV file. The settings screen plays it once whenever the volume changes.
//
// Usage: PreviewToneGenerator <output.wav>

#include "../tone-wav/ToneWav.h"

int main(int argc, char** argv)
{
    std::vector<int16_t> samples;
    tone::appendTone(samples, 987.77, 0.12, 0.5);
    tone::appendTone(samples, 1318.51, 0.22, 0.5);
    return tone::writeWavFile(argc, argv, samples);
}
