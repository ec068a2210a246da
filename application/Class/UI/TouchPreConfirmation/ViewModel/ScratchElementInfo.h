#pragma once

#include "Class/UI/TouchPreConfirmation/ViewModel/TouchInfo.h"
#include "Class/UI/TouchPreConfirmation/ViewModel/TouchPreConfirmationAction.h"

#include <cstdint>

namespace tolvane::app {

// One 4 x 4 point cell of the touch test's grid over the slider's target area, scored by its
// top-left corner in window coordinates: a moving finger within its radius passes it.
class ScratchElementInfo {
public:
    enum class State : uint8_t { initial, passed };

    ScratchElementInfo(int x, int y, ui::Point point, int size, State state);

    const int x;
    const int y;
    const ui::Point point;
    const int size;
    State state;

    void onTouchInfo(const TouchInfo& touchInfo);
    void onAction(TouchPreConfirmationAction action);
};

} // namespace tolvane::app
