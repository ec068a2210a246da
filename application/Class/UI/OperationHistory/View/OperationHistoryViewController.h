#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/OperationHistory/View/OperationHistoryRowPresenter.h"
#include "Class/UI/OperationHistory/ViewModel/IOperationHistoryViewModel.h"

#include "ui/TableView.h"

#include <memory>

namespace ui {
class Label;
}

namespace tolvane::app {

// The past runs, newest first, read once when the screen loads.
class OperationHistoryViewController final : public ScreenViewController<IOperationHistoryViewModel>,
                                              public ui::ITableViewDataSource,
                                              public ui::ITableViewDelegate {
public:
    static constexpr double CELL_HEIGHT = 130.0;
    static constexpr double SEPARATOR_INSET = 55.0;

    std::shared_ptr<ui::TableView> operationHistoryTableView;
    std::shared_ptr<ui::Label> titleLabel;
    std::shared_ptr<ui::Label> subTitleLabel;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillLayoutSubviews() override;
    void tapNavigationButtonLeave() override;

    int numberOfRows(ui::TableView&, int) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table, const ui::IndexPath& indexPath) override;
    std::optional<double> heightForRow(ui::TableView&, const ui::IndexPath&) override;
    double heightForHeader(ui::TableView&, int) override;

private:
    // The registered cars are read once per reload, not once per row.
    void reloadRows();

    OperationHistoryRowPresenter presenter_;
    std::vector<CarRecord> registeredCars_;
};

} // namespace tolvane::app
