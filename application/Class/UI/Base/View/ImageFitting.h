#pragma once

#include "ui/Image.h"
#include "ui/Size.h"

namespace tolvane::app {

// Pictures shown in a fixed frame (a car's photo, a device's icon): the image redrawn as large as
// fits inside the frame, keeping its aspect ratio.
class ImageFitting {
public:
    // The fitted size of an image of `imageSize` inside `target`; an empty image or target has no
    // aspect ratio, and keeps the image's own size.
    static ui::Size fittedSize(const ui::Size& imageSize, const ui::Size& target);
    static ui::Image resized(const ui::Image& image, const ui::Size& target);
};

} // namespace tolvane::app
