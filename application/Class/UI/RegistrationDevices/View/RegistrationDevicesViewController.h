#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/RegistrationDevices/ViewModel/IRegistrationDevicesViewModel.h"

#include "foundation/NotificationCenter.h"
#include "ui/TableView.h"

namespace ui {
class Label;
}

namespace tolvane::app {

// The first step of registering a car: the connected units, registered ones greyed and marked. It
// is the list's data source and delegate. One section; the row after the last unit is invisible.
class RegistrationDevicesViewController final : public ScreenViewController<IRegistrationDevicesViewModel>,
                                                 public ui::ITableViewDataSource,
                                                 public ui::ITableViewDelegate {
public:
    static constexpr double SECTION_SIZE = 58.0;
    static constexpr double CELL_HEIGHT = 80.0;

    ui::Label* titleLabel = nullptr;
    ui::TableView* deviceList = nullptr;
    ui::Label* carPlayLabel = nullptr;

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void tapNavigationButtonLeave() override;

    // ITableViewDataSource
    int numberOfRows(ui::TableView& tableView, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& tableView, const ui::IndexPath& indexPath) override;
    // ITableViewDelegate
    std::optional<double> heightForRow(ui::TableView& tableView, const ui::IndexPath& indexPath) override;
    double heightForHeader(ui::TableView& tableView, int section) override;
    std::shared_ptr<ui::View> viewForHeader(ui::TableView& tableView, int section) override;
    void didSelectRow(ui::TableView& tableView, const ui::IndexPath& indexPath) override;

private:
    void setTexts();
    void viewDidBecomeActive();
    void apply(const IRegistrationDevicesViewModel::Action& action);
    void reloadDeviceList();

    foundation::NotificationCenter::Observation didBecomeActiveObservation_;
};

} // namespace tolvane::app
