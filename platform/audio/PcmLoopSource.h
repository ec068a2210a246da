#pragma once

#include "foundation/Bytes.h"

#include <QIODevice>

#include <cstdint>

namespace audio {

// Feeds a sound's samples to an audio sink, starting over at the end as often as the loop count
// says; a negative count starts over until the sink is stopped.
class PcmLoopSource final : public QIODevice {
public:
    explicit PcmLoopSource(foundation::Bytes samples);

    // Back to the first sample, with `loops` repeats to come after the first pass.
    void rewind(int64_t loops);
    bool isFinished() const;

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    const foundation::Bytes samples_;
    size_t position_;
    int64_t loopsLeft_ = 0;
};

} // namespace audio
