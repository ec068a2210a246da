#include "audio/PcmLoopSource.h"

#include <algorithm>
#include <cstring>

namespace audio {

PcmLoopSource::PcmLoopSource(foundation::Bytes samples) : samples_(std::move(samples)), position_(samples_.size()) {}

void PcmLoopSource::rewind(int64_t loops)
{
    position_ = 0;
    loopsLeft_ = loops;
}

bool PcmLoopSource::isFinished() const
{
    return samples_.empty() || (position_ >= samples_.size() && loopsLeft_ == 0);
}

qint64 PcmLoopSource::bytesAvailable() const
{
    if (isFinished())
        return QIODevice::bytesAvailable();
    return static_cast<qint64>(samples_.size() - std::min(position_, samples_.size())) + QIODevice::bytesAvailable();
}

qint64 PcmLoopSource::readData(char* data, qint64 maxSize)
{
    const size_t capacity = static_cast<size_t>(std::max<qint64>(maxSize, 0));
    size_t written = 0;
    while (written < capacity && !isFinished()) {
        if (position_ >= samples_.size()) {
            position_ = 0;
            if (loopsLeft_ > 0)
                --loopsLeft_;
        }
        const size_t count = std::min(capacity - written, samples_.size() - position_);
        std::memcpy(data + written, samples_.data() + position_, count);
        position_ += count;
        written += count;
    }
    return static_cast<qint64>(written);
}

} // namespace audio
