#include "Class/UI/DeleteDevices/View/DeleteDevicesViewController.h"

#include "Class/UI/Base/View/DesignScale.h"
#include "Class/UI/DeleteDevices/View/RegisteredCarsList.h"

#include "R.h"

#include "foundation/FatalError.h"
#include "ui/NavigationController.h"

#include <limits>

namespace tolvane::app {

void DeleteDevicesViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    if (!viewModel)
        foundation::fatalError("DeleteDevicesViewController has no view model");
    setupNavigationBar();
    std::weak_ptr<DeleteDevicesViewController> weak = std::static_pointer_cast<DeleteDevicesViewController>(shared_from_this());
    list = std::make_shared<RegisteredCarsList>(
        viewModel,
        RegisteredCarsList::Style{.rowHeight = CELL_HEIGHT * DesignScale::vertical(),
                                  // No visible header, yet a header all the same.
                                  .headerHeight = std::numeric_limits<double>::min(),
                                  .rowImage = R::image::spaced_minus(),
                                  .separatorInset = {.top = 0, .left = SEPARATOR_INSET * DesignScale::horizontal(), .bottom = 0, .right = 0},
                                  .swipeToDelete = false},
        [weak](const ui::IndexPath& indexPath) {
            if (auto self = weak.lock())
                self->viewModel->confirmDelete(indexPath);
        });
    list->deviceList->setDataSource(list);
    list->deviceList->setDelegate(list);
    view().setBackgroundColor(ui::Color::white(1));
    view().addSubview(list->deviceList);
    viewModel->reloadCarRecords();
    actionSubscription = viewModel->actionPublisher().sink([weak](const RegisteredCarsAction& action) {
        if (auto self = weak.lock())
            self->list->apply(action, *self);
    });
}

void DeleteDevicesViewController::viewWillLayoutSubviews()
{
    ScreenViewController::viewWillLayoutSubviews();
    if (list->deviceList->frame() != view().bounds()) {
        list->deviceList->setFrame(view().bounds());
        list->deviceList->reloadData();
    }
}

void DeleteDevicesViewController::tapNavigationButtonLeave()
{
    if (auto* navigation = navigationController())
        navigation->popViewController(true);
}

} // namespace tolvane::app
