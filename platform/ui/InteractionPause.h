#pragma once

#include <memory>

namespace ui {

// While a pause is held, and for no longer than it was asked for, a finger put down reaches no view
// and no gesture recogniser; fingers already down are followed to their end. Screen transitions
// hold one while they move, as the phone does, so a tap never acts on a screen on its way in or
// out. The time bound keeps a transition that never reports its end from freezing the screen.
// Main thread only.
class InteractionPause {
public:
    using Hold = std::shared_ptr<void>;

    static Hold begin(double seconds);
    static bool isActive();
};

} // namespace ui
