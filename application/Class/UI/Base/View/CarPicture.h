#pragma once

#include "ui/Image.h"

#include <optional>
#include <string>

namespace tolvane::app {

// The picture of a registered car as the screens show it: the file its stored path names inside
// the data folder, or the library's vehicle icon when there is no path or the file does not read.
class CarPicture {
public:
    static std::optional<ui::Image> image(const std::optional<std::string>& carImagePath);
};

} // namespace tolvane::app
