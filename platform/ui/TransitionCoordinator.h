#pragma once

#include <functional>
#include <vector>

namespace ui {

// Runs animations alongside a presentation or dismissal, with its duration, and their completions
// when it ends.
class TransitionCoordinator {
public:
    TransitionCoordinator(bool animated, double duration) : animated_(animated), duration_(duration) {}

    bool isAnimated() const { return animated_; }
    double transitionDuration() const { return duration_; }
    void animateAlongsideTransition(std::function<void()> animation, std::function<void()> completion = {});

    // Starts the alongside animations (once the transition's own animation starts).
    void start();
    void finish();

private:
    bool animated_;
    double duration_;
    bool started_ = false;
    std::vector<std::function<void()>> animations_;
    std::vector<std::function<void()>> completions_;
};

} // namespace ui
