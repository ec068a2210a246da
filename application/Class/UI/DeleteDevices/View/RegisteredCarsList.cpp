#include "Class/UI/DeleteDevices/View/RegisteredCarsList.h"

#include "Class/UI/Base/View/TolvaneBaseViewController.h"
#include "Class/UI/EditDevices/View/SettingsDeviceCell.h"

#include "R.h"

#include "foundation/Overloaded.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/NibRegistry.h"

namespace tolvane::app {
namespace {

constexpr const char* CELL_NIB = "CustomCell";
constexpr const char* DELETE_BUTTON_TITLE = "删除车辆";

} // namespace

RegisteredCarsList::RegisteredCarsList(std::shared_ptr<IRegisteredCarsViewModel> viewModel, Style style,
                                       std::function<void(const ui::IndexPath&)> onSelect)
    : deviceList(std::make_shared<ui::TableView>()), viewModel_(std::move(viewModel)), style_(std::move(style)), onSelect_(std::move(onSelect))
{
    deviceList->registerCell(SettingsDeviceCell::REUSE_IDENTIFIER, [] {
        auto cell = std::dynamic_pointer_cast<ui::TableViewCell>(ui::NibRegistry::shared().instantiate(CELL_NIB));
        return cell ? cell : std::make_shared<ui::TableViewCell>(SettingsDeviceCell::REUSE_IDENTIFIER);
    });
    deviceList->setSeparatorInset(style_.separatorInset);
    // The list ends after its last car, without empty separated rows below it.
    deviceList->setTableFooterView(std::make_shared<ui::View>());
}

int RegisteredCarsList::numberOfRows(ui::TableView&, int)
{
    return static_cast<int>(viewModel_->carRecords().size());
}

std::shared_ptr<ui::TableViewCell> RegisteredCarsList::cellForRow(ui::TableView& table, const ui::IndexPath& indexPath)
{
    auto dequeued = table.dequeueReusableCell(SettingsDeviceCell::REUSE_IDENTIFIER, indexPath);
    auto cell = std::dynamic_pointer_cast<SettingsDeviceCell>(dequeued);
    const auto& records = viewModel_->carRecords();
    if (!cell || indexPath.row < 0 || static_cast<size_t>(indexPath.row) >= records.size())
        return std::make_shared<ui::TableViewCell>();
    cell->checkImage->setImage(R::image::spaced_check_and_circle());
    cell->checkImage->setHidden(!viewModel_->isCurrentVehicle(indexPath));
    cell->arrowImage->setImage(style_.rowImage);
    cell->deviceName->setText(records[static_cast<size_t>(indexPath.row)].CarName);
    return cell;
}

void RegisteredCarsList::commitEditing(ui::TableView&, ui::TableViewCellEditingStyle editingStyle, const ui::IndexPath& indexPath)
{
    if (editingStyle == ui::TableViewCellEditingStyle::deleteStyle)
        viewModel_->confirmDelete(indexPath);
}

std::optional<std::string> RegisteredCarsList::titleForDeleteConfirmationButton(ui::TableView&, const ui::IndexPath&)
{
    return DELETE_BUTTON_TITLE;
}

void RegisteredCarsList::apply(const RegisteredCarsAction& action, TolvaneBaseViewController& screen)
{
    std::visit(foundation::Overloaded{
                   [this](const RegisteredCarsAction::deselectRow& command) { deviceList->deselectRow(command.at, command.animated); },
                   [&screen](const RegisteredCarsAction::presentAlert& command) { screen.presentAlert(command.title, command.actions); },
                   [](const RegisteredCarsAction::none&) {},
                   [this](const RegisteredCarsAction::reloadTableView&) { deviceList->reloadData(); },
               },
               action.value);
}

} // namespace tolvane::app
