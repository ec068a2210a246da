#include "ui/ImageSource.h"

#include <QBuffer>
#include <QImageReader>

namespace ui {
namespace {

// Walks the blocks of a GIF and gives, per image, the delay of the graphic control block before it
// (in hundredths of a second). Every read is bounds-checked; a damaged file ends the walk.
std::vector<std::optional<int>> gifDelays(const foundation::Bytes& data)
{
    std::vector<std::optional<int>> delays;
    if (data.size() < 13 || data[0] != 'G' || data[1] != 'I' || data[2] != 'F')
        return delays;
    size_t at = 13;
    if (data[10] & 0x80)
        at += 3u * (1u << ((data[10] & 0x07) + 1));
    auto skipSubBlocks = [&](size_t& position) {
        while (position < data.size()) {
            const size_t length = data[position];
            position += 1 + length;
            if (length == 0)
                return true;
        }
        return false;
    };
    std::optional<int> pending;
    while (at < data.size()) {
        const uint8_t introducer = data[at];
        if (introducer == 0x3B)
            break;
        if (introducer == 0x21) {
            if (at + 1 >= data.size())
                break;
            const uint8_t label = data[at + 1];
            size_t position = at + 2;
            if (label == 0xF9 && position + 5 < data.size() && data[position] >= 4)
                pending = data[position + 2] | (data[position + 3] << 8);
            if (!skipSubBlocks(position))
                break;
            at = position;
        } else if (introducer == 0x2C) {
            if (at + 10 > data.size())
                break;
            size_t position = at + 10;
            if (data[at + 9] & 0x80)
                position += 3u * (1u << ((data[at + 9] & 0x07) + 1));
            position += 1; // LZW minimum code size
            if (position > data.size() || !skipSubBlocks(position))
                break;
            delays.push_back(pending);
            pending.reset();
            at = position;
        } else {
            break;
        }
    }
    return delays;
}

} // namespace

std::optional<ImageSource> ImageSource::create(const foundation::Bytes& data)
{
    QByteArray bytes(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead())
        return std::nullopt;
    ImageSource source;
    const auto delays = gifDelays(data);
    const bool isGif = reader.format() == "gif";
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
        source.frames_.push_back(frame.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        if (!reader.supportsAnimation() || !reader.canRead())
            break;
    }
    // Frames the decoder could not read still count: the file says they are there.
    const size_t count = isGif ? std::max(source.frames_.size(), delays.size()) : source.frames_.size();
    source.frames_.resize(count);
    for (size_t i = 0; i < count; ++i) {
        if (!isGif || i >= delays.size() || !delays[i]) {
            source.gif_.push_back(isGif ? std::optional<GifProperties>(GifProperties{}) : std::nullopt);
            continue;
        }
        const double seconds = *delays[i] / 100.0;
        source.gif_.push_back(GifProperties{seconds, *delays[i] <= 1 ? 0.1 : seconds});
    }
    return source;
}

std::optional<QImage> ImageSource::image(size_t index) const
{
    if (index >= frames_.size() || frames_[index].isNull())
        return std::nullopt;
    return frames_[index];
}

std::optional<ImageSource::GifProperties> ImageSource::gifProperties(size_t index) const
{
    if (index >= gif_.size())
        return std::nullopt;
    return gif_[index];
}

} // namespace ui
