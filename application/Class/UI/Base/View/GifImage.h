#pragma once

#include "foundation/Bytes.h"

#include <vector>

namespace ui {
class ImageView;
}

namespace tolvane::app {

// Plays an animated GIF in an image view with each frame's own delay: every frame is repeated
// delay / g times, g being the greatest common divisor of the delays, and the whole runs for the
// sum of the delays.
class GifImage {
public:
    // Data that is no image leaves the view without an image; a frame that cannot be decoded leaves
    // the view as it was.
    static void setGifImage(ui::ImageView& imageView, const foundation::Bytes& data);
    // Each frame's delay in whole milliseconds; a delay that truncates to 0 counts as the 1 s default.
    static std::vector<long> frameDelays(const foundation::Bytes& data);
};

} // namespace tolvane::app
