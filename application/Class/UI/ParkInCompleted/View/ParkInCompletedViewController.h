#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/ParkInCompleted/ViewModel/IParkInCompletedViewModel.h"

#include <memory>

namespace ui {
class ActivityIndicatorView;
class Button;
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

// The end of a park-in: "exiting" with a spinner until the vehicle ends the session, then the
// finished title and the exit button; the hazard-lamp note when the vehicle asks for it.
class ParkInCompletedViewController final : public ScreenViewController<IParkInCompletedViewModel> {
public:
    std::shared_ptr<ui::ActivityIndicatorView> processIndicatorView;
    std::shared_ptr<ui::ImageView> myCarImageView;
    std::shared_ptr<ui::Label> titleLabel;
    std::shared_ptr<ui::Label> actionLabel;
    std::shared_ptr<ui::Button> exitButton;

    void loadView() override;
    void viewDidLoad() override;
    void tapExitButton();

private:
    void apply(const ParkInCompletedAction& action);
    void displayCompletedView();
};

} // namespace tolvane::app
