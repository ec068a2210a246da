#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/ConnectionCompletionForRegistration/ViewModel/IConnectionCompletionForRegistrationViewModel.h"

namespace ui {
class Button;
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

// The unit being registered is reached: its name, and the button on to naming the car. Leaving
// closes the link and the whole registration flow.
class ConnectionCompletionForRegistrationViewController final : public ScreenViewController<IConnectionCompletionForRegistrationViewModel> {
public:
    ui::Label* deviceName = nullptr;
    ui::ImageView* carImageView = nullptr;
    ui::Button* addButton = nullptr;

    void loadView() override;
    void viewDidLoad() override;
    void onTapRegisterButton();
    void tapNavigationButtonLeave() override;

private:
    void apply(const IConnectionCompletionForRegistrationViewModel::Action& action);
};

} // namespace tolvane::app
