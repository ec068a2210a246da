#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/ConnectingForRegistration/ViewModel/IConnectingForRegistrationViewModel.h"

namespace ui {
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

// The second step of registering a car: the chosen unit is connected while an animation plays; a
// failure shows the "Connection failed" alert, whose button returns to the list.
class ConnectingForRegistrationViewController final : public ScreenViewController<IConnectingForRegistrationViewModel> {
public:
    ui::Label* deviceName = nullptr;
    ui::ImageView* BTConnect = nullptr;
    ui::Label* registrationInfo = nullptr;
    ui::Label* registrationDecription = nullptr;

    void loadView() override;
    void viewDidLoad() override;
    void viewWillDisappear(bool animated) override;
    void tapNavigationButtonLeave() override;
    void clearStackAlert() override;

    void showConnectionFailedAlert();

private:
    void apply(const IConnectingForRegistrationViewModel::Action& action);
    void setTexts(const std::string& name);
    void startConnectingAnimation();
};

} // namespace tolvane::app
