#pragma once

#include "ui/Image.h"

#include <functional>
#include <optional>
#include <string>

namespace tolvane::app {

// The picture under the touch test's grid: the normal one four times in five, the silver one three
// times in twenty and the gold one once in twenty, drawn from a uniform integer 0 to 99.
class ScratchPicture {
public:
    using RandomSource = std::function<int()>;

    // The asset for a drawn value.
    static std::string assetName(int drawn);
    // A picture drawn from the current source.
    static std::optional<ui::Image> draw();
    // Replaces the system's random source (null restores it); tests draw fixed values.
    static void setRandomSource(RandomSource source);
};

} // namespace tolvane::app
