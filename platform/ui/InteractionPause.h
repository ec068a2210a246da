#pragma once

#include <memory>

namespace ui {

// While a pause is held, a finger put down reaches no view and no gesture recogniser; fingers
// already down are followed to their end. Screen transitions hold one while they move, as the
// phone does, so a tap never acts on a screen on its way in or out. Main thread only.
class InteractionPause {
public:
    using Hold = std::shared_ptr<void>;

    static Hold begin();
    static bool isActive();
};

} // namespace ui
