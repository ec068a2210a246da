#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/DeleteDevices/ViewModel/IRegisteredCarsViewModel.h"

#include "rx/Cancellable.h"

#include <memory>

namespace ui {
class Button;
}

namespace tolvane::app {

class RegisteredCarsList;

// The registered cars behind the settings menu: the linked one marked, a tap edits a car, a swipe
// deletes one, and the round button adds one.
class EditDevicesViewController final : public ScreenViewController<IEditDevicesViewModel> {
public:
    static constexpr double SECTION_SIZE = 20.0;
    static constexpr double CELL_HEIGHT = 68.0;
    static constexpr double ADD_BUTTON_SIZE = 56.0;

    std::shared_ptr<RegisteredCarsList> list;
    // Lives as long as the screen, across pushed screens and pop-ups.
    rx::Cancellable actionSubscription;
    std::shared_ptr<ui::Button> addCarButton;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillLayoutSubviews() override;
    void tapNavigationButtonLeave() override;
    void registrationButtonAction();
};

} // namespace tolvane::app
