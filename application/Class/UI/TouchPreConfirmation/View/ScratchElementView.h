#pragma once

#include "Class/UI/TouchPreConfirmation/ViewModel/TouchInfo.h"
#include "Class/UI/TouchPreConfirmation/ViewModel/TouchPreConfirmationAction.h"

#include "ui/View.h"

#include <cstdint>

namespace tolvane::app {

// One grey 4 x 4 point cell over the touch test's picture; a moving finger within reach of its
// centre clears it. After a pass it stays clear and ignores everything until the next showing.
class ScratchElementView final : public ui::View {
public:
    enum class State : uint8_t { initial = 0, passed = 1 };
    struct Id {
        // The column, counted from the left.
        int row = 0;
        // The row, counted from the top.
        int col = 0;
        // The matching cell's place in the view model's grid.
        int index = 0;
    };

    ScratchElementView(const ui::Rect& frame, Id id);

    const Id id;
    State state = State::initial;
    bool isCheckCompleted = false;

    void onAction(TouchPreConfirmationAction action);
    void onTouchInfo(const TouchInfo& touchInfo);

private:
    void showCovered(bool covered);
};

} // namespace tolvane::app
