#pragma once

#include "foundation/Bytes.h"
#include "ui/Size.h"

#include <QImage>

#include <optional>
#include <string>
#include <vector>

namespace ui {

enum class ImageRenderingMode { automatic, alwaysOriginal, alwaysTemplate };

// Decoded pixels with a scale (pixels per point), or a sequence of frames played over a duration.
// Copies share their pixels.
class Image {
public:
    explicit Image(QImage pixels, double scale = 1.0);
    // Frames shown one after the other, each for duration / count seconds.
    static Image animated(const std::vector<Image>& frames, double duration);

    // PNG, JPEG, the first frame of a GIF, or SVG (drawn at three pixels per point); none when the
    // bytes are no image.
    static std::optional<Image> fromData(const foundation::Bytes& data);
    // The same, with an SVG drawn at `vectorSize` points instead of its own size, for pictures shown
    // far larger than their drawing says.
    static std::optional<Image> fromData(const foundation::Bytes& data, std::optional<Size> vectorSize);
    static std::optional<Image> fromFile(const std::string& path);

    Size size() const;
    double scale() const { return scale_; }
    const QImage& pixels() const { return frames_.front(); }
    const std::vector<QImage>& frames() const { return frames_; }
    double duration() const { return duration_; }
    bool isAnimated() const { return frames_.size() > 1 || duration_ > 0; }
    // The frame to show `elapsed` seconds into the animation, repeating.
    const QImage& frameAt(double elapsed) const;
    // The first moment after `elapsed` seconds at which a different picture shows (frames repeated
    // to hold a picture longer do not count); none for a still image.
    std::optional<double> nextFrameChange(double elapsed) const;

    ImageRenderingMode renderingMode() const { return renderingMode_; }
    Image withRenderingMode(ImageRenderingMode mode) const;
    // Each colour channel raised by `amount` (of the full range 1.0) and clamped; alpha kept.
    Image adjustingBrightness(double amount) const;
    // Redrawn at a size in points, keeping the scale.
    Image resized(const Size& size) const;
    // The pixels as PNG bytes.
    foundation::Bytes pngData() const;

private:
    Image() = default;
    size_t frameIndexAt(double elapsed) const;

    std::vector<QImage> frames_;
    double scale_ = 1.0;
    double duration_ = 0;
    ImageRenderingMode renderingMode_ = ImageRenderingMode::automatic;
};

} // namespace ui
