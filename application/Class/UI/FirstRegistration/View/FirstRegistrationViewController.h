#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/FirstRegistration/ViewModel/IFirstRegistrationViewModel.h"

#include <memory>

namespace ui {
class Button;
class Label;
} // namespace ui

namespace tolvane::app {

// Asks the user to pair the phone with the vehicle's unit and offers to add a vehicle, to go on to
// the registered ones (only when there are some) or to leave. Main thread only.
class FirstRegistrationViewController final : public ScreenViewController<IFirstRegistrationViewModel> {
public:
    std::shared_ptr<ui::Label> registerLabel;
    std::shared_ptr<ui::Label> pairingLabel;
    std::shared_ptr<ui::Button> addPairingBtn;
    std::shared_ptr<ui::Button> registCompleteBtn;

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void tapNavigationButtonLeave() override;

    void onTapAddVehicleButton();
    void tapRegistComplete();
};

} // namespace tolvane::app
