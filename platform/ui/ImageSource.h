#pragma once

#include "foundation/Bytes.h"

#include <QImage>

#include <optional>
#include <vector>

namespace ui {

// An image file read frame by frame, with each frame's timing as an animated GIF stores it.
class ImageSource {
public:
    // The timing of one GIF frame, in seconds. The unclamped delay is the stored one; the clamped
    // delay raises stored delays of 0.01 s or less to 0.1 s, as players do.
    struct GifProperties {
        std::optional<double> unclampedDelay;
        std::optional<double> clampedDelay;
    };

    // None when the bytes are no image the source can read.
    static std::optional<ImageSource> create(const foundation::Bytes& data);

    size_t count() const { return frames_.size(); }
    // None for a frame that cannot be decoded.
    std::optional<QImage> image(size_t index) const;
    // None when the file is no GIF or the frame has no graphic control block.
    std::optional<GifProperties> gifProperties(size_t index) const;

private:
    ImageSource() = default;

    std::vector<QImage> frames_;
    std::vector<std::optional<GifProperties>> gif_;
};

} // namespace ui
