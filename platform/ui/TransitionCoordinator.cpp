#include "ui/TransitionCoordinator.h"

#include "ui/ViewAnimation.h"

namespace ui {

void TransitionCoordinator::animateAlongsideTransition(std::function<void()> animation, std::function<void()> completion)
{
    if (completion)
        completions_.push_back(std::move(completion));
    if (!animation)
        return;
    if (started_)
        ViewAnimation::animate(animated_ ? duration_ : 0, animation);
    else
        animations_.push_back(std::move(animation));
}

void TransitionCoordinator::start()
{
    started_ = true;
    const auto animations = std::move(animations_);
    animations_.clear();
    for (const auto& animation : animations) {
        if (animated_)
            ViewAnimation::animate(duration_, animation);
        else
            ViewAnimation::performWithoutAnimation(animation);
    }
}

void TransitionCoordinator::finish()
{
    const auto completions = std::move(completions_);
    completions_.clear();
    for (const auto& completion : completions)
        completion();
}

} // namespace ui
