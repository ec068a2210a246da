#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/DeleteDevices/ViewModel/IRegisteredCarsViewModel.h"

#include "rx/Cancellable.h"

#include <memory>

namespace tolvane::app {

class RegisteredCarsList;

// The registered cars to delete from: a tap on a row asks to delete that car.
class DeleteDevicesViewController final : public ScreenViewController<IDeleteDevicesViewModel> {
public:
    static constexpr double CELL_HEIGHT = 80.0;
    static constexpr double SEPARATOR_INSET = 55.0;

    std::shared_ptr<RegisteredCarsList> list;
    // Lives as long as the screen, across pushed screens and pop-ups.
    rx::Cancellable actionSubscription;

    void viewDidLoad() override;
    void viewWillLayoutSubviews() override;
    void tapNavigationButtonLeave() override;
};

} // namespace tolvane::app
