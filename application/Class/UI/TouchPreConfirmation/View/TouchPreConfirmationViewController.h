#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/TouchPreConfirmation/ViewModel/ITouchPreConfirmationViewModel.h"

#include <memory>
#include <vector>

namespace ui {
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

class CircularProgressBarView;
class ScratchElementView;
class TouchDetectorView;

// The touch test as a scratch card: a picture under a grey grid over the slider's target area that
// a swiping finger clears, a progress ring towards the pass mark, a check mark on a pass, and the
// multi-touch pop-up; the third failure ends the operation.
class TouchPreConfirmationViewController final : public ScreenViewController<ITouchPreConfirmationViewModel> {
public:
    std::shared_ptr<ui::Label> titleLabel;
    std::shared_ptr<ui::Label> InfoLabel;
    std::shared_ptr<ui::ImageView> checkImage;
    std::shared_ptr<ui::Label> guidanceLabel;
    std::shared_ptr<ui::ImageView> scratchImage;
    std::shared_ptr<TouchDetectorView> touchDetectorView;
    std::shared_ptr<CircularProgressBarView> circleProgressView;
    std::vector<std::shared_ptr<ScratchElementView>> scratchElements;
    rx::CancellableSet scratchElementCancellables;

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void tapNavigationButtonSetting() override;
    void tapNavigationButtonLeave() override;

private:
    void makeCells();
    void subscribeCells();
    void apply(TouchPreConfirmationAction action);
    void showProgress(double value);
    void showMultiTouchPopup();
};

} // namespace tolvane::app
