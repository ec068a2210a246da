#pragma once

#include "Class/UI/TouchPreConfirmation/ViewModel/TouchInfo.h"
#include "Class/UI/TouchPreConfirmation/ViewModel/TouchPreConfirmationAction.h"

#include "foundation/Timer.h"
#include "rx/Subject.h"
#include "ui/Rect.h"

namespace tolvane::app {

class TouchDetectorView;

// The touch test's view model as its screen sees it.
class ITouchPreConfirmationViewModel {
public:
    virtual ~ITouchPreConfirmationViewModel() = default;

    // The test's state; the screen publishes `waitRestart` here too.
    virtual rx::Published<TouchPreConfirmationAction>& action() = 0;
    // The scratching finger, published with every touch the test scores.
    virtual rx::Publisher<TouchInfo> touchInfo() const = 0;
    // The passed share of the grid over the pass mark: 1 and more means passed.
    virtual rx::Publisher<float> progress() const = 0;
    // Failures since the last pass or cancellation; counted by the screen.
    virtual int& restartCount() = 0;
    virtual int maxRestartCount() const = 0;
    // The slider's target area in window coordinates, which the grid covers.
    virtual ui::Rect operateFrame() const = 0;
    // The pending move to the next screen after a pass, if any.
    virtual const foundation::TimerRef& nextViewTimer() const = 0;

    // Builds the grid over the slider's target area and starts scoring the view's touches.
    virtual void bind(TouchDetectorView& touchDetectorView) = 0;
    virtual void restart() = 0;
    // Ends the operation from the touch test.
    virtual void cancelTouchTest() = 0;
};

} // namespace tolvane::app
