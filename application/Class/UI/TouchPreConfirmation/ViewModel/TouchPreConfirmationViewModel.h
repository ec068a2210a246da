#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/TouchPreConfirmation/ViewModel/ITouchPreConfirmationViewModel.h"
#include "Class/UI/TouchPreConfirmation/ViewModel/ScratchElementInfo.h"

#include <memory>
#include <vector>

namespace tolvane {
class IDisplayModel;
class ISlideViewModel;
} // namespace tolvane

namespace tolvane::app {

struct TouchEvent;

// The touch test before the car may move: a grid of 4 x 4 point cells over the slider's target
// area, passed when more than 80 percent were swiped by one moving finger; then, after a second,
// activation when the vehicle asked for a start within that second, else connecting. Several
// fingers fail the test. One instance serves every showing, so the failure count carries over.
// Main thread only.
class TouchPreConfirmationViewModel final : public BaseViewModel, public ITouchPreConfirmationViewModel {
public:
    static constexpr float completeRatio = 0.8f;
    static constexpr int MAX_RESTART_COUNT = 3;
    static constexpr int elementSize = 4;
    static constexpr double transitionWait = 1.0;
    static constexpr double touchRadius = 40.0;

    TouchPreConfirmationViewModel(BaseViewModelInjection injection, std::shared_ptr<IDisplayModel> displayModel,
                                  std::shared_ptr<ISlideViewModel> slideViewModel);

    rx::Published<TouchPreConfirmationAction> actionSubject{TouchPreConfirmationAction::none};
    rx::Published<TouchInfo> touchInfoSubject{TouchInfo{}};
    rx::Published<float> progressSubject{0.0f};
    std::vector<std::shared_ptr<ScratchElementInfo>> scratchElements;
    rx::CancellableSet scratchElementCancellables;
    int failures = 0;
    RequiredDisplayId currentRequiredDisplayId = RequiredDisplayId::DEF;
    const std::shared_ptr<ISlideViewModel> slideViewModel;
    foundation::TimerRef timer;

    // BaseViewModel
    bool showsIndicatorOnOpening() const override { return false; }
    bool transitionEnabled(RequiredDisplayId) override { return false; }
    void onConnectionFailure() override;
    void willAppear() override { restart(); }
    void resetBaseAction() override;

    // ITouchPreConfirmationViewModel
    rx::Published<TouchPreConfirmationAction>& action() override { return actionSubject; }
    rx::Publisher<TouchInfo> touchInfo() const override { return touchInfoSubject.publisher(); }
    rx::Publisher<float> progress() const override { return progressSubject.publisher(); }
    int& restartCount() override { return failures; }
    int maxRestartCount() const override { return MAX_RESTART_COUNT; }
    ui::Rect operateFrame() const override;
    const foundation::TimerRef& nextViewTimer() const override { return timer; }
    void bind(TouchDetectorView& touchDetectorView) override;
    void restart() override;
    void cancelTouchTest() override;

private:
    void makeGrid();
    void handleTouch(const TouchDetectorView& view, const TouchEvent& touchEvent);
    float passedRatio() const;
    void pass();
    void showNextScreen();
};

} // namespace tolvane::app
