#pragma once

#include "Class/UI/Operating/View/Slider/SliderControlOutlets.h"
#include "Class/UI/Operating/View/TouchEvent.h"
#include "Class/UI/Operating/ViewModel/IOperatingViewModel.h"

#include "foundation/Timer.h"
#include "rx/Cancellable.h"
#include "ui/View.h"

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace tolvane {
class ISlideViewModel;
}

namespace tolvane::app {

class OperateAnimation;

// The hold-to-move control: a knob at the bottom of a vertical track that the user slides up to a
// target and holds there while the car moves. It turns the track's touches into a tap state, tells
// the framework every change of it (the only caller of onTap), and notices the ways a hold ends: the
// finger lifted, off the track, or a second finger on the screen. Early releases are counted and
// answered with guidance. Its rectangles are the slide view model's, in window coordinates: the
// control lies at the window's origin. Main thread only.
class SliderControlView : public ui::View {
public:
#define TOLVANE_SLIDER_TAP_STATES(X) X(undetect) X(start) X(longTap)
    enum class TapState {
#define TOLVANE_CASE(name) name,
        TOLVANE_SLIDER_TAP_STATES(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
    enum class LongTapInterruptionFactor { none, noTouching, outOfArea, multiTap };
    struct TouchInfo {
        ui::Point location; // window coordinates
        double radius;
        TouchEventType eventType;
    };

    static constexpr double touchRadius = 40.0;
    static constexpr double longTapFailedThreshold = 5.0;
    static constexpr int countToShowHint = 2;
    static constexpr double fontSize_Max = 23.0;

    explicit SliderControlView(const ui::Rect& frame = {});
    ~SliderControlView() override;

    // The nib's content and the two view models; stops the process when a view model is missing.
    void setup();

    TapState tapState() const { return tapState_; }
    void setTapState(TapState state);
    LongTapInterruptionFactor longTapInterruptionFactor() const { return longTapInterruptionFactor_; }
    void setLongTapInterruptionFactor(LongTapInterruptionFactor factor);
    int longTapFailedTime() const { return longTapFailedTime_; }
    bool canDetectOverride() const { return canDetectOverride_; }
    bool isTutorial() const { return isTutorial_; }
    const std::shared_ptr<ui::ImageView>& handImage() const { return handImage_; }
    const SliderControlOutlets& outlets() const { return outlets_; }
    const std::shared_ptr<OperateAnimation>& operateAnimation() const { return operateAnimation_; }

    void layoutSubviews() override;

    void handleTouches(const ui::View& view, TouchEventType eventType, const std::optional<ui::Event>& event);
    void analyzeTouchInfo(const TouchInfo& touchInfo);
    bool isTouchAcceptable(const ui::Touch& touch) const;
    void detectOverride(const std::optional<ui::TouchSet>& touches);
    void handleControlAction(const IOperatingViewModel::ControlAction& action);
    void showOperationGuidance();

    // Appearance per tap state.
    void resetToUndetect();
    void updateAppearance(bool isLongTap);
    void setupArrows();

    // The control as a still picture inside its own area (its superview's, when it has one): the
    // knob at rest below the target, no guidance text. From now on it ignores its layout passes
    // and touches, so a page that shows it never reaches the operating screen's view models.
    void showAtRestInOwnArea();
    // The tutorials' demonstration, laid out as that picture: from now on the control slides,
    // holds and rests by itself, a hand showing the gesture, and ignores its layout passes and
    // touches.
    void startTutorialAnimation();
    // The hand animation's repeating timer, while the demonstration runs.
    const foundation::TimerRef& tutorialAnimationTimer() const { return tutorialAnimationTimer_; }

private:
    std::optional<TouchInfo> followTouch(const ui::Touch& touch, const ui::View& view, const ui::Rect& controlFrame,
                                         TouchEventType eventType);
    void subscribe();
    void layoutGeometry();
    // Knob, target, track and pulses placed in the control's own area instead of the slide view
    // model's window rectangles; layout passes and touches are ignored from now on.
    void layoutInOwnArea();
    // The knob at its rest place, at the bottom of the start square.
    void placeKnobAtRest();
    // The track from just above the target to just below the knob.
    void fitSlideBar();
    double screenHeight() const;
    bool notShowFirstOperate() const;

    std::shared_ptr<ui::View> content_;
    std::shared_ptr<ISlideViewModel> slideViewModel_;
    std::shared_ptr<IOperatingViewModel> viewModel_;
    SliderControlOutlets outlets_;
    const std::shared_ptr<OperateAnimation> operateAnimation_;
    rx::CancellableSet cancellables_;
    // When the current hold began on the main loop's clock; kept after the hold ends.
    std::optional<double> longTapTime_;
    int longTapFailedTime_ = 0;
    const double smallSlideButtonHeight_;
    TapState tapState_ = TapState::undetect;
    LongTapInterruptionFactor longTapInterruptionFactor_ = LongTapInterruptionFactor::none;
    bool canDetectOverride_ = false;
    void runTutorialStep();

    // What the demonstration keeps from its start.
    struct TutorialGeometry {
        ui::Point knobRest;
        double barHeight;
        double dx;
        double dy;
    };
    bool isTutorial_ = false;
    foundation::TimerRef tutorialAnimationTimer_;
    int beforeAnimationStep_ = 1;
    std::optional<double> beforeAnimationTime_;
    std::shared_ptr<ui::ImageView> handImage_;
    TutorialGeometry tutorial_{};
};

} // namespace tolvane::app
