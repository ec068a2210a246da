#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/ParkOutCompleted/ViewModel/IParkOutCompletedViewModel.h"

#include <memory>

namespace ui {
class Button;
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

// The end of a park-out: the car, the finished title and the exit button from the start.
class ParkOutCompletedViewController final : public ScreenViewController<IParkOutCompletedViewModel> {
public:
    std::shared_ptr<ui::Label> titleLabel;
    std::shared_ptr<ui::ImageView> myCarImageView;
    std::shared_ptr<ui::Button> exitButton;

    void loadView() override;
    void viewDidLoad() override;
    void tapExitButton();
    // This screen has no way back.
    void tapNavigationButtonLeave() override {}
};

} // namespace tolvane::app
