#pragma once

namespace ui {
class View;
}

namespace tolvane {

// The framework side of the ring-shaped hold control.
class IRingViewModel {
public:
    virtual ~IRingViewModel() = default;
    // Watches the finger on `view` from now on and writes its position into the next messages. Each
    // call adds one more watcher.
    virtual void setOnTouchListenerOperate(ui::View& view) = 0;
};

} // namespace tolvane
