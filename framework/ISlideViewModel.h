#pragma once

#include "ui/Rect.h"

namespace tolvane {

// The framework side of the hold-to-move slider.
class ISlideViewModel {
public:
    virtual ~ISlideViewModel() = default;
    // The square the slider is held in, directly above the start square; in screen points.
    virtual ui::Rect operateFrame() const = 0;
    // The square the slider starts from, at the bottom of the safe area; in screen points.
    virtual ui::Rect startFrame() const = 0;
    // Starts (true) or ends (false) a hold.
    virtual void onTap(bool isLongTap) = 0;
};

} // namespace tolvane
