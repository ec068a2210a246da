#pragma once

#include "foundation/Bytes.h"
#include "ui/Image.h"
#include "ui/Size.h"

#include <optional>

namespace tolvane::app {

// The stored form of a car's picture: IMAGE_WIDTH x IMAGE_HEIGHT pixels as PNG, the picture drawn
// as large as fits and centred, so neither a photo of another shape nor the default drawing is
// distorted.
class CarPicture {
public:
    static constexpr ui::Size IMAGE_SIZE{640.0, 480.0};
    // The default picture at the size the screen shows it, drawn sharp.
    static std::optional<ui::Image> defaultImage();
    static ui::Image redrawn(const ui::Image& image);
    // None when the picture cannot be encoded.
    static std::optional<foundation::Bytes> pngData(const ui::Image& image);
};

} // namespace tolvane::app
