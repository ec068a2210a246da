#include "Class/UI/EditDevices/View/EditDevicesViewController.h"

#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/ColorCode.h"
#include "Class/UI/Base/View/DesignScale.h"
#include "Class/UI/Base/View/NavigationTitleLabel.h"
#include "Class/UI/DeleteDevices/View/RegisteredCarsList.h"
#include "Class/UI/Settings/View/MenuStyle.h"

#include "R.h"

#include "foundation/FatalError.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Layer.h"
#include "ui/NavigationBar.h"
#include "ui/Label.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"

namespace tolvane::app {
namespace {

constexpr const char* TITLE = "绑定车辆管理";

} // namespace

void EditDevicesViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    if (!viewModel)
        foundation::fatalError("EditDevicesViewController has no view model");
    setupNavigationBar();
    std::weak_ptr<EditDevicesViewController> weak = std::static_pointer_cast<EditDevicesViewController>(shared_from_this());
    list = std::make_shared<RegisteredCarsList>(viewModel,
                                                RegisteredCarsList::Style{.rowHeight = CELL_HEIGHT * DesignScale::vertical(),
                                                                          .headerHeight = SECTION_SIZE,
                                                                          .rowImage = R::image::icon_right_arrow(),
                                                                          .separatorInset = {},
                                                                          .swipeToDelete = true},
                                                [weak](const ui::IndexPath& indexPath) {
                                                    if (auto self = weak.lock())
                                                        self->viewModel->onSelectCell(indexPath);
                                                });
    ui::TableView& deviceList = *list->deviceList;
    deviceList.setDataSource(list);
    deviceList.setDelegate(list);
    deviceList.setBackgroundColor(MenuStyle::background());
    view().setBackgroundColor(MenuStyle::background());
    deviceList.setSectionHeaderTopPadding(0);
    view().addSubview(list->deviceList);

    addCarButton = std::make_shared<ui::Button>();
    addCarButton->setImage(R::image::icon_add(), ui::ControlState::normal);
    addCarButton->setBackgroundColor(ColorCode::buttonTintColor());
    addCarButton->layer().setCornerRadius(ADD_BUTTON_SIZE / 2);
    addCarButton->addTarget(ui::ControlEvent::touchUpInside, [weak](ui::Control&) {
        if (auto self = weak.lock())
            self->registrationButtonAction();
    });
    view().addSubview(addCarButton);

    actionSubscription = viewModel->actionPublisher().sink([weak](const RegisteredCarsAction& action) {
        if (auto self = weak.lock())
            self->list->apply(action, *self);
    });
}

void EditDevicesViewController::viewWillAppear(bool animated)
{
    ScreenViewController::viewWillAppear(animated);
    navigationItem().setTitleView(makeNavigationTitleLabel(TITLE));
    viewModel->reloadCarRecords();
    list->deviceList->reloadData();
}

void EditDevicesViewController::viewWillLayoutSubviews()
{
    ScreenViewController::viewWillLayoutSubviews();
    if (auto* navigation = navigationController())
        navigation->navigationBar().layer().removeAllAnimations();
    const ui::Rect bounds = view().bounds();
    if (list->deviceList->frame() != bounds) {
        list->deviceList->setFrame(bounds);
        list->deviceList->reloadData();
    }
    const double margin = 24;
    addCarButton->setFrame(
        {bounds.width() - margin - ADD_BUTTON_SIZE, bounds.height() - margin - ADD_BUTTON_SIZE, ADD_BUTTON_SIZE, ADD_BUTTON_SIZE});
}

void EditDevicesViewController::tapNavigationButtonLeave()
{
    if (auto* navigation = navigationController())
        navigation->popViewController(true);
}

void EditDevicesViewController::registrationButtonAction()
{
    TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/bangdingcheliangguanli/tianjiacheliang");
    viewModel->onTapAddCar();
}

} // namespace tolvane::app
