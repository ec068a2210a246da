#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/Connecting/ViewModel/IConnectingViewModel.h"

#include <memory>

namespace ui {
class Button;
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

// Shown while the link to the selected car opens: what to do as the wait grows, the way back to
// the choice of a car, and after the time-out only the end. Main thread only.
class ConnectingViewController final : public ScreenViewController<IConnectingViewModel> {
public:
    std::shared_ptr<ui::Label> connectingLabel;
    std::shared_ptr<ui::Label> guideLabel;
    std::shared_ptr<ui::Label> appendLabel;
    std::shared_ptr<ui::Label> waitLabel;
    std::shared_ptr<ui::Label> carPlayLabel;
    std::shared_ptr<ui::Button> backButton;
    std::shared_ptr<ui::Button> endButton;
    std::shared_ptr<ui::ImageView> smartKeyImage;
    std::shared_ptr<ui::ImageView> BTConnect;

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void clearStackAlert() override;
    void tapNavigationButtonLeave() override;

    void onTapBackButton();
    void onTapEndButton();
    void showTimeoutAlert();

private:
    void apply(const IConnectingViewModel::Action& action);

    bool hasAppeared_ = false;
};

} // namespace tolvane::app
