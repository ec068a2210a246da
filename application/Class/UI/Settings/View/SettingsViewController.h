#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/Settings/ViewModel/ISettingsViewModel.h"

#include "rx/Cancellable.h"
#include "ui/TableView.h"

#include <memory>

namespace tolvane::app {

// The settings menu, presented over the screen the user was on: the sound rows, the vehicle row
// (usable only over the screens that lead to a connection), the tutorial and history rows and the
// version.
class SettingsViewController final : public ScreenViewController<ISettingsViewModel>,
                                     public ui::ITableViewDataSource,
                                     public ui::ITableViewDelegate {
public:
    static constexpr double SECTION_HEADER_SIZE = 10.0;
    static constexpr double SECTION_FOOTER_SIZE = 0;
    static constexpr double CELL_SIZE = 54.0;

    std::shared_ptr<ui::TableView> tableView;
    bool isEnableRegistrationCell = false;
    rx::CancellableSet settingsCancellables;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillLayoutSubviews() override;
    void tapNavigationButtonLeave() override;
    // The menu's own dismissal, asking for the window's push transition exactly when animated.
    void dismiss(bool animated, Completion completion = {}) override;
    void dismissWithTransition(bool withTransition, Completion completion);

    // ITableViewDataSource
    int numberOfSections(ui::TableView&) override { return 3; }
    int numberOfRows(ui::TableView& table, int section) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table, const ui::IndexPath& indexPath) override;
    // ITableViewDelegate
    std::optional<double> heightForRow(ui::TableView& table, const ui::IndexPath& indexPath) override;
    double heightForHeader(ui::TableView&, int) override;
    double heightForFooter(ui::TableView&, int) override { return SECTION_FOOTER_SIZE; }
    void didSelectRow(ui::TableView& table, const ui::IndexPath& indexPath) override;

private:
    void apply(const SettingsAction& action);
    // Whether the screen under the menu is one from which a car may be changed.
    bool screenUnderAllowsVehicleRow() const;
    void closeWithoutTransition(Completion completion);
};

} // namespace tolvane::app
