#pragma once

#include "Class/UI/DeleteDevices/ViewModel/IRegisteredCarsViewModel.h"

#include "ui/EdgeInsets.h"
#include "ui/Image.h"
#include "ui/TableView.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tolvane::app {

class TolvaneBaseViewController;

// The table of registered cars both vehicle lists show, and what it does with their view model's
// actions; each list gives its own look and its own reaction to a tap.
class RegisteredCarsList final : public ui::ITableViewDataSource, public ui::ITableViewDelegate {
public:
    struct Style {
        double rowHeight;
        double headerHeight;
        // The image at the end of each row.
        std::optional<ui::Image> rowImage;
        ui::EdgeInsets separatorInset;
        // Swiping a row offers to delete it.
        bool swipeToDelete;
    };

    RegisteredCarsList(std::shared_ptr<IRegisteredCarsViewModel> viewModel, Style style, std::function<void(const ui::IndexPath&)> onSelect);

    const std::shared_ptr<ui::TableView> deviceList;

    // Reloads, deselects and presents the pop-ups the view model asks for, over `screen`.
    void apply(const RegisteredCarsAction& action, TolvaneBaseViewController& screen);

    int numberOfRows(ui::TableView&, int) override;
    std::shared_ptr<ui::TableViewCell> cellForRow(ui::TableView& table, const ui::IndexPath& indexPath) override;
    bool canEditRow(ui::TableView&, const ui::IndexPath&) override { return style_.swipeToDelete; }
    void commitEditing(ui::TableView&, ui::TableViewCellEditingStyle editingStyle, const ui::IndexPath& indexPath) override;
    std::optional<double> heightForRow(ui::TableView&, const ui::IndexPath&) override { return style_.rowHeight; }
    double heightForHeader(ui::TableView&, int) override { return style_.headerHeight; }
    void didSelectRow(ui::TableView&, const ui::IndexPath& indexPath) override { onSelect_(indexPath); }
    std::optional<std::string> titleForDeleteConfirmationButton(ui::TableView&, const ui::IndexPath&) override;

private:
    std::shared_ptr<IRegisteredCarsViewModel> viewModel_;
    Style style_;
    std::function<void(const ui::IndexPath&)> onSelect_;
};

} // namespace tolvane::app
