#pragma once

#include "Class/UI/Operating/ViewModel/IOperatingViewModel.h"

#include "rx/Cancellable.h"
#include "ui/GestureRecognizer.h"
#include "ui/View.h"

#include <memory>
#include <optional>

namespace tolvane {
class IRingViewModel;
}

namespace ui {
class ImageView;
class LongPressGestureRecognizer;
} // namespace ui

namespace tolvane::app {

class CircularProgressBarView;
class FadeOutLineView;
class Ring;

// The ring-shaped hold control: a stick follows the finger inside a circle, a short trail follows
// the stick, a ring shows the progress and, after a pause, a hint invites a touch. The framework's
// ring view model watches the same touches and turns them into the operation points; this control
// adds what the user sees and feels. Made with make(). Main thread only.
class RingControlView : public ui::View, public ui::IGestureRecognizerDelegate {
public:
    struct Outlets {
        std::shared_ptr<ui::ImageView> ringControlStick;
        std::shared_ptr<ui::View> ringControlStickMovableRange;
        std::shared_ptr<FadeOutLineView> fadeOutLineView;
        std::shared_ptr<CircularProgressBarView> circularProgressBarView;
    };

    static constexpr double distanceToNextShake = 10.0;

    static std::shared_ptr<RingControlView> make(const ui::Rect& frame);
    explicit RingControlView(const ui::Rect& frame);

    const Outlets& outlets() const { return outlets_; }
    const std::shared_ptr<Ring>& ring() const { return ring_; }
    bool isPointsFocused() const { return isPointsFocused_; }
    bool playHintAnimationAutomatically() const { return playHintAnimationAutomatically_; }

    void layoutSubviews() override;
    // Hiding the control stops its hint; showing it arms the hint again.
    void setHidden(bool hidden) override;
    void onLongTap(ui::GestureRecognizer& gesture);
    bool shouldRecognizeSimultaneously(ui::GestureRecognizer&, ui::GestureRecognizer&) override { return true; }
    void handleControlAction(const IOperatingViewModel::ControlAction& action);
    void moveStick(const ui::Point& location);
    void resetStick();
    void updateHintAnimation();

private:
    void setup();
    void updateTouch(const ui::Point& location, const ui::Rect& area);
    void stopHint();
    void letGoOfTheHold();

    std::shared_ptr<IRingViewModel> ringViewModel_;
    std::shared_ptr<IOperatingViewModel> viewModel_;
    Outlets outlets_;
    rx::CancellableSet cancellables_;
    std::shared_ptr<Ring> ring_;
    std::optional<ui::Point> lastShakeFocusLocation_;
    bool isPointsFocused_ = false;
    bool playHintAnimationAutomatically_ = true;
    ui::View* touchingView_ = nullptr;
};

} // namespace tolvane::app
