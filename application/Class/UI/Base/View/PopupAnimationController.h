#pragma once

#include "foundation/EnumCases.h"
#include "ui/IViewControllerAnimatedTransitioning.h"

#include <cstdint>

namespace tolvane::app {

// Fades a pop-up in on presentation and out on dismissal.
class PopupAnimationController : public ui::IViewControllerAnimatedTransitioning {
public:
    enum class AnimationState : uint8_t { appearMenu = 0, dismissMenu = 1 };

    PopupAnimationController(double duration, AnimationState state) : duration_(duration), state_(state) {}

    double duration() const { return duration_; }
    void setDuration(double duration) { duration_ = duration; }
    AnimationState state() const { return state_; }
    void setState(AnimationState state) { state_ = state; }

    double transitionDuration(const ui::TransitionContext* context) const override;
    void animateTransition(ui::TransitionContext& context) override;

private:
    double duration_;
    AnimationState state_;
};

} // namespace tolvane::app

template <>
struct foundation::EnumCases<tolvane::app::PopupAnimationController::AnimationState> {
    static constexpr std::array all{tolvane::app::PopupAnimationController::AnimationState::appearMenu,
                                    tolvane::app::PopupAnimationController::AnimationState::dismissMenu};
};
