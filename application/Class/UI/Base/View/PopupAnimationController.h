#pragma once

#include "foundation/EnumCases.h"
#include "ui/IViewControllerAnimatedTransitioning.h"

#include <cstdint>

namespace tolvane::app {

// Fades a pop-up in on presentation and out on dismissal.
class PopupAnimationController : public ui::IViewControllerAnimatedTransitioning {
public:
#define TOLVANE_POPUP_ANIMATION_STATES(X) \
    X(appearMenu, 0) \
    X(dismissMenu, 1)

    enum class AnimationState : uint8_t {
#define TOLVANE_CASE(name, raw) name = raw,
        TOLVANE_POPUP_ANIMATION_STATES(TOLVANE_CASE)
#undef TOLVANE_CASE
    };

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
    using E = tolvane::app::PopupAnimationController::AnimationState;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_POPUP_ANIMATION_STATES(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
