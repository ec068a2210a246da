#pragma once

namespace tolvane::app {

// Sizes are designed for a 428 x 926-point screen; these scale them to the device's main screen.
class DesignScale {
public:
    // Screen height / 926.
    static double vertical();
    // Screen width / 428.
    static double horizontal();
};

} // namespace tolvane::app
