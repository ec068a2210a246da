#pragma once

#include "Class/UI/Activation/ViewModel/IActivationViewModel.h"
#include "Class/UI/Base/View/ScreenViewController.h"

#include <memory>
#include <optional>
#include <string>

namespace ui {
class Button;
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

// The connected car, a line confirming the link, the one start button the vehicle's request calls
// for, and the way to another car. Main thread only.
class ActivationViewController final : public ScreenViewController<IActivationViewModel> {
public:
    std::shared_ptr<ui::Label> connectionSuccessLabel;
    std::shared_ptr<ui::ImageView> carImageView;
    std::shared_ptr<ui::Button> powerOnButton;
    std::shared_ptr<ui::Button> startButton;
    std::shared_ptr<ui::Button> backButton;
    std::optional<bool> isReceivedParkOut;
    std::optional<std::string> carName;

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void clearStackAlert() override;

    void onTapActivateButton();
    void onTapPowerOnButton();
    void onTapBack();

private:
    void apply(const IActivationViewModel::Action& action);
    void setConnectionText();
};

} // namespace tolvane::app
